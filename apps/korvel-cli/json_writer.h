#pragma once
// A small JSON emitter for the tool's output: numbers with 17 significant digits so every double
// reads back exactly, texts converted from Windows-1252 to UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace korvel::cli {

class JsonWriter {
  public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& number(double value);
    JsonWriter& integer(long long value);
    JsonWriter& boolean(bool value);
    JsonWriter& null();
    JsonWriter& utf8(std::string_view text);   // a text already in UTF-8
    JsonWriter& text(std::string_view cp1252); // a text the core keeps in Windows-1252

    template <typename Range> JsonWriter& numbers(const Range& values) {
        beginArray();
        for (const auto value : values) {
            number(static_cast<double>(value));
        }
        return endArray();
    }
    template <typename Range> JsonWriter& integers(const Range& values) {
        beginArray();
        for (const auto value : values) {
            integer(static_cast<long long>(value));
        }
        return endArray();
    }

    [[nodiscard]] const std::string& str() const { return out_; }

  private:
    void separate();
    std::string out_;
    std::vector<bool> first_; // per open container: nothing written in it yet
    bool afterKey_ = false;
};

} // namespace korvel::cli
