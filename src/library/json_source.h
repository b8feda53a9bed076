#pragma once
// JSON sources a planner writes by hand (the library source, a hop, a route plan): a syntax error
// is located by line and column and told in the tool's words, and a field that does not fit is
// named with the same words in every source, so one fault reads the same in every command.

#include <cstddef>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace korvel {

using JsonSource = nlohmann::ordered_json;

struct ParsedJsonSource {
    JsonSource root;   // an object when `error` is empty
    std::string error; // "not valid JSON: line 3, column 7: unexpected '}'", "not a JSON object"
};

ParsedJsonSource parseJsonSource(std::string_view text);

// What is wrong with a field, said after its path: "radios[0].colour: unknown field".
inline constexpr std::string_view kUnknownField = "unknown field";
inline constexpr std::string_view kExpectedText = "expected a text";
inline constexpr std::string_view kExpectedNumber = "expected a number";
inline constexpr std::string_view kExpectedObject = "expected an object";
inline constexpr std::string_view kExpectedList = "expected a list";
std::string missingField(std::string_view name);
std::string expectedWholeNumber(long long least, long long most);

struct SourceText {
    std::string cp1252;  // the text as stored
    std::string problem; // empty when it fits: "longer than 19 characters", ...
};

// A UTF-8 text of a source for a field of at most `longest` Windows-1252 characters: refused
// when Windows-1252 cannot hold a character of it (it would be stored as "?"), when it holds a
// NUL (it would end the stored text) or when it is too long.
SourceText sourceText(const std::string& utf8, std::size_t longest);

} // namespace korvel
