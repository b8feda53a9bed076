#pragma once
// The cache of imported grids: one file per kind under $XDG_DATA_HOME/korvel/climate/ (else
// ~/.local/share/korvel/climate/), written through the safe replace and mapped into memory when
// read. A file, little-endian:
//
//   "KVCLIMAT"  u32 layout version (1)  u32 kind number (ClimateKind)  u32 rows  u32 columns
//   f64 first latitude  f64 latitude step  f64 first longitude  f64 longitude step
//   4 × (u32 length + Windows-1252 text): source file, recommendation, SHA-256 (hex), import date
//   zeros up to a multiple of 8 bytes, then rows × columns f64 values, row after row.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "itu/climate/grid_import.h"
#include "platform/mapped_file.h"

namespace korvel {

// $XDG_DATA_HOME/korvel/climate, or ~/.local/share/korvel/climate when it is unset or relative.
std::filesystem::path climateCacheFolder();

std::vector<std::uint8_t> cachedGridImage(const ImportedGrid& grid);

class CachedGrid {
  public:
    CachedGrid(std::unique_ptr<MappedFile> file, ClimateKind kind, GridGeometry geometry,
               GridProvenance provenance, std::size_t valuesOffset);

    [[nodiscard]] ClimateKind kind() const { return kind_; }
    [[nodiscard]] const GridProvenance& provenance() const { return provenance_; }
    [[nodiscard]] const GridView& view() const { return view_; }

  private:
    std::unique_ptr<MappedFile> file_;
    ClimateKind kind_;
    GridProvenance provenance_;
    GridView view_;
};

struct CachedGridOpening {
    std::unique_ptr<CachedGrid> grid; // null when absent or refused
    std::string error;                // when refused: "R001.grid: damaged; import it again"
};

class ClimateCache {
  public:
    explicit ClimateCache(std::filesystem::path folder) : folder_(std::move(folder)) {}

    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }
    [[nodiscard]] std::filesystem::path fileOf(ClimateKind kind) const;

    // Writes the grid over the one of its kind; false when it cannot, the old one kept.
    [[nodiscard]] bool store(const ImportedGrid& grid) const;
    // False when the kind was not installed or its file cannot be removed.
    [[nodiscard]] bool remove(ClimateKind kind) const;
    // The kind's grid: no grid and no error when it is not installed.
    [[nodiscard]] CachedGridOpening open(ClimateKind kind) const;

  private:
    std::filesystem::path folder_;
};

} // namespace korvel
