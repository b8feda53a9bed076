#pragma once
// The Basics page: the hop's general data (information, stations, objective, length, position,
// pL, method and the enumerated choices). Edits stay on the page until the shell asks it to
// leave; then every field is checked, and only a page that passes stores into the hop.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "hopfile/page_rules.h"
#include "ui/page.h"
#include "ui/shown_fields.h"

namespace korvel {

class Session;

inline constexpr ControlId kInfoField = 1121;
inline constexpr ControlId kStation1NameField = 1119;
inline constexpr ControlId kStation2NameField = 1120;
inline constexpr ControlId kStation1HeightField = 1133;
inline constexpr ControlId kStation2HeightField = 1134;
inline constexpr ControlId kObjectiveField = 1100;
inline constexpr ControlId kHopLengthField = 1101;
inline constexpr ControlId kLongitudeField = 1130;
inline constexpr ControlId kLatitudeField = 1131;
inline constexpr ControlId kPLField = 1132;
inline constexpr ControlId kInsulationLabel = 1125;
inline constexpr ControlId kBasicsResetButton = kCancelButton;
inline constexpr ControlId kBasicsProfileButton = 1141;
inline constexpr ControlId kBasicsSitesButton = 1142;

// The groups of radio buttons; a button's number is the value the hop stores.
enum class BasicsChoice : std::size_t {
    EastWest,
    NorthSouth,
    Method,
    LandType,
    AntennaType,
    SelectiveFading,
    FeederInsulation,
    DiversityMode,
    UsageMode,
};
inline constexpr std::size_t kBasicsChoiceCount = 9;

class BasicsPage final : public Page {
  public:
    explicit BasicsPage(Session& session) : session_(session) {}

    [[nodiscard]] DialogId form() const override { return DialogId::BasicsPage; }
    void open(DialogView& view) override;
    void onCommand(ControlId control) override;
    [[nodiscard]] std::optional<HopState> heldHop() const override;

  private:
    void fill();
    void choose(BasicsChoice group, ControlId button);
    [[nodiscard]] std::int16_t pending(BasicsChoice group) const;

    // The leave request's checks and stores (basics_accept.cpp).
    bool accept();
    // What the fields hold: typed values, and the stored values of the fields not edited.
    [[nodiscard]] PageValues heldValues() const;
    void readLimits(const PageValues& values);
    bool readingsInLimits();
    void store(HopState& hop, const PageValues& values) const;
    void storeModes(HopState& hop) const;

    Session& session_;
    DialogView* view_ = nullptr;
    std::array<std::int16_t, kBasicsChoiceCount> pending_{};
    ShownFields shown_;
};

} // namespace korvel
