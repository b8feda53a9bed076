#pragma once
// The Ptx and Prxth dialogs: a transmitter power or a receiver threshold (with its bit error
// rate exponent) typed by the user for the OTHER choice of the Radio page.

namespace korvel {

class DialogHost;
class Messages;
struct HopSelection;

inline constexpr int kTypedPtxField = 1022;
inline constexpr int kTypedPrxthField = 1023;
inline constexpr int kTypedBerField = 1027;

// Each stores the value into the hop's typed texts when the user confirmed one that passes the
// check, and answers true then. A refused value is not kept: a power or threshold already chosen
// as OTHER stays what it was.
bool runPtxDialog(DialogHost& dialogs, Messages& messages, HopSelection& selection);
bool runPrxthDialog(DialogHost& dialogs, Messages& messages, HopSelection& selection);

} // namespace korvel
