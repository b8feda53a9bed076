#pragma once
// Tab stops once on a group of radio buttons, at the checked one (the first of the group when
// none is): the arrow keys move within the group, as every desktop's radio groups behave.

class QAbstractButton;
class QWidget;

namespace korvel {

// Makes every radio button under `form` follow that rule from now on.
void keepTabOnCheckedRadios(QWidget& form);

// Places the group's Tab stop again after `button` was checked or cleared with its signals
// blocked (the program's own choice).
void placeRadioTabStop(QAbstractButton& button);

} // namespace korvel
