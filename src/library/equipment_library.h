#pragma once
// The equipment library in memory: radios, the two antenna tables and the feeder tables, with
// exactly the fields of the library file. Tables hold as many entries as the file's counts say.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/fixed_text.h"
#include "engine/hop_record.h"

namespace korvel {

inline constexpr int kMaxRadios = 50;
inline constexpr int kMaxDiameters = 10;
inline constexpr int kMaxFeederTables = 30;
inline constexpr int kMaxFeederTypes = 8;
inline constexpr int kMaxCoaxFrequencies = 8;
inline constexpr int kFeederLossRows = 35;
inline constexpr int kCoaxTableCount = 3; // tables 0..2: Foam, Air, Both
// Coax feeders, and so the choice of their insulation, serve up to this frequency (GHz).
inline constexpr double kCoaxLimitGHz = 3.0;

struct RadioEntry {
    FixedText<24> name;
    double frequencyGHz = 0;
    double bitRateMbps = 0;
    std::int16_t defaultPtx = 0;               // 0..2
    std::int16_t defaultPrxth = 0;             // 0..5
    std::array<double, 3> ptxDbm{};            // 0: not offered
    std::array<std::int16_t, 2> berExponent{}; // of threshold columns 1 (0..2) and 2 (3..5)
    std::array<double, 6> prxthDbm{};          // 0: not offered
    // [diversity - 1113][usage - 1116]
    std::array<std::array<double, 3>, 3> branchingLossDb{};

    // Branching loss in dB for a diversity and usage mode; 0 for a mode outside the table.
    double branchingLoss(DiversityMode diversity, UsageMode usage) const;
};

struct AntennaTable {
    std::array<double, kMaxDiameters> diameterM{};
    std::array<double, kMaxDiameters> price{};
};

struct FeederTable {
    std::array<double, kMaxCoaxFrequencies> frequencyGHz{};
    std::array<std::array<double, kMaxFeederTypes>, kFeederLossRows> lossPer100mDb{};
    std::array<FixedText<15>, kMaxFeederTypes> typeName{};
    std::array<double, kMaxFeederTypes> pricePerMetre{};
    std::array<double, kMaxFeederTypes> fixedPrice{};
};

struct EquipmentLibrary {
    std::vector<RadioEntry> radios;              // radioCount entries; the last is "OTHER"
    std::array<std::int16_t, 2> diameterCount{}; // Parab solid, Parab grid
    std::array<AntennaTable, 2> antennaTables{}; // Parab solid, Parab grid
    std::vector<FeederTable> feederTables;       // feederTableCount entries
    std::vector<std::int16_t> feederTypeCount;   // one per feeder table
    std::vector<std::int16_t> frequencyCount;    // one per feeder table (coax tables only)
    FixedText<17> identification;

    int radioCount() const { return static_cast<int>(radios.size()); }
    int feederTableCount() const { return static_cast<int>(feederTables.size()); }
    // The user-editable OTHER radio is known by its place: the library's last.
    bool isOtherRadio(int radioIndex) const { return radioIndex == radioCount() - 1; }

    // nullptr when the index lies outside the table.
    const RadioEntry* radio(int index) const;
    // A type other than the two known ones gets the "Parab solid" table and no diameters.
    const AntennaTable& antennaTable(AntennaType type) const;
    int diameterCountOf(AntennaType type) const;
    // nullptr when the index lies outside the feeder tables.
    const FeederTable* feederTable(int index) const;
    // Feeder types of a table (0..8); 0 for an index outside the feeder tables.
    int feederTypeCountOf(int table) const;
    // A feeder type's name; empty outside the tables (a hop from a damaged file points anywhere).
    std::string_view feederTypeName(int table, int type) const;
    // Frequencies listed by a coax table (0..8); 0 for an index outside the feeder tables.
    int frequencyCountOf(int table) const;
};

// The hop's current feeder table and the row of its frequency.
struct FeederPosition {
    std::int16_t table = 0;
    std::int16_t row = -1; // -1: no feeder losses for the frequency
};

// Single-frequency tables (3..) above 3 GHz, the coax table of the insulation at 3 GHz and
// below; frequencies (GHz) match within 0.01 GHz, the first match wins. No match: row -1, and
// above 3 GHz table 0. An insulation outside Foam..Both or a coax table the library lacks gives
// table 0, row -1.
FeederPosition findFeederRow(const EquipmentLibrary& library, double frequencyGHz,
                             FeederInsulation insulation);

} // namespace korvel
