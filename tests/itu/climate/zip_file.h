#pragma once
// Zip archives for the tests, written with libzip: each member a name and its bytes (a member
// may itself be an archive read back with readFileBytes).

#include <zip.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace korvel::test {

inline bool writeZip(const std::filesystem::path& file,
                     const std::vector<std::pair<std::string, std::string>>& members) {
    int error = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        return false;
    }
    for (const auto& [name, bytes] : members) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (source == nullptr ||
            zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

} // namespace korvel::test
