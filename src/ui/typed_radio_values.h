#pragma once
// The Ptx and Prxth dialogs: a transmitter power or a receiver threshold (with its bit error
// rate exponent) typed by the user for the OTHER choice of the Radio page.

namespace korvel {

class Session;

inline constexpr int kTypedPtxField = 1022;
inline constexpr int kTypedPrxthField = 1023;
inline constexpr int kTypedBerField = 1027;

// Each stores what OK read into the hop's typed texts, even when it refuses them. True when the
// user confirmed a value that passed the check.
bool runPtxDialog(Session& session);
bool runPrxthDialog(Session& session);

} // namespace korvel
