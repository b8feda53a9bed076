#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "library/library_file.h"
#include "library/library_json.h"
#include "library/test_library.h"

namespace korvel {
namespace {

using Json = nlohmann::ordered_json;

TEST(LibraryJson, JsonImageJsonImageGivesTheSameBytes) {
    const std::string json = libraryToJson(makeTestLibrary());
    const LibraryFromJson first = libraryFromJson(json);
    ASSERT_TRUE(first.library) << first.error;
    const std::vector<std::uint8_t> image = libraryImage(*first.library);
    EXPECT_EQ(image, libraryImage(makeTestLibrary()));

    EquipmentLibrary parsed;
    ASSERT_EQ(parseLibrary(image, parsed), LibraryParseError::None);
    EXPECT_EQ(libraryToJson(parsed), json);
    const LibraryFromJson second = libraryFromJson(libraryToJson(parsed));
    ASSERT_TRUE(second.library) << second.error;
    EXPECT_EQ(libraryImage(*second.library), image);
}

TEST(LibraryJson, ListsOnlyWhatTheCountsTakeIn) {
    const Json json = Json::parse(libraryToJson(makeTestLibrary()));
    EXPECT_EQ(json["antennas"]["parabGrid"].size(), 4u);
    EXPECT_EQ(json["feederTables"][1]["insulation"], "Air");
    EXPECT_EQ(json["feederTables"][1]["types"].size(), 2u);
    EXPECT_EQ(json["feederTables"][2]["types"][3]["lossPer100mDb"].size(), 4u);
    EXPECT_EQ(json["feederTables"][4]["kind"], "single");
    EXPECT_EQ(json["feederTables"][4]["frequencies"], Json::array({15.0}));
    EXPECT_EQ(json["radios"][0]["branchingLossDb"]["SPACE"]["HSB"], 2.8);
}

TEST(LibraryJson, TextsAreUtf8InJsonAndWindows1252InMemory) {
    EquipmentLibrary library = makeTestLibrary();
    library.identification.assign("R\xe9seau \x80");
    const std::string json = libraryToJson(library);
    EXPECT_NE(json.find("R\xc3\xa9seau \xe2\x82\xac"), std::string::npos);
    const LibraryFromJson back = libraryFromJson(json);
    ASSERT_TRUE(back.library) << back.error;
    EXPECT_EQ(back.library->identification.view(), "R\xe9seau \x80");
}

struct JsonFault {
    const char* name;
    void (*spoil)(Json& json);
    const char* error; // the start of the error text
};

class LibraryJsonFault : public testing::TestWithParam<JsonFault> {};

TEST_P(LibraryJsonFault, NamesTheOffendingField) {
    Json json = Json::parse(libraryToJson(makeTestLibrary()));
    GetParam().spoil(json);
    const LibraryFromJson result = libraryFromJson(json.dump());
    EXPECT_FALSE(result.library);
    EXPECT_EQ(result.error.substr(0, std::string(GetParam().error).size()), GetParam().error)
        << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LibraryJsonFault,
    testing::Values(
        JsonFault{"NoRadio", [](Json& j) { j["radios"] = Json::array(); },
                  "radios: expected 1 to 50 entries"},
        JsonFault{"MissingField", [](Json& j) { j["radios"][1].erase("bitRateMbps"); },
                  "radios[1]: missing field \"bitRateMbps\""},
        JsonFault{"UnknownField", [](Json& j) { j["radios"][0]["colour"] = "red"; },
                  "radios[0].colour: unknown field"},
        JsonFault{"TwoPowers", [](Json& j) { j["radios"][2]["ptxDbm"].erase(2); },
                  "radios[2].ptxDbm: expected 3 entries"},
        JsonFault{"PowerAsText", [](Json& j) { j["radios"][0]["prxthDbm"][4] = "-80"; },
                  "radios[0].prxthDbm[4]: expected a number"},
        JsonFault{"DefaultPowerThree", [](Json& j) { j["radios"][0]["defaultPtx"] = 3; },
                  "radios[0].defaultPtx: expected a whole number from 0 to 2"},
        JsonFault{"DefaultThresholdFraction", [](Json& j) { j["radios"][0]["defaultPrxth"] = 1.5; },
                  "radios[0].defaultPrxth: expected a whole number"},
        JsonFault{"NameOfTwentyCharacters",
                  [](Json& j) { j["radios"][0]["name"] = "ABCDEFGHIJKLMNOPQRST"; },
                  "radios[0].name: longer than 19 characters"},
        JsonFault{"NameOutsideWindows1252",
                  [](Json& j) { j["radios"][0]["name"] = "\xce\xa9 link"; },
                  "radios[0].name: has characters outside Windows-1252"},
        JsonFault{"BranchingUsageMissing",
                  [](Json& j) { j["radios"][0]["branchingLossDb"]["FREQ"].erase("1+1"); },
                  "radios[0].branchingLossDb.FREQ: missing field \"1+1\""},
        JsonFault{
            "ElevenDiameters",
            [](Json& j) {
                for (int i = 0; i < 7; ++i) {
                    j["antennas"]["parabSolid"].push_back({{"diameterM", 4.0}, {"price", 1.0}});
                }
            },
            "antennas.parabSolid: expected 0 to 10 entries"},
        JsonFault{"CoaxTableCalledSingle", [](Json& j) { j["feederTables"][0]["kind"] = "single"; },
                  "feederTables[0].kind: tables 0 to 2 are \"coax\""},
        JsonFault{"InsulationOutOfPlace",
                  [](Json& j) { j["feederTables"][1]["insulation"] = "Foam"; },
                  "feederTables[1].insulation: table 1 is \"Air\""},
        JsonFault{"SingleTableWithTwoFrequencies",
                  [](Json& j) { j["feederTables"][3]["frequencies"].push_back(8.0); },
                  "feederTables[3].frequencies: expected 1 entry"},
        JsonFault{"LossesForFewerFrequencies",
                  [](Json& j) { j["feederTables"][0]["types"][2]["lossPer100mDb"].erase(0); },
                  "feederTables[0].types[2].lossPer100mDb: expected 4 entries"},
        JsonFault{"FeederNameOfFifteen",
                  [](Json& j) { j["feederTables"][4]["types"][0]["name"] = "ABCDEFGHIJKLMNO"; },
                  "feederTables[4].types[0].name: longer than 14 characters"},
        JsonFault{"IdentificationOfSeventeen",
                  [](Json& j) { j["identification"] = "ABCDEFGHIJKLMNOPQ"; },
                  "identification: longer than 16 characters"}),
    [](const testing::TestParamInfo<JsonFault>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(LibraryJson, NumberBeyondDoubleIsRefused) {
    std::string json = libraryToJson(makeTestLibrary());
    json.replace(json.find("34.368"), 6, "1e999");
    const LibraryFromJson result = libraryFromJson(json);
    EXPECT_FALSE(result.library);
    EXPECT_EQ(result.error.rfind("not valid JSON: ", 0), 0u) << result.error;
    EXPECT_NE(result.error.find("1e999"), std::string::npos) << result.error;
}

TEST(LibraryJson, BrokenJsonSaysWhere) {
    const LibraryFromJson result = libraryFromJson("{\n  \"radios\": [,]\n}");
    EXPECT_FALSE(result.library);
    EXPECT_NE(result.error.find("line 2"), std::string::npos) << result.error;
}

} // namespace
} // namespace korvel
