#include "library/library_json.h"

#include <array>
#include <cstddef>
#include <initializer_list>

#include "library/json_source.h"
#include "platform/text_encoding.h"

namespace korvel {

namespace {

using Json = JsonSource;

constexpr std::array<const char*, 3> kDiversityNames{"NODIV", "FREQ", "SPACE"};
constexpr std::array<const char*, 3> kUsageNames{"SINGLE", "HSB", "1+1"};
constexpr std::array<const char*, kCoaxTableCount> kInsulationNames{"Foam", "Air", "Both"};
constexpr std::array<const char*, 2> kAntennaTypeNames{"parabSolid", "parabGrid"};

// Longest texts, in Windows-1252 characters. A radio name must fit the hop's 20-byte field.
constexpr std::size_t kRadioNameLength = 19;

std::string indexed(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

// ---- Library to JSON ----

template <std::size_t N> std::string utf8(const FixedText<N>& text) {
    return cp1252ToUtf8(text.view());
}

Json radioJson(const RadioEntry& radio) {
    Json branching = Json::object();
    for (std::size_t d = 0; d < kDiversityNames.size(); ++d) {
        Json row = Json::object();
        for (std::size_t u = 0; u < kUsageNames.size(); ++u) {
            row[kUsageNames[u]] = radio.branchingLossDb[d][u];
        }
        branching[kDiversityNames[d]] = row;
    }
    return Json{{"name", utf8(radio.name)},           {"frequencyGHz", radio.frequencyGHz},
                {"bitRateMbps", radio.bitRateMbps},   {"defaultPtx", radio.defaultPtx},
                {"defaultPrxth", radio.defaultPrxth}, {"ptxDbm", radio.ptxDbm},
                {"berExponent", radio.berExponent},   {"prxthDbm", radio.prxthDbm},
                {"branchingLossDb", branching}};
}

Json antennaJson(const AntennaTable& table, int count) {
    Json antennas = Json::array();
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        antennas.push_back({{"diameterM", table.diameterM[i]}, {"price", table.price[i]}});
    }
    return antennas;
}

Json feederTableJson(const EquipmentLibrary& library, int index) {
    const FeederTable& table = *library.feederTable(index);
    const bool coax = index < kCoaxTableCount;
    const std::size_t rows = coax ? static_cast<std::size_t>(library.frequencyCountOf(index)) : 1;
    Json result = Json::object();
    result["kind"] = coax ? "coax" : "single";
    if (coax) {
        result["insulation"] = kInsulationNames[static_cast<std::size_t>(index)];
    }
    result["frequencies"] = std::vector<double>(
        table.frequencyGHz.begin(), table.frequencyGHz.begin() + static_cast<std::ptrdiff_t>(rows));
    Json types = Json::array();
    for (std::size_t c = 0; c < static_cast<std::size_t>(library.feederTypeCountOf(index)); ++c) {
        std::vector<double> losses;
        for (std::size_t r = 0; r < rows; ++r) {
            losses.push_back(table.lossPer100mDb[r][c]);
        }
        types.push_back({{"name", utf8(table.typeName[c])},
                         {"pricePerMetre", table.pricePerMetre[c]},
                         {"fixedPrice", table.fixedPrice[c]},
                         {"lossPer100mDb", losses}});
    }
    result["types"] = types;
    return result;
}

// ---- JSON to library ----

// Reads one document; the first error found is kept and stops the reading.
class LibraryReader {
  public:
    std::string error;

    bool fail(const std::string& path, std::string_view what) {
        error = path + ": " + std::string(what);
        return false;
    }

    // An object with exactly these fields.
    bool object(const Json& value, const std::string& path,
                std::initializer_list<const char*> fields) {
        if (!value.is_object()) {
            return fail(path, kExpectedObject);
        }
        for (const char* field : fields) {
            if (!value.contains(field)) {
                return fail(path, missingField(field));
            }
        }
        for (const auto& [key, member] : value.items()) {
            bool known = false;
            for (const char* field : fields) {
                known = known || key == field;
            }
            if (!known) {
                return fail(path + "." + key, kUnknownField);
            }
        }
        return true;
    }

    bool array(const Json& value, const std::string& path, std::size_t least, std::size_t most) {
        if (!value.is_array()) {
            return fail(path, kExpectedList);
        }
        if (value.size() < least || value.size() > most) {
            const std::string entries = most == 1 ? " entry" : " entries";
            return fail(path, least == most ? "expected " + std::to_string(least) + entries
                                            : "expected " + std::to_string(least) + " to " +
                                                  std::to_string(most) + entries);
        }
        return true;
    }

    bool number(const Json& value, const std::string& path, double& out) {
        if (!value.is_number()) {
            return fail(path, kExpectedNumber);
        }
        out = value.get<double>();
        return true;
    }

    bool integer(const Json& value, const std::string& path, int least, int most,
                 std::int16_t& out) {
        if (!value.is_number_integer() || value.get<long long>() < least ||
            value.get<long long>() > most) {
            return fail(path, expectedWholeNumber(least, most));
        }
        out = static_cast<std::int16_t>(value.get<long long>());
        return true;
    }

    template <std::size_t N>
    bool numbers(const Json& value, const std::string& path, std::array<double, N>& out) {
        if (!array(value, path, N, N)) {
            return false;
        }
        for (std::size_t i = 0; i < N; ++i) {
            if (!number(value[i], indexed(path, i), out[i])) {
                return false;
            }
        }
        return true;
    }

    template <std::size_t N>
    bool text(const Json& value, const std::string& path, std::size_t longest, FixedText<N>& out) {
        if (!value.is_string()) {
            return fail(path, kExpectedText);
        }
        const SourceText checked = sourceText(value.get_ref<const std::string&>(), longest);
        if (!checked.problem.empty()) {
            return fail(path, checked.problem);
        }
        out.assign(checked.cp1252);
        return true;
    }

    bool radio(const Json& value, const std::string& path, RadioEntry& radio) {
        if (!object(value, path,
                    {"name", "frequencyGHz", "bitRateMbps", "defaultPtx", "defaultPrxth", "ptxDbm",
                     "berExponent", "prxthDbm", "branchingLossDb"})) {
            return false;
        }
        if (!text(value["name"], path + ".name", kRadioNameLength, radio.name) ||
            !number(value["frequencyGHz"], path + ".frequencyGHz", radio.frequencyGHz) ||
            !number(value["bitRateMbps"], path + ".bitRateMbps", radio.bitRateMbps) ||
            !integer(value["defaultPtx"], path + ".defaultPtx", 0, 2, radio.defaultPtx) ||
            !integer(value["defaultPrxth"], path + ".defaultPrxth", 0, 5, radio.defaultPrxth) ||
            !numbers(value["ptxDbm"], path + ".ptxDbm", radio.ptxDbm) ||
            !numbers(value["prxthDbm"], path + ".prxthDbm", radio.prxthDbm)) {
            return false;
        }
        const Json& exponents = value["berExponent"];
        if (!array(exponents, path + ".berExponent", 2, 2)) {
            return false;
        }
        for (std::size_t i = 0; i < 2; ++i) {
            if (!integer(exponents[i], indexed(path + ".berExponent", i), -32768, 32767,
                         radio.berExponent[i])) {
                return false;
            }
        }
        const Json& branching = value["branchingLossDb"];
        const std::string branchingPath = path + ".branchingLossDb";
        if (!object(branching, branchingPath, {"NODIV", "FREQ", "SPACE"})) {
            return false;
        }
        for (std::size_t d = 0; d < kDiversityNames.size(); ++d) {
            const Json& row = branching[kDiversityNames[d]];
            const std::string rowPath = branchingPath + "." + kDiversityNames[d];
            if (!object(row, rowPath, {"SINGLE", "HSB", "1+1"})) {
                return false;
            }
            for (std::size_t u = 0; u < kUsageNames.size(); ++u) {
                if (!number(row[kUsageNames[u]], rowPath + "." + kUsageNames[u],
                            radio.branchingLossDb[d][u])) {
                    return false;
                }
            }
        }
        return true;
    }

    bool antennas(const Json& value, const std::string& path, AntennaTable& table,
                  std::int16_t& count) {
        if (!array(value, path, 0, kMaxDiameters)) {
            return false;
        }
        for (std::size_t i = 0; i < value.size(); ++i) {
            const std::string entryPath = indexed(path, i);
            if (!object(value[i], entryPath, {"diameterM", "price"}) ||
                !number(value[i]["diameterM"], entryPath + ".diameterM", table.diameterM[i]) ||
                !number(value[i]["price"], entryPath + ".price", table.price[i])) {
                return false;
            }
        }
        count = static_cast<std::int16_t>(value.size());
        return true;
    }

    bool feederTable(const Json& value, const std::string& path, std::size_t index,
                     EquipmentLibrary& library) {
        const bool coax = index < kCoaxTableCount;
        if (coax ? !object(value, path, {"kind", "insulation", "frequencies", "types"})
                 : !object(value, path, {"kind", "frequencies", "types"})) {
            return false;
        }
        if (value["kind"] != (coax ? "coax" : "single")) {
            return fail(path + ".kind",
                        coax ? "tables 0 to 2 are \"coax\"" : "tables from 3 on are \"single\"");
        }
        if (coax && value["insulation"] != kInsulationNames[index]) {
            return fail(path + ".insulation", std::string("table ") + std::to_string(index) +
                                                  " is \"" + kInsulationNames[index] + "\"");
        }
        FeederTable& table = library.feederTables[index];
        const Json& frequencies = value["frequencies"];
        const std::string frequenciesPath = path + ".frequencies";
        if (!array(frequencies, frequenciesPath, coax ? 0 : 1, coax ? kMaxCoaxFrequencies : 1)) {
            return false;
        }
        for (std::size_t r = 0; r < frequencies.size(); ++r) {
            if (!number(frequencies[r], indexed(frequenciesPath, r), table.frequencyGHz[r])) {
                return false;
            }
        }
        const Json& types = value["types"];
        if (!array(types, path + ".types", 0, kMaxFeederTypes)) {
            return false;
        }
        for (std::size_t c = 0; c < types.size(); ++c) {
            const std::string typePath = indexed(path + ".types", c);
            const Json& type = types[c];
            if (!object(type, typePath, {"name", "pricePerMetre", "fixedPrice", "lossPer100mDb"}) ||
                !text(type["name"], typePath + ".name", FixedText<15>::maxLength(),
                      table.typeName[c]) ||
                !number(type["pricePerMetre"], typePath + ".pricePerMetre",
                        table.pricePerMetre[c]) ||
                !number(type["fixedPrice"], typePath + ".fixedPrice", table.fixedPrice[c])) {
                return false;
            }
            const Json& losses = type["lossPer100mDb"];
            const std::string lossPath = typePath + ".lossPer100mDb";
            if (!array(losses, lossPath, frequencies.size(), frequencies.size())) {
                return false;
            }
            for (std::size_t r = 0; r < losses.size(); ++r) {
                if (!number(losses[r], indexed(lossPath, r), table.lossPer100mDb[r][c])) {
                    return false;
                }
            }
        }
        library.feederTypeCount[index] = static_cast<std::int16_t>(types.size());
        library.frequencyCount[index] = static_cast<std::int16_t>(frequencies.size());
        return true;
    }

    bool document(const Json& root, EquipmentLibrary& library) {
        if (!object(root, "library", {"identification", "radios", "antennas", "feederTables"}) ||
            !text(root["identification"], "identification", FixedText<17>::maxLength(),
                  library.identification)) {
            return false;
        }
        const Json& radios = root["radios"];
        if (!array(radios, "radios", 1, kMaxRadios)) {
            return false;
        }
        library.radios.resize(radios.size());
        for (std::size_t i = 0; i < radios.size(); ++i) {
            if (!radio(radios[i], indexed("radios", i), library.radios[i])) {
                return false;
            }
        }
        const Json& antennaTables = root["antennas"];
        if (!object(antennaTables, "antennas", {kAntennaTypeNames[0], kAntennaTypeNames[1]})) {
            return false;
        }
        for (std::size_t t = 0; t < kAntennaTypeNames.size(); ++t) {
            if (!antennas(antennaTables[kAntennaTypeNames[t]],
                          std::string("antennas.") + kAntennaTypeNames[t], library.antennaTables[t],
                          library.diameterCount[t])) {
                return false;
            }
        }
        const Json& feederTables = root["feederTables"];
        if (!array(feederTables, "feederTables", 0, kMaxFeederTables)) {
            return false;
        }
        library.feederTables.resize(feederTables.size());
        library.feederTypeCount.resize(feederTables.size());
        library.frequencyCount.resize(feederTables.size());
        for (std::size_t i = 0; i < feederTables.size(); ++i) {
            if (!feederTable(feederTables[i], indexed("feederTables", i), i, library)) {
                return false;
            }
        }
        return true;
    }
};

} // namespace

std::string libraryToJson(const EquipmentLibrary& library) {
    Json radios = Json::array();
    for (const RadioEntry& radio : library.radios) {
        radios.push_back(radioJson(radio));
    }
    Json antennas = Json::object();
    antennas[kAntennaTypeNames[0]] = antennaJson(library.antennaTable(AntennaType::ParabSolid),
                                                 library.diameterCountOf(AntennaType::ParabSolid));
    antennas[kAntennaTypeNames[1]] = antennaJson(library.antennaTable(AntennaType::ParabGrid),
                                                 library.diameterCountOf(AntennaType::ParabGrid));
    Json feederTables = Json::array();
    for (int i = 0; i < library.feederTableCount(); ++i) {
        feederTables.push_back(feederTableJson(library, i));
    }
    const Json root{{"identification", utf8(library.identification)},
                    {"radios", radios},
                    {"antennas", antennas},
                    {"feederTables", feederTables}};
    return root.dump(2) + "\n";
}

LibraryFromJson libraryFromJson(std::string_view json) {
    const ParsedJsonSource parsed = parseJsonSource(json);
    if (!parsed.error.empty()) {
        return {std::nullopt, parsed.error};
    }
    const Json& root = parsed.root;
    LibraryReader reader;
    EquipmentLibrary library;
    if (!reader.document(root, library)) {
        return {std::nullopt, reader.error};
    }
    return {std::move(library), {}};
}

} // namespace korvel
