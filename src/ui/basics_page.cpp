#include "ui/basics_page.h"

#include <algorithm>
#include <span>
#include <string>

#include "fields/page_field_text.h"
#include "ui/limit_tips.h"
#include "ui/session.h"

namespace korvel {

namespace {

struct ChoiceButtons {
    BasicsChoice group;
    std::array<ControlId, 3> buttons;
    std::size_t count;
};

// A group's buttons are numbered as the values the hop stores.
template <typename... Choice>
constexpr ChoiceButtons choiceGroup(BasicsChoice choice, Choice... buttons) {
    return {choice, {static_cast<ControlId>(buttons)...}, sizeof...(buttons)};
}

constexpr std::array<ChoiceButtons, kBasicsChoiceCount> kChoiceButtons{
    choiceGroup(BasicsChoice::EastWest, EastWest::East, EastWest::West),
    choiceGroup(BasicsChoice::NorthSouth, NorthSouth::North, NorthSouth::South),
    choiceGroup(BasicsChoice::Method, Method::Method1, Method::Method2),
    choiceGroup(BasicsChoice::LandType, LandType::Land, LandType::MediumWater,
                LandType::LargeWater),
    choiceGroup(BasicsChoice::AntennaType, AntennaType::ParabSolid, AntennaType::ParabGrid),
    choiceGroup(BasicsChoice::SelectiveFading, SelectiveFading::No, SelectiveFading::Standard,
                SelectiveFading::User),
    choiceGroup(BasicsChoice::FeederInsulation, FeederInsulation::Foam, FeederInsulation::Air,
                FeederInsulation::Both),
    choiceGroup(BasicsChoice::DiversityMode, DiversityMode::No, DiversityMode::Freq,
                DiversityMode::Space),
    choiceGroup(BasicsChoice::UsageMode, UsageMode::Single, UsageMode::Hsb, UsageMode::OnePlusOne)};

std::span<const ControlId> buttonsOf(BasicsChoice group) {
    const ChoiceButtons& entry = kChoiceButtons[static_cast<std::size_t>(group)];
    return std::span(entry.buttons).first(entry.count);
}

constexpr int kInfoTyped = 35;
constexpr int kStationNameTyped = 19;

template <typename Choice> std::int16_t stored(Choice choice) {
    return static_cast<std::int16_t>(choice);
}

} // namespace

void BasicsPage::open(DialogView& view) {
    view_ = &view;
    session_.app.currentPageId = kBasicsPageId;
    session_.updateTitle();
    showLimitTips(view, kBasicsControls, session_.fields, session_.hop.record.frequencyGHz);
    fill();
}

void BasicsPage::onCommand(ControlId control) {
    if (control == kBasicsProfileButton || control == kBasicsSitesButton) {
        session_.ports.window.postCommand(control == kBasicsSitesButton ? Command::Sites
                                                                        : Command::Profile);
        return;
    }
    if (control == kBasicsResetButton) {
        fill();
        return;
    }
    for (const ChoiceButtons& entry : kChoiceButtons) {
        for (const ControlId button : buttonsOf(entry.group)) {
            if (button == control) {
                choose(entry.group, button);
                return;
            }
        }
    }
}

void BasicsPage::fill() {
    const HopRecord& record = session_.hop.record;
    DialogView& view = *view_;
    // The typing limits hold for new typing; a longer stored text (a file made by a tool) is
    // shown whole.
    const auto limit = [&view](ControlId field, int typed, std::string_view text) {
        view.setTextLimit(field, std::max(typed, static_cast<int>(text.size())));
    };
    limit(kInfoField, kInfoTyped, record.info.view());
    limit(kStation1NameField, kStationNameTyped, record.station1Name.view());
    limit(kStation2NameField, kStationNameTyped, record.station2Name.view());
    shown_.clear();
    shown_.showText(view, kInfoField, record.info.view());
    shown_.showText(view, kStation1NameField, record.station1Name.view());
    shown_.showText(view, kStation2NameField, record.station2Name.view());
    for (const PageFieldControl& entry : kBasicsFieldControls) {
        const double value = record.*pageFieldRow(entry.field).member;
        shown_.show(view, entry.control, pageFieldText(entry.field, value), value);
    }

    choose(BasicsChoice::EastWest, stored(record.eastWest));
    choose(BasicsChoice::NorthSouth, stored(record.northSouth));
    choose(BasicsChoice::Method, stored(record.method));
    choose(BasicsChoice::AntennaType, stored(record.antennaType));
    choose(BasicsChoice::SelectiveFading, stored(record.selectiveFading));
    choose(BasicsChoice::LandType, stored(record.landType));
    const bool coax = record.frequencyGHz <= kCoaxLimitGHz;
    view.setVisible(kInsulationLabel, coax);
    for (const ControlId button : buttonsOf(BasicsChoice::FeederInsulation)) {
        view.setVisible(button, coax);
    }
    // Hidden above 3 GHz, the insulation keeps the hop's value.
    choose(BasicsChoice::FeederInsulation, stored(record.feederInsulation));
    choose(BasicsChoice::DiversityMode, stored(record.diversityMode));
    choose(BasicsChoice::UsageMode, stored(record.usageMode));
}

void BasicsPage::choose(BasicsChoice group, ControlId button) {
    pending_[static_cast<std::size_t>(group)] = static_cast<std::int16_t>(button);
    for (const ControlId member : buttonsOf(group)) {
        view_->setChecked(member, member == button);
    }
}

std::int16_t BasicsPage::pending(BasicsChoice group) const {
    return pending_[static_cast<std::size_t>(group)];
}

} // namespace korvel
