#pragma once
// One-line labels that show a file name or folder too long for them with "..." in the middle,
// never cut off: the ends of a path say the most. The whole text stays in the tool tip and the
// accessible description, so a screen reader still reads it whole.

#include <QString>

class QLabel;

namespace korvel {

// Shows the text in the label, elided in the middle to the label's width now and after every
// resize. The label asks for room for up to `roomCharacters` average characters of the text and
// takes whatever width its layout gives it beyond that.
void setMiddleElidedText(QLabel& label, const QString& text, int roomCharacters);

// The text as set, whole; the label's own text for a label never elided.
[[nodiscard]] QString fullLabelText(const QLabel& label);

} // namespace korvel
