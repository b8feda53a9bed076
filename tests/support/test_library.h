#pragma once
// A small, realistic equipment library for tests: three radios (7.5 GHz, 15 GHz, "OTHER"), both
// antenna tables with prices, the three coax tables (Foam, Air, Both) and single-frequency
// feeder tables at 7.5 and 15 GHz. Feeder types are listed in order of rising loss.

#include <initializer_list>
#include <string_view>

#include "library/equipment_library.h"

namespace korvel {

struct TestFeederType {
    std::string_view name;
    double pricePerMetre;
    double fixedPrice;
    std::initializer_list<double> lossPer100mDb; // one per frequency of the table
};

inline FeederTable makeTestFeederTable(std::initializer_list<double> frequenciesGHz,
                                       std::initializer_list<TestFeederType> types) {
    FeederTable table;
    std::size_t row = 0;
    for (const double frequency : frequenciesGHz) {
        table.frequencyGHz[row++] = frequency;
    }
    std::size_t column = 0;
    for (const TestFeederType& type : types) {
        table.typeName[column].assign(type.name);
        table.pricePerMetre[column] = type.pricePerMetre;
        table.fixedPrice[column] = type.fixedPrice;
        row = 0;
        for (const double loss : type.lossPer100mDb) {
            table.lossPer100mDb[row++][column] = loss;
        }
        ++column;
    }
    return table;
}

inline RadioEntry makeTestRadio(std::string_view name, double frequencyGHz, double bitRateMbps) {
    RadioEntry radio;
    radio.name.assign(name);
    radio.frequencyGHz = frequencyGHz;
    radio.bitRateMbps = bitRateMbps;
    radio.defaultPtx = 1;
    radio.defaultPrxth = 3;
    radio.ptxDbm = {30.0, 27.0, 0.0};
    radio.berExponent = {-3, -6};
    radio.prxthDbm = {-82.0, -80.5, 0.0, -78.0, -76.5, 0.0};
    radio.branchingLossDb = {{{1.0, 2.5, 3.5}, {2.0, 3.0, 4.0}, {1.5, 2.8, 3.8}}};
    return radio;
}

inline EquipmentLibrary makeTestLibrary() {
    EquipmentLibrary library;
    library.radios = {makeTestRadio("MW 7.5-34", 7.5, 34.368),
                      makeTestRadio("MW 15-8", 15.0, 8.448), makeTestRadio("OTHER", 7.5, 34.368)};
    library.radios[1].defaultPtx = 0;
    library.radios[1].defaultPrxth = 0;

    library.diameterCount = {6, 4};
    library.antennaTables[0].diameterM = {0.6, 1.2, 1.8, 2.4, 3.0, 3.7};
    library.antennaTables[0].price = {900, 1400, 2300, 3600, 5200, 7400};
    library.antennaTables[1].diameterM = {1.8, 2.4, 3.0, 3.7};
    library.antennaTables[1].price = {1500, 2200, 3100, 4300};

    library.feederTables = {
        makeTestFeederTable({0.9, 1.5, 2.0, 2.5},
                            {{"Foam 7/8", 13.0, 60.0, {3.9, 5.2, 6.1, 6.9}},
                             {"Foam 1/2", 7.0, 35.0, {7.0, 9.3, 10.9, 12.3}},
                             {"Foam 1/4", 4.0, 20.0, {13.0, 17.5, 20.5, 23.2}}}),
        makeTestFeederTable({0.9, 1.5, 2.0, 2.5}, {{"Air 7/8", 14.0, 70.0, {3.6, 4.8, 5.6, 6.4}},
                                                   {"Air 1/2", 8.0, 40.0, {6.5, 8.6, 10.1, 11.4}}}),
        makeTestFeederTable({0.9, 1.5, 2.0, 2.5},
                            {{"Air 7/8", 14.0, 70.0, {3.6, 4.8, 5.6, 6.4}},
                             {"Foam 7/8", 13.0, 60.0, {3.9, 5.2, 6.1, 6.9}},
                             {"Air 1/2", 8.0, 40.0, {6.5, 8.6, 10.1, 11.4}},
                             {"Foam 1/2", 7.0, 35.0, {7.0, 9.3, 10.9, 12.3}}}),
        makeTestFeederTable({7.5}, {{"WG 7 ell", 45.0, 320.0, {2.9}},
                                    {"WG 7 low", 38.0, 300.0, {3.4}},
                                    {"WG 7 std", 30.0, 250.0, {4.5}}}),
        makeTestFeederTable({15.0},
                            {{"WG 15 low", 42.0, 310.0, {7.6}}, {"WG 15 std", 34.0, 260.0, {9.8}}}),
    };
    library.feederTypeCount = {3, 2, 4, 3, 2};
    library.frequencyCount = {4, 4, 4, 1, 1};
    library.identification.assign("Test library 1");
    return library;
}

} // namespace korvel
