// The zip port on libzip, reading from memory. libzip is loaded at the first archive opened: a
// run that opens none starts without it and the libraries it brings (the cryptography library
// among them, slow to load), as the command-line tool's every run would otherwise pay.
#include <dlfcn.h>
#include <zip.h>

#include <algorithm>
#include <optional>

#include "platform/zip_archive.h"

namespace korvel {

namespace {

struct Libzip {
    decltype(&zip_error_init) errorInit = nullptr;
    decltype(&zip_error_fini) errorFini = nullptr;
    decltype(&zip_source_buffer_create) sourceBufferCreate = nullptr;
    decltype(&zip_source_free) sourceFree = nullptr;
    decltype(&zip_open_from_source) openFromSource = nullptr;
    decltype(&zip_discard) discard = nullptr;
    decltype(&zip_get_num_entries) getNumEntries = nullptr;
    decltype(&zip_stat_init) statInit = nullptr;
    decltype(&zip_stat_index) statIndex = nullptr;
    decltype(&zip_fopen_index) fopenIndex = nullptr;
    decltype(&zip_fread) fread = nullptr;
    decltype(&zip_fclose) fclose = nullptr;
};

template <typename Function> bool bind(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

std::optional<Libzip> loadLibzip() {
    // Loaded for the rest of the run: the archives opened keep their code there.
    void* library = ::dlopen(KORVEL_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    Libzip api;
    const bool bound = bind(library, "zip_error_init", api.errorInit) &&
                       bind(library, "zip_error_fini", api.errorFini) &&
                       bind(library, "zip_source_buffer_create", api.sourceBufferCreate) &&
                       bind(library, "zip_source_free", api.sourceFree) &&
                       bind(library, "zip_open_from_source", api.openFromSource) &&
                       bind(library, "zip_discard", api.discard) &&
                       bind(library, "zip_get_num_entries", api.getNumEntries) &&
                       bind(library, "zip_stat_init", api.statInit) &&
                       bind(library, "zip_stat_index", api.statIndex) &&
                       bind(library, "zip_fopen_index", api.fopenIndex) &&
                       bind(library, "zip_fread", api.fread) &&
                       bind(library, "zip_fclose", api.fclose);
    return bound ? std::optional(api) : std::nullopt;
}

// The loaded library, or null where it cannot be loaded.
const Libzip* libzip() {
    static const std::optional<Libzip> loaded = loadLibzip();
    return loaded ? &*loaded : nullptr;
}

class LibzipArchive final : public ZipArchive {
  public:
    LibzipArchive(const Libzip& api, std::vector<std::uint8_t> bytes, zip_t* archive)
        : api_(api), bytes_(std::move(bytes)), archive_(archive) {
        const zip_int64_t count = api_.getNumEntries(archive_, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t stat;
            api_.statInit(&stat);
            ZipMember member;
            if (api_.statIndex(archive_, static_cast<zip_uint64_t>(i), 0, &stat) == 0) {
                member.name = (stat.valid & ZIP_STAT_NAME) != 0 ? stat.name : "";
                member.size = (stat.valid & ZIP_STAT_SIZE) != 0 ? stat.size : 0;
            }
            member.isFolder = !member.name.empty() && member.name.back() == '/';
            members_.push_back(std::move(member));
        }
    }
    LibzipArchive(const LibzipArchive&) = delete;
    LibzipArchive& operator=(const LibzipArchive&) = delete;
    ~LibzipArchive() override { api_.discard(archive_); }

    [[nodiscard]] const std::vector<ZipMember>& members() const override { return members_; }

    ZipMemberBytes read(std::size_t index, std::uint64_t limit) override {
        if (index >= members_.size()) {
            return {};
        }
        if (members_[index].size > limit) {
            return {ZipReadStatus::TooLarge, {}};
        }
        zip_file_t* file = api_.fopenIndex(archive_, index, 0);
        if (file == nullptr) {
            return {};
        }
        ZipMemberBytes result = readAll(file, members_[index].size, limit);
        api_.fclose(file);
        return result;
    }

  private:
    // Reads one byte past the declared size, so a member that unpacks more than it claims is
    // caught before it grows.
    ZipMemberBytes readAll(zip_file_t* file, std::uint64_t declared, std::uint64_t limit) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(declared) + 1);
        std::size_t have = 0;
        while (have < bytes.size()) {
            const zip_int64_t got = api_.fread(file, bytes.data() + have, bytes.size() - have);
            if (got < 0) {
                return {};
            }
            if (got == 0) {
                break;
            }
            have += static_cast<std::size_t>(got);
        }
        if (have > declared) {
            return {have > limit ? ZipReadStatus::TooLarge : ZipReadStatus::Damaged, {}};
        }
        if (have < declared) {
            return {};
        }
        bytes.resize(have);
        return {ZipReadStatus::Read, std::move(bytes)};
    }

    const Libzip& api_;
    std::vector<std::uint8_t> bytes_;
    zip_t* archive_;
    std::vector<ZipMember> members_;
};

} // namespace

bool looksLikeZip(std::span<const std::uint8_t> bytes) {
    static constexpr std::uint8_t kLocal[] = {'P', 'K', 3, 4};
    static constexpr std::uint8_t kEmpty[] = {'P', 'K', 5, 6};
    return bytes.size() >= 4 && (std::equal(kLocal, kLocal + 4, bytes.begin()) ||
                                 std::equal(kEmpty, kEmpty + 4, bytes.begin()));
}

ZipOpening openZipArchive(std::vector<std::uint8_t> bytes) {
    if (!looksLikeZip(bytes)) {
        return {nullptr, "not a zip archive"};
    }
    const Libzip* api = libzip();
    if (api == nullptr) {
        return {nullptr, "cannot be read without " KORVEL_LIBZIP_SONAME " (install libzip)"};
    }
    zip_error_t error;
    api->errorInit(&error);
    zip_source_t* source = api->sourceBufferCreate(bytes.data(), bytes.size(), 0, &error);
    if (source == nullptr) {
        api->errorFini(&error);
        return {nullptr, "not a zip archive"};
    }
    zip_t* archive = api->openFromSource(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    api->errorFini(&error);
    if (archive == nullptr) {
        api->sourceFree(source);
        return {nullptr, "damaged or cut short"};
    }
    return {std::make_unique<LibzipArchive>(*api, std::move(bytes), archive), {}};
}

} // namespace korvel
