#include "itu/climate/grid_files.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <system_error>

#include "platform/file_read.h"
#include "platform/zip_archive.h"

namespace korvel {

namespace {

bool endsWith(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size()) {
        return false;
    }
    return std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

std::string baseName(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

class Search {
  public:
    Search(const std::function<bool(std::string_view)>& wanted, std::uint64_t limit,
           const StopAsked& stopAsked)
        : wanted_(wanted), stopAsked_(stopAsked), remaining_(limit), limit_(limit) {}

    void path(const std::filesystem::path& path) {
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            folder(path);
            return;
        }
        file(path, true);
    }

    GridFileSearch result;

  private:
    void folder(const std::filesystem::path& folder) {
        std::vector<std::filesystem::path> entries;
        std::error_code error;
        auto walk = std::filesystem::recursive_directory_iterator(
            folder, std::filesystem::directory_options::skip_permission_denied, error);
        for (; !error && walk != std::filesystem::recursive_directory_iterator();
             walk.increment(error)) {
            std::error_code ignored; // a broken link is skipped, not the folder
            if (walk->is_regular_file(ignored) && taken(walk->path().filename().string())) {
                entries.push_back(walk->path());
            }
        }
        if (error) {
            result.errors.push_back(folder.string() + ": cannot read");
            return;
        }
        std::sort(entries.begin(), entries.end());
        for (const auto& entry : entries) {
            file(entry, false);
        }
    }

    [[nodiscard]] bool taken(std::string_view name) const {
        return endsWith(name, ".zip") || wanted_(name);
    }

    [[nodiscard]] bool stopped() const { return stopAsked_ && stopAsked_(); }

    void file(const std::filesystem::path& path, bool named) {
        if (stopped()) {
            return;
        }
        FileBytes read = readRegularFile(path, kUnpackLimit, BeyondLimit::Refuse);
        if (!read) {
            result.errors.push_back(path.string() + ": " + fileReadProblem(read.status));
            return;
        }
        found(path.filename().string(), path.string(), path.parent_path().string(), named,
              std::move(read.bytes));
    }

    void found(const std::string& name, const std::string& origin, const std::string& container,
               bool named, std::vector<std::uint8_t> bytes) {
        if (endsWith(name, ".npz")) {
            npz(name, origin, container, named, std::move(bytes));
        } else if (endsWith(name, ".zip") || (named && looksLikeZip(bytes))) {
            archive(origin, std::move(bytes));
        } else {
            result.files.push_back({name, origin, container, named, false, std::move(bytes), {}});
        }
    }

    void archive(const std::string& origin, std::vector<std::uint8_t> bytes) {
        ZipOpening opening = openZipArchive(std::move(bytes));
        if (!opening.archive) {
            result.errors.push_back(origin + ": " + opening.error);
            return;
        }
        const auto& members = opening.archive->members();
        for (std::size_t i = 0; i < members.size(); ++i) {
            const std::string name = baseName(members[i].name);
            if (members[i].isFolder || !taken(name)) {
                continue;
            }
            if (stopped()) {
                return;
            }
            auto unpacked = unpack(*opening.archive, i, origin);
            if (!unpacked) {
                return;
            }
            const std::string inner = origin + "/" + members[i].name;
            const auto slash = inner.find_last_of('/');
            found(name, inner, inner.substr(0, slash), false, std::move(*unpacked));
        }
    }

    void npz(const std::string& name, const std::string& origin, const std::string& container,
             bool named, std::vector<std::uint8_t> bytes) {
        std::vector<std::uint8_t> copy = bytes;
        ZipOpening opening = openZipArchive(std::move(copy));
        if (!opening.archive) {
            result.errors.push_back(origin + ": " + opening.error);
            return;
        }
        const auto& members = opening.archive->members();
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (endsWith(members[i].name, ".npy")) {
                if (auto array = unpack(*opening.archive, i, origin)) {
                    result.files.push_back({name, origin, container, named, true, std::move(*array),
                                            std::move(bytes)});
                }
                return;
            }
        }
        result.errors.push_back(origin + ": holds no .npy array");
    }

    std::optional<std::vector<std::uint8_t>> unpack(ZipArchive& archive, std::size_t index,
                                                    const std::string& origin) {
        ZipMemberBytes member = archive.read(index, remaining_);
        if (member.status == ZipReadStatus::TooLarge) {
            const bool gibibytes = limit_ % (std::uint64_t{1} << 30u) == 0;
            result.errors.push_back(origin + ": unpacks to more than " +
                                    std::to_string(gibibytes ? limit_ >> 30u : limit_) +
                                    (gibibytes ? " GiB" : " bytes") + "; refused as a zip bomb");
            return std::nullopt;
        }
        if (member.status != ZipReadStatus::Read) {
            result.errors.push_back(origin + "/" + archive.members()[index].name +
                                    ": damaged or cut short");
            return std::nullopt;
        }
        remaining_ -= member.bytes.size();
        return std::move(member.bytes);
    }

    const std::function<bool(std::string_view)>& wanted_;
    const StopAsked& stopAsked_;
    std::uint64_t remaining_;
    std::uint64_t limit_;
};

} // namespace

GridFileSearch findGridFiles(const std::vector<std::filesystem::path>& paths,
                             const std::function<bool(std::string_view)>& wanted,
                             std::uint64_t unpackLimit, const StopAsked& stopAsked) {
    Search search(wanted, unpackLimit, stopAsked);
    for (const auto& path : paths) {
        search.path(path);
    }
    return std::move(search.result);
}

} // namespace korvel
