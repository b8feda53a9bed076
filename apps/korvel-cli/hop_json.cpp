#include "hop_json.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <type_traits>

#include <nlohmann/json.hpp>

#include "hopfile/hop_fields.h"
#include "platform/text_encoding.h"

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

template <typename Int> bool readInteger(const nlohmann::json& node, Int& out) {
    if (!node.is_number_integer()) {
        return false;
    }
    const auto value = node.get<long long>();
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max()) {
        return false;
    }
    out = static_cast<Int>(value);
    return true;
}

struct ReadField {
    const nlohmann::json& object;
    std::string& error;
    std::string section;

    template <typename T> void operator()(const HopField& field, T& value) const {
        const std::string name(field.name);
        if (!error.empty() || !object.contains(name)) {
            return;
        }
        const nlohmann::json& node = object.at(name);
        if (!readValue(node, value)) {
            error = section + "." + name + " has the wrong type or is out of range";
        }
    }

    template <typename T> static bool readValue(const nlohmann::json& node, T& value) {
        if constexpr (IsFixedText<T>::value) {
            if (!node.is_string()) {
                return false;
            }
            const std::string utf8 = node.get<std::string>();
            const std::string text = utf8ToCp1252(utf8);
            // A character Windows-1252 cannot hold would be stored as "?".
            if (text.size() > T::maxLength() || cp1252ToUtf8(text) != utf8) {
                return false;
            }
            value.assign(text);
            return true;
        } else if constexpr (IsArray<T>::value) {
            if (!node.is_array() || node.size() != value.size()) {
                return false;
            }
            for (std::size_t i = 0; i < value.size(); ++i) {
                if (!readInteger(node[i], value[i])) {
                    return false;
                }
            }
            return true;
        } else if constexpr (std::is_enum_v<T>) {
            std::underlying_type_t<T> raw{};
            if (!readInteger(node, raw)) {
                return false;
            }
            value = static_cast<T>(raw);
            return true;
        } else if constexpr (std::is_floating_point_v<T>) {
            if (!node.is_number()) {
                return false;
            }
            value = node.get<double>();
            return true;
        } else {
            return readInteger(node, value);
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
    const nlohmann::json& object;
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

std::string unknownKeyError(const nlohmann::json& root, const HopState& hop) {
    UnknownKey top{root, {"version", "record", "results", "selection"}};
    if (const auto key = top.first()) {
        return "unknown field " + *key;
    }
    const auto check = [&root](const char* name, auto&& visit) -> std::string {
        if (!root.contains(name) || !root.at(name).is_object()) {
            return {};
        }
        UnknownKey fields{root.at(name), {}};
        visit(fields);
        const auto key = fields.first();
        return key ? "unknown field " + std::string(name) + "." + *key : std::string{};
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
    const nlohmann::json root = nlohmann::json::parse(document, nullptr, false);
    if (root.is_discarded() || !root.is_object()) {
        return "not a JSON object";
    }
    if (std::string unknown = unknownKeyError(root, hop); !unknown.empty()) {
        return unknown;
    }
    std::string error;
    const auto section = [&](const char* name, auto&& visit) {
        if (!error.empty() || !root.contains(name)) {
            return;
        }
        const nlohmann::json& object = root.at(name);
        if (!object.is_object()) {
            error = std::string(name) + " is not an object";
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
