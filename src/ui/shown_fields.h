#pragma once
// What a page showed in its fields. A field whose text is still the one shown has not been
// edited: it holds the value behind the text exactly, not its rounded or cut display, so a hop
// opened and saved without an edit keeps every byte. An edited field is read from its text.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "platform/dialog_view.h"

namespace korvel {

class ShownFields {
  public:
    void clear() { shown_.clear(); }
    // Shows the text of `value` in the field, which takes only a number as typed.
    void show(DialogView& view, ControlId field, std::string_view text, double value);
    // Shows a text that is not a number (a name, an information line).
    void showText(DialogView& view, ControlId field, std::string_view text);

    [[nodiscard]] bool has(ControlId field) const { return shown_.count(field) != 0; }
    [[nodiscard]] bool edited(const DialogView& view, ControlId field) const;
    // The value shown when the field was not edited, else `typed`.
    [[nodiscard]] double value(const DialogView& view, ControlId field, double typed) const;

  private:
    struct Shown {
        std::string text;
        double value = 0;
    };
    std::map<ControlId, Shown> shown_;
};

// A number typed into a field, read whole: NaN unless the text is numeric text (the empty text
// counts as 0).
double typedNumber(std::string_view text);

} // namespace korvel
