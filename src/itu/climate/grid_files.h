#pragma once
// Gathering the files an import reads: files named on the command line, folders (searched
// through), ITU zip archives with archives inside them, and NumPy .npz files (a zip of one .npy
// array). Only files a caller wants are read; every unpacked byte counts against one budget, so
// a zip bomb stops the import instead of filling the memory.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "itu/climate/stop_asked.h"

namespace korvel {

// Refusing past this much unpacked data in one import; the largest ITU grid text is ~60 MB.
inline constexpr std::uint64_t kUnpackLimit = std::uint64_t{2} << 30u;

struct GridFile {
    std::string name;                // the file's own name: "R001.TXT", "v7_r001.npz"
    std::string origin;              // where it came from: "maps.zip/P.837_R001_Maps.zip/R001.TXT"
    std::string container;           // the folder or archive it lies in (its neighbours share it)
    bool named = false;              // named on the command line itself
    bool npy = false;                // `bytes` are a .npy array (from an .npz), else text
    std::vector<std::uint8_t> bytes; // the array to read
    std::vector<std::uint8_t> fileBytes; // the file as found (the .npz itself), for its
                                         // fingerprint; empty when the same as `bytes`
};

struct GridFileSearch {
    std::vector<GridFile> files;
    std::vector<std::string> errors; // "maps.zip: damaged or cut short", one a bad file
};

// The files found under `paths` whose name `wanted` accepts (files named on the command line
// are always taken). A stop asked for ends the search before the next file or archive member,
// with what was found so far.
GridFileSearch findGridFiles(const std::vector<std::filesystem::path>& paths,
                             const std::function<bool(std::string_view)>& wanted,
                             std::uint64_t unpackLimit = kUnpackLimit,
                             const StopAsked& stopAsked = {});

} // namespace korvel
