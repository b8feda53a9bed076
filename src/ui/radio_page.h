#pragma once
// The Radio page: the hop's radio from the library, one of its powers and thresholds or a value
// typed for OTHER. The choice stays pending until the shell asks the page to leave.

#include <cstdint>

#include "engine/hop_record.h"
#include "ui/page.h"

namespace korvel {

class Session;
struct RadioEntry;

inline constexpr ControlId kRadioList = 1005;
inline constexpr ControlId kRadioNameLabel = 1006;
inline constexpr ControlId kRadioFrequencyLabel = 1007;
inline constexpr ControlId kPrxthGroup = 1027;
// Above each Prxth column: the bit error rate its thresholds hold for.
inline constexpr ControlId kPrxthLeftBerLabel = 1011;
inline constexpr ControlId kPrxthRightBerLabel = 1012;
inline constexpr ControlId kRadioResetButton = kCancelButton;

class RadioPage final : public Page {
  public:
    explicit RadioPage(Session& session) : session_(session) {}

    [[nodiscard]] DialogId form() const override { return DialogId::RadioPage; }
    void open(DialogView& view) override;
    void onCommand(ControlId control) override;
    void onSelectionChanged(ControlId list) override;
    [[nodiscard]] std::optional<HopState> heldHop() const override;

  private:
    [[nodiscard]] const RadioEntry& shownRadio() const;
    void showCommittedChoice();
    void showRadio();
    void checkPendingChoices();
    void chooseLibraryValue(ControlId button);
    void chooseTypedPtx();
    void chooseTypedPrxth();
    void setOtherRadioInUse(bool inUse);
    void commit(HopState& hop) const;

    Session& session_;
    DialogView* view_ = nullptr;
    int shownRadio_ = 0;
    std::int16_t pendingPtx_ = kPtxChoiceFirst;
    std::int16_t pendingPrxth_ = kPrxthChoiceFirst;
};

} // namespace korvel
