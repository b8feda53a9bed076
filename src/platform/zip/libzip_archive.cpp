// The zip port on libzip, reading from memory.
#include <zip.h>

#include <algorithm>

#include "platform/zip_archive.h"

namespace korvel {

namespace {

class LibzipArchive final : public ZipArchive {
  public:
    LibzipArchive(std::vector<std::uint8_t> bytes, zip_t* archive)
        : bytes_(std::move(bytes)), archive_(archive) {
        const zip_int64_t count = zip_get_num_entries(archive_, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t stat;
            zip_stat_init(&stat);
            ZipMember member;
            if (zip_stat_index(archive_, static_cast<zip_uint64_t>(i), 0, &stat) == 0) {
                member.name = (stat.valid & ZIP_STAT_NAME) != 0 ? stat.name : "";
                member.size = (stat.valid & ZIP_STAT_SIZE) != 0 ? stat.size : 0;
            }
            member.isFolder = !member.name.empty() && member.name.back() == '/';
            members_.push_back(std::move(member));
        }
    }
    LibzipArchive(const LibzipArchive&) = delete;
    LibzipArchive& operator=(const LibzipArchive&) = delete;
    ~LibzipArchive() override { zip_discard(archive_); }

    [[nodiscard]] const std::vector<ZipMember>& members() const override { return members_; }

    ZipMemberBytes read(std::size_t index, std::uint64_t limit) override {
        if (index >= members_.size()) {
            return {};
        }
        if (members_[index].size > limit) {
            return {ZipReadStatus::TooLarge, {}};
        }
        zip_file_t* file = zip_fopen_index(archive_, index, 0);
        if (file == nullptr) {
            return {};
        }
        ZipMemberBytes result = readAll(file, members_[index].size, limit);
        zip_fclose(file);
        return result;
    }

  private:
    // Reads one byte past the declared size, so a member that unpacks more than it claims is
    // caught before it grows.
    static ZipMemberBytes readAll(zip_file_t* file, std::uint64_t declared, std::uint64_t limit) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(declared) + 1);
        std::size_t have = 0;
        while (have < bytes.size()) {
            const zip_int64_t got = zip_fread(file, bytes.data() + have, bytes.size() - have);
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
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source == nullptr) {
        zip_error_fini(&error);
        return {nullptr, "not a zip archive"};
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (archive == nullptr) {
        zip_source_free(source);
        return {nullptr, "damaged or cut short"};
    }
    return {std::make_unique<LibzipArchive>(std::move(bytes), archive), {}};
}

} // namespace korvel
