#include "hop_json.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <type_traits>

#include "hopfile/hop_fields.h"
#include "library/json_source.h"

namespace korvel::cli {
namespace {

template <typename T> struct IsFixedText : std::false_type {};
template <std::size_t N> struct IsFixedText<FixedText<N>> : std::true_type {};

template <typename T> struct IsArray : std::false_type {};
template <typename T, std::size_t N> struct IsArray<std::array<T, N>> : std::true_type {};

struct WriteField {
    JsonWriter& json;
    template <typename T> void operator()(const HopField& field, const T& value) const {
        json.key(field.name);
        if constexpr (IsFixedText<T>::value) {
            json.text(value.view());
        } else if constexpr (IsArray<T>::value) {
            json.integers(value);
        } else if constexpr (std::is_enum_v<T>) {
            json.integer(static_cast<long long>(value));
        } else if constexpr (std::is_floating_point_v<T>) {
            json.number(value);
        } else {
            json.integer(static_cast<long long>(value));
        }
    }
};

template <typename Int> std::string integerProblem(const JsonSource& node, Int& out) {
    constexpr auto least = static_cast<long long>(std::numeric_limits<Int>::min());
    constexpr auto most = static_cast<long long>(std::numeric_limits<Int>::max());
    if (!node.is_number_integer() || node.get<long long>() < least ||
        node.get<long long>() > most) {
        return expectedWholeNumber(least, most);
    }
    out = static_cast<Int>(node.get<long long>());
    return {};
}

// Reads each field present in `object` (the section `section`); the first problem is kept as
// "section.field: what is wrong", in the words of every JSON source.
struct ReadField {
    const JsonSource& object;
    std::string& error;
    std::string section;

    template <typename T> void operator()(const HopField& field, T& value) const {
        const std::string name(field.name);
        if (!error.empty() || !object.contains(name)) {
            return;
        }
        const std::string path = section + "." + name;
        if (const std::string problem = readValue(object.at(name), path, value); !problem.empty()) {
            error = problem;
        }
    }

    template <typename T>
    static std::string readValue(const JsonSource& node, const std::string& path, T& value) {
        if constexpr (IsFixedText<T>::value) {
            if (!node.is_string()) {
                return path + ": " + std::string(kExpectedText);
            }
            const SourceText text = sourceText(node.get<std::string>(), T::maxLength());
            if (!text.problem.empty()) {
                return path + ": " + text.problem;
            }
            value.assign(text.cp1252);
            return {};
        } else if constexpr (IsArray<T>::value) {
            if (!node.is_array() || node.size() != value.size()) {
                return path + ": expected a list of " + std::to_string(value.size()) + " entries";
            }
            for (std::size_t i = 0; i < value.size(); ++i) {
                if (std::string problem = integerProblem(node[i], value[i]); !problem.empty()) {
                    return path + "[" + std::to_string(i) + "]: " + problem;
                }
            }
            return {};
        } else if constexpr (std::is_enum_v<T>) {
            std::underlying_type_t<T> raw{};
            std::string problem = integerProblem(node, raw);
            value = problem.empty() ? static_cast<T>(raw) : value;
            return problem.empty() ? problem : path + ": " + problem;
        } else if constexpr (std::is_floating_point_v<T>) {
            if (!node.is_number()) {
                return path + ": " + std::string(kExpectedNumber);
            }
            value = node.get<double>();
            return {};
        } else {
            std::string problem = integerProblem(node, value);
            return problem.empty() ? problem : path + ": " + problem;
        }
    }
};

} // namespace

void writeResultsJson(JsonWriter& json, const HopResults& results) {
    json.beginObject();
    visitResultFields(results, WriteField{json});
    json.endObject();
}

void writeRecordJson(JsonWriter& json, const HopRecord& record) {
    json.beginObject();
    visitRecordFields(record, WriteField{json});
    json.endObject();
}

void writeSelectionJson(JsonWriter& json, const HopSelection& selection) {
    json.beginObject();
    visitStoredSelectionFields(selection, WriteField{json});
    json.endObject();
}

namespace {

// The first key of `object` that names no field the visit walks, or nothing.
struct UnknownKey {
    const JsonSource& object;
    std::set<std::string> known;
    template <typename T> void operator()(const HopField& field, const T&) {
        known.emplace(field.name);
    }
    [[nodiscard]] std::optional<std::string> first() const {
        for (const auto& item : object.items()) {
            if (!known.contains(item.key())) {
                return item.key();
            }
        }
        return std::nullopt;
    }
};

std::string unknownKeyError(const JsonSource& root, const HopState& hop) {
    // "resultsCurrent" is what hop show told of the file, not part of the hop.
    UnknownKey top{root, {"version", "record", "results", "selection", "resultsCurrent"}};
    if (const auto key = top.first()) {
        return *key + ": " + std::string(kUnknownField);
    }
    const auto check = [&root](const char* name, auto&& visit) -> std::string {
        if (!root.contains(name) || !root.at(name).is_object()) {
            return {};
        }
        UnknownKey fields{root.at(name), {}};
        visit(fields);
        const auto key = fields.first();
        return key ? std::string(name) + "." + *key + ": " + std::string(kUnknownField)
                   : std::string{};
    };
    std::string error = check("record", [&](UnknownKey& k) { visitRecordFields(hop.record, k); });
    if (error.empty()) {
        error = check("results", [&](UnknownKey& k) { visitResultFields(hop.results, k); });
    }
    if (error.empty()) {
        error = check("selection",
                      [&](UnknownKey& k) { visitStoredSelectionFields(hop.selection, k); });
    }
    return error;
}

} // namespace

std::string readHopJson(const std::string& document, HopState& hop) {
    const ParsedJsonSource parsed = parseJsonSource(document);
    if (!parsed.error.empty()) {
        return parsed.error;
    }
    const JsonSource& root = parsed.root;
    if (std::string unknown = unknownKeyError(root, hop); !unknown.empty()) {
        return unknown;
    }
    std::string error;
    const auto section = [&](const char* name, auto&& visit) {
        if (!error.empty() || !root.contains(name)) {
            return;
        }
        const JsonSource& object = root.at(name);
        if (!object.is_object()) {
            error = std::string(name) + ": " + std::string(kExpectedObject);
            return;
        }
        visit(ReadField{object, error, name});
    };
    section("record", [&](ReadField read) { visitRecordFields(hop.record, read); });
    section("results", [&](ReadField read) { visitResultFields(hop.results, read); });
    section("selection", [&](ReadField read) { visitStoredSelectionFields(hop.selection, read); });
    return error;
}

} // namespace korvel::cli
