#pragma once
// The shapes every current ITU-R figure takes: a number, or no number and the limit that
// refused it; an input value with its unit and where it came from; a short list of notes.
// Notes are UTF-8 (they carry symbols such as "≥" that Windows-1252 lacks): they go to JSON and
// to the desktop's widgets as they are. All texts are static, so nothing here allocates.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace korvel::itu {

// A number inside the method's range, or none and the limit it crossed.
struct Figure {
    std::optional<double> value;
    std::string_view limit; // empty when there is a value

    static Figure of(double v) { return {v, {}}; }
    static Figure outside(std::string_view why) { return {std::nullopt, why}; }
    bool has() const { return value.has_value(); }
};

// An input of a method with its unit and source ("typed", "profile", "stations", "override", or a
// map's provenance). The source text is owned by whoever supplied the value (the climate cache
// keeps its provenance for the whole run) and must outlive the results that quote it.
struct InputValue {
    double value = 0;
    std::string_view unit;
    std::string_view source;
};

// A short list of static texts, filled without allocating. Texts past the capacity are dropped:
// the capacity is above what one method can say.
template <std::size_t Capacity> class TextList {
  public:
    void add(std::string_view text) {
        if (text.empty())
            return;
        for (std::size_t i = 0; i < count_; ++i)
            if (items_[i] == text)
                return;
        if (count_ < Capacity)
            items_[count_++] = text;
    }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    std::string_view operator[](std::size_t i) const { return items_[i]; }
    const std::string_view* begin() const { return items_.data(); }
    const std::string_view* end() const { return items_.data() + count_; }

  private:
    std::array<std::string_view, Capacity> items_{};
    std::size_t count_ = 0;
};

using Notes = TextList<16>;
using MissingNames = TextList<8>;

} // namespace korvel::itu
