#include "library/json_source.h"

#include <algorithm>
#include <cstdio>

#include "platform/text_encoding.h"

namespace korvel {

namespace {

// A DOM parser that keeps where and why it stopped instead of throwing.
class LocatingParser : public nlohmann::detail::json_sax_dom_parser<JsonSource> {
  public:
    explicit LocatingParser(JsonSource& document) : json_sax_dom_parser(document, false) {}

    template <class Exception>
    bool parse_error(std::size_t position, const std::string& token, const Exception& error) {
        position_ = position;
        token_ = token;
        numberOverflow_ = error.id == kNumberOverflowId;
        return false;
    }

    [[nodiscard]] std::size_t position() const { return position_; }
    [[nodiscard]] const std::string& token() const { return token_; }
    [[nodiscard]] bool numberOverflow() const { return numberOverflow_; }

  private:
    static constexpr int kNumberOverflowId = 406;
    std::size_t position_ = 0; // bytes read, the offending one included
    std::string token_;
    bool numberOverflow_ = false;
};

// Whether byte `index` of `text` lies inside a text in quotes.
bool insideQuotes(std::string_view text, std::size_t index) {
    bool inside = false;
    bool escaped = false;
    for (std::size_t i = 0; i < index; ++i) {
        if (escaped) {
            escaped = false;
        } else if (inside && text[i] == '\\') {
            escaped = true;
        } else if (text[i] == '"') {
            inside = !inside;
        }
    }
    return inside;
}

std::string whyAt(std::string_view text, std::size_t index, const LocatingParser& parser) {
    if (parser.numberOverflow()) {
        return "the number " + parser.token() + " is too large";
    }
    if (index >= text.size()) {
        return "the text ends before the JSON is complete (a closing quote, ] or } is missing)";
    }
    const auto byte = static_cast<unsigned char>(text[index]);
    if (insideQuotes(text, index)) {
        if (byte < 0x20) {
            return "a line break or control character inside quotes (write it as \\n, \\t, ...)";
        }
        if (byte >= 0x80) {
            return "a text in quotes that is not UTF-8";
        }
        if (index > 0 && text[index - 1] == '\\') {
            return std::string("an unknown escape \\") + text[index];
        }
    }
    if (byte < 0x20 || byte >= 0x7F) {
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", byte);
        return std::string("unexpected byte ") + code;
    }
    return std::string("unexpected '") + text[index] + "'";
}

// "line L, column C" of byte `index` (both from 1; a column counts bytes).
std::string lineAndColumn(std::string_view text, std::size_t index) {
    const std::string_view before = text.substr(0, std::min(index, text.size()));
    std::size_t line = 1;
    for (const char ch : before) {
        line += ch == '\n' ? 1 : 0;
    }
    const std::size_t lastBreak = before.rfind('\n');
    const std::size_t column =
        lastBreak == std::string_view::npos ? before.size() + 1 : before.size() - lastBreak;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

ParsedJsonSource parseJsonSource(std::string_view text) {
    ParsedJsonSource parsed;
    LocatingParser parser(parsed.root);
    if (!JsonSource::sax_parse(text, &parser)) {
        // The offending byte; a number too large is pointed at where it starts.
        std::size_t index = parser.position() == 0 ? 0 : parser.position() - 1;
        if (parser.numberOverflow() && index >= parser.token().size()) {
            index -= parser.token().size();
        }
        parsed.error =
            "not valid JSON: " + lineAndColumn(text, index) + ": " + whyAt(text, index, parser);
    } else if (!parsed.root.is_object()) {
        parsed.error = "not a JSON object";
    }
    if (!parsed.error.empty()) {
        parsed.root = JsonSource();
    }
    return parsed;
}

std::string missingField(std::string_view name) {
    return "missing field \"" + std::string(name) + "\"";
}

std::string expectedWholeNumber(long long least, long long most) {
    return "expected a whole number from " + std::to_string(least) + " to " + std::to_string(most);
}

SourceText sourceText(const std::string& utf8, std::size_t longest) {
    SourceText text{utf8ToCp1252(utf8), {}};
    if (cp1252ToUtf8(text.cp1252) != utf8) {
        text.problem = "has characters outside Windows-1252";
    } else if (text.cp1252.find('\0') != std::string::npos) {
        text.problem = "has a NUL character";
    } else if (text.cp1252.size() > longest) {
        text.problem = "longer than " + std::to_string(longest) + " characters";
    }
    return text;
}

} // namespace korvel
