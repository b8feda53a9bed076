#include "hopfile/rain_dialog_rules.h"

#include <charconv>
#include <limits>

#include "hopfile/out_of_limits_note.h"

namespace korvel {

bool rainDialogOffered(const HopRecord& record, Messages& messages) {
    if (record.frequencyGHz >= kRainMinimumFrequencyGHz) {
        return true;
    }
    messages.show("Current formulas for rain attenuation do not support frequencies below 6 GHz.",
                  kAppCaption, MessageIcon::Information);
    return false;
}

std::optional<std::int16_t> readRainRate(std::string_view text, NumericEntryState& entry,
                                         const ShowFieldList& showList, Messages& messages) {
    entry.beginReading();
    readLimitedNumber(entry, text, PageField::RainRate);
    if (!entry.allFieldsValid()) {
        showList({"Error!", "Invalid data : ", {"Rain rate"}, false});
        return std::nullopt;
    }
    const ListedPageField field{PageField::RainRate,
                                pageFieldRow(PageField::RainRate).limited->listedName};
    if (const auto note = outOfLimitsNote(entry, std::span(&field, 1));
        note && !showList(note->notice)) {
        return std::nullopt;
    }
    // A rate the hop cannot keep as a 16-bit number is refused rather than wrapped.
    unsigned rate = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, rate);
    if (text.empty() || error != std::errc{} || stop != end ||
        rate > static_cast<unsigned>(std::numeric_limits<std::int16_t>::max())) {
        messages.show("Rainrate must be a positive integer.", "Error!", MessageIcon::Warning);
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rate);
}

void storeRainResult(HopState& hop, const RainDialogResult& result) {
    hop.record.polarization = result.polarization;
    hop.record.rainRateMmH = result.rateMmH;
    hop.results.rainWorstMonthPct = result.outage.worstMonthPct;
    hop.results.rainAnnualPct = result.outage.annualPct;
}

} // namespace korvel
