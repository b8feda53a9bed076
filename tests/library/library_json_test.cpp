#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "library/library_file.h"
#include "library/library_json.h"
#include "support/test_library.h"

namespace korvel {
namespace {

using Json = nlohmann::ordered_json;

// The field names a planner writes are pinned by the sample library's source, built with the
// program.
TEST(LibraryJson, RoundTripKeepsEveryByteTextsUtf8InJsonAndWindows1252InMemory) {
    EquipmentLibrary library = makeTestLibrary();
    library.identification.assign("R\xe9seau \x80");
    const std::string json = libraryToJson(library);
    EXPECT_NE(json.find("R\xc3\xa9seau \xe2\x82\xac"), std::string::npos);
    const LibraryFromJson back = libraryFromJson(json);
    ASSERT_TRUE(back.library) << back.error;
    EXPECT_EQ(back.library->identification.view(), "R\xe9seau \x80");
    EXPECT_EQ(libraryImage(*back.library), libraryImage(library));
}

TEST(LibraryJson, FaultsNameTheOffendingField) {
    const struct {
        void (*spoil)(Json& json);
        const char* error; // the start of the error text
    } cases[] = {
        {[](Json& j) { j["radios"] = Json::array(); }, "radios: expected 1 to 50 entries"},
        {[](Json& j) { j["radios"][1].erase("bitRateMbps"); },
         "radios[1]: missing field \"bitRateMbps\""},
        {[](Json& j) { j["radios"][0]["colour"] = "red"; }, "radios[0].colour: unknown field"},
        {[](Json& j) { j["radios"][2]["ptxDbm"].erase(2); },
         "radios[2].ptxDbm: expected 3 entries"},
        {[](Json& j) { j["radios"][0]["prxthDbm"][4] = "-80"; },
         "radios[0].prxthDbm[4]: expected a number"},
        {[](Json& j) { j["radios"][0]["defaultPtx"] = 3; },
         "radios[0].defaultPtx: expected a whole number from 0 to 2"},
        {[](Json& j) { j["radios"][0]["defaultPrxth"] = 1.5; },
         "radios[0].defaultPrxth: expected a whole number"},
        {[](Json& j) { j["radios"][0]["name"] = "ABCDEFGHIJKLMNOPQRST"; },
         "radios[0].name: longer than 19 characters"},
        {[](Json& j) { j["radios"][0]["name"] = "\xce\xa9 link"; },
         "radios[0].name: has characters outside Windows-1252"},
        {[](Json& j) { j["radios"][0]["branchingLossDb"]["FREQ"].erase("1+1"); },
         "radios[0].branchingLossDb.FREQ: missing field \"1+1\""},
        {[](Json& j) {
             j["antennas"]["parabSolid"].insert(j["antennas"]["parabSolid"].end(), 5,
                                                j["antennas"]["parabSolid"][0]);
         },
         "antennas.parabSolid: expected 0 to 10 entries"},
        {[](Json& j) { j["feederTables"][0]["kind"] = "single"; },
         "feederTables[0].kind: tables 0 to 2 are \"coax\""},
        {[](Json& j) { j["feederTables"][1]["insulation"] = "Foam"; },
         "feederTables[1].insulation: table 1 is \"Air\""},
        {[](Json& j) { j["feederTables"][3]["frequencies"].push_back(8.0); },
         "feederTables[3].frequencies: expected 1 entry"},
        {[](Json& j) { j["feederTables"][0]["types"][2]["lossPer100mDb"].erase(0); },
         "feederTables[0].types[2].lossPer100mDb: expected 4 entries"},
        {[](Json& j) { j["feederTables"][4]["types"][0]["name"] = "ABCDEFGHIJKLMNO"; },
         "feederTables[4].types[0].name: longer than 14 characters"},
        {[](Json& j) { j["identification"] = "ABCDEFGHIJKLMNOPQ"; },
         "identification: longer than 16 characters"}};
    for (const auto& c : cases) {
        Json json = Json::parse(libraryToJson(makeTestLibrary()));
        c.spoil(json);
        const LibraryFromJson result = libraryFromJson(json.dump());
        EXPECT_FALSE(result.library) << c.error;
        EXPECT_TRUE(result.error.starts_with(c.error)) << result.error;
    }
}

TEST(LibraryJson, TextThatIsNotJsonSaysWhere) {
    std::string json = libraryToJson(makeTestLibrary());
    // Fixed: a number beyond a double escaped the reader as an exception instead of a refusal.
    json.replace(json.find("34.368"), 6, "1e999");
    for (const auto& [text, part] :
         {std::pair{json, std::string("1e999")},
          std::pair{std::string("{\n  \"radios\": [,]\n}"), std::string("line 2")}}) {
        const LibraryFromJson result = libraryFromJson(text);
        EXPECT_FALSE(result.library);
        EXPECT_TRUE(result.error.starts_with("not valid JSON: ")) << result.error;
        EXPECT_NE(result.error.find(part), std::string::npos) << result.error;
    }
}

} // namespace
} // namespace korvel
