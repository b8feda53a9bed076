#pragma once
// The Other radio's dialog: the user types the name, frequency, bit rate, power and threshold of
// the library's last radio. The values change the library in memory only.

namespace korvel {

class DialogHost;
class Messages;
struct RadioEntry;

inline constexpr int kOtherNameField = 1901;
inline constexpr int kOtherFrequencyField = 1902;
inline constexpr int kOtherBitRateField = 1903;
inline constexpr int kOtherPtxField = 1904;
inline constexpr int kOtherBerField = 1905;
inline constexpr int kOtherPrxthField = 1906;

// `radio` is the library's last radio. True when the user confirmed values that passed every
// check; only then are they stored into it.
bool runOtherRadioDialog(DialogHost& dialogs, Messages& messages, RadioEntry& radio);

} // namespace korvel
