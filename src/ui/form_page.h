#pragma once
// The Form page: the hop's antennas, feeders, losses and margins, in the layout of its diversity
// mode, and the commands that calculate the hop (Calculate, RainCalc, Optimize). Edits stay on
// the page until a command or the shell asks for them; validateFormPage checks every field into
// a working copy and stores only a page that passes.

#include <optional>
#include <string_view>
#include <vector>

#include <memory>

#include "engine/calculate_hop.h"
#include "hopfile/page_rules.h"
#include "platform/results_window.h"
#include "ui/page.h"
#include "ui/page_field_controls.h"
#include "ui/profile_window.h"
#include "ui/shown_fields.h"
#include "ui/sweep_window.h"

namespace korvel {

class Session;

inline constexpr ControlId kFormRadioLabel = 1200;
inline constexpr ControlId kFormModeLabel = 1205;
inline constexpr ControlId kAntenna1DiameterField = 1206;
inline constexpr ControlId kAntenna2DiameterField = 1207;
inline constexpr ControlId kAntenna1GainField = 1208;
inline constexpr ControlId kAntenna2GainField = 1209;
inline constexpr ControlId kAntenna1HeightField = 1210;
inline constexpr ControlId kAntenna2HeightField = 1211;
inline constexpr ControlId kFeeder1LengthField = 1212;
inline constexpr ControlId kFeeder2LengthField = 1213;
inline constexpr ControlId kFeeder1LossField = 1214;
inline constexpr ControlId kFeeder2LossField = 1215;
// The "<" and ">" beside a diameter or a feeder loss: the library's next smaller or larger value.
inline constexpr ControlId kAntenna1LowerButton = 1228;
inline constexpr ControlId kAntenna1RaiseButton = 1229;
inline constexpr ControlId kAntenna2LowerButton = 1230;
inline constexpr ControlId kAntenna2RaiseButton = 1231;
inline constexpr ControlId kFeeder1LowerButton = 1232;
inline constexpr ControlId kFeeder1RaiseButton = 1233;
inline constexpr ControlId kFeeder2LowerButton = 1234;
inline constexpr ControlId kFeeder2RaiseButton = 1235;
inline constexpr ControlId kDiversityRaiseButton = 1239;
inline constexpr ControlId kDiversityLowerButton = 1240;
// Beside each feeder's loss: the library's name of its type, "typed" for a loss of the user's.
inline constexpr ControlId kFeeder1TypeLabel = 1252;
inline constexpr ControlId kFeeder2TypeLabel = 1253;
inline constexpr ControlId kFeeder1TotalLabel = 1217;
inline constexpr ControlId kFeeder2TotalLabel = 1218;
inline constexpr ControlId kBranchingLossField = 1222;
inline constexpr ControlId kTerrainLossField = 1223;
inline constexpr ControlId kCalculateButton = 1224;
inline constexpr ControlId kConnector1Field = 1225;
inline constexpr ControlId kConnector2Field = 1226;
inline constexpr ControlId kThresholdDegradationField = 1227;
inline constexpr ControlId kDiversityDiameterField = 1236;
inline constexpr ControlId kDiversityGainField = 1237;
inline constexpr ControlId kAntennaSpacingField = 1238;
inline constexpr ControlId kChannelSpacingField = 1241;
inline constexpr ControlId kSelectiveMarginField = 1243;
inline constexpr ControlId kSelectiveMarginLabel = 1244;
inline constexpr ControlId kSelectiveMarginUnit = 1245;
inline constexpr ControlId kOptimizeButton = 1246;
inline constexpr ControlId kRainCalcButton = 1247;
inline constexpr ControlId kSweepButton = 1248;
inline constexpr ControlId kProfileButton = 1249;

// Which control shows which of the page's number fields (those its layout has).
inline constexpr std::array<PageFieldControl, 20> kFormFieldControls{{
    {PageField::Antenna1Diameter, kAntenna1DiameterField},
    {PageField::Antenna2Diameter, kAntenna2DiameterField},
    {PageField::Antenna1Gain, kAntenna1GainField},
    {PageField::Antenna2Gain, kAntenna2GainField},
    {PageField::Feeder1Loss, kFeeder1LossField},
    {PageField::Feeder2Loss, kFeeder2LossField},
    {PageField::Connector1Loss, kConnector1Field},
    {PageField::Connector2Loss, kConnector2Field},
    {PageField::Feeder1Length, kFeeder1LengthField},
    {PageField::Feeder2Length, kFeeder2LengthField},
    {PageField::BranchingLoss, kBranchingLossField},
    {PageField::DiversityDiameter, kDiversityDiameterField},
    {PageField::DiversityGain, kDiversityGainField},
    {PageField::ChannelSpacing, kChannelSpacingField},
    {PageField::Antenna1Height, kAntenna1HeightField},
    {PageField::Antenna2Height, kAntenna2HeightField},
    {PageField::AntennaSpacing, kAntennaSpacingField},
    {PageField::SelectiveMargin, kSelectiveMarginField},
    {PageField::ThresholdDegradation, kThresholdDegradationField},
    {PageField::TerrainLoss, kTerrainLossField},
}};
inline constexpr PageControls kFormControls{kFormFieldControls, kBranchingLossField};

// The diameter and gain fields of antenna 1, 2 and the diversity antenna, and the feeders' loss
// fields: what the library fills until the planner types a value of their own.
struct AntennaFields {
    PageField diameter;
    PageField gain;
};
inline constexpr std::array<AntennaFields, 3> kAntennaFields{{
    {PageField::Antenna1Diameter, PageField::Antenna1Gain},
    {PageField::Antenna2Diameter, PageField::Antenna2Gain},
    {PageField::DiversityDiameter, PageField::DiversityGain},
}};
inline constexpr std::array<PageField, 2> kFeederLossFields{PageField::Feeder1Loss,
                                                            PageField::Feeder2Loss};

// The layout of a diversity mode.
DialogId formPageLayout(DiversityMode diversity);

class FormPage final : public Page {
  public:
    explicit FormPage(Session& session);
    ~FormPage() override;
    FormPage(const FormPage&) = delete;
    FormPage& operator=(const FormPage&) = delete;

    [[nodiscard]] DialogId form() const override;
    void open(DialogView& view) override;
    void onCommand(ControlId control) override;
    void onMenuCommand(Command command) override;
    // The planner changed a value: the results may be out of date now.
    void onEdited(ControlId /*control*/) override { refreshFreshness(); }
    // Save checks the fields without leaving the page: the results window stays.
    void onSaveCheck() override;

    // Reads and checks every field; on success stores the hop record, Msm and the override
    // flags. A refusal has told the user and changes nothing (form_validation.cpp).
    // Before a calculation the selective margin Msm is always derived again from the field; when
    // the page is only stored (leaving, saving) an untouched margin field leaves Msm as it is.
    enum class Purpose { Calculation, Storing };
    bool validateFormPage(Purpose purpose = Purpose::Calculation);

  private:
    // The diameter (m) and gain (dBi) fields of the record for antenna 1, 2 or the diversity
    // antenna.
    static double& diameterOf(HopRecord& record, int antenna);
    static double& gainOf(HopRecord& record, int antenna);

    void showAntenna(int antenna);
    void showFeeder(int feeder);
    void showEquipment();
    // A stepping button; any other control does nothing.
    void step(ControlId button);

    // Shows the value in the field's control as the page writes it and remembers it (shown_).
    void show(PageField field, double value);

    // Validation steps (form_validation.cpp).
    [[nodiscard]] FormLayout layout() const;
    // What the fields hold: typed values, and the values shown in the fields not edited.
    [[nodiscard]] PageValues heldValues() const;
    void readInto(HopRecord& copy, const PageValues& values) const;
    void storeAntennaFlags(HopRecord& copy);
    void storeFeederFlags(HopRecord& copy);

    // Commands (form_commands.cpp).
    void leave();
    void calculate();
    // The sequence after calculateHop; false when it stopped on -1 or -4.
    bool showCalculation(const CalculationOutcome& outcome);
    void showResults();
    // The hop with what the fields hold, as a calculation would read it.
    [[nodiscard]] HopState hopAsItStands() const;
    // The results window and the charts say whether the results still belong to the page.
    void refreshFreshness();
    void rainCalc();
    void optimize();
    // The Sweep window over the hop as the page stores it; a value taken from it goes into the
    // page's fields and through validateFormPage.
    void openSweep();
    bool takeSweepValue(SweepInput input, double value);
    // The Profile window over the hop as the page stores it; the heights applied from it go into
    // the page's antenna height fields and through validateFormPage (form_profile.cpp).
    void openProfile();
    bool takeProfileHeights(double antenna1M, double antenna2M);
    // The budget waterfall or the outage chart of the hop as the page stores it, calculated.
    void openChart(Command chart);
    // Open budget and outage charts follow each calculation with results.
    void refreshCharts();

    Session& session_;
    DiversityMode diversity_ = DiversityMode::No;         // the layout's, from the opening on
    ResultsFreshness freshness_ = ResultsFreshness::None; // as the results window last showed
    DialogView* view_ = nullptr;
    std::unique_ptr<SweepWindow> sweep_;
    ShownFields shown_;
    std::unique_ptr<ProfileWindow> profile_;
};

} // namespace korvel
