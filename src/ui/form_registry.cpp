// The registry of pages and dialogs. A new one is its presenter, its .ui form named after the
// presenter (hops_list_dialog.ui, class HopsListDialog) and a DialogId; here it takes the list of
// the controls its presenter uses, written with the presenter's own constants, and one entry in
// kForms. The Qt side builds every .ui file it finds and needs nothing more.

#include "ui/form_registry.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "ui/about_box.h"
#include "ui/basics_page.h"
#include "ui/climate_maps_dialog.h"
#include "ui/form_page.h"
#include "ui/hop_box_page.h"
#include "ui/hops_list_dialog.h"
#include "ui/list_dialog.h"
#include "ui/old_files_dialog.h"
#include "ui/other_radio_dialog.h"
#include "ui/print_options_dialog.h"
#include "ui/radio_page.h"
#include "ui/rain_dialog.h"
#include "ui/route_screen_page.h"
#include "ui/selection_dialog.h"
#include "ui/sites_dialog.h"
#include "ui/start_panel.h"
#include "ui/typed_radio_values.h"

namespace korvel {

namespace {

constexpr ControlKind kEdit = ControlKind::Edit;
constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kButton = ControlKind::PushButton;
constexpr ControlKind kRadio = ControlKind::RadioButton;
constexpr ControlKind kTick = ControlKind::CheckBox;
constexpr ControlKind kList = ControlKind::List;

// A radio button whose number is the value the hop or the route stores.
template <typename Choice> constexpr FormControl choiceButton(Choice choice) {
    return {static_cast<ControlId>(choice), kRadio};
}

constexpr FormControl kAboutBox[]{
    {kLibraryLineLabel, kLabel}, {kVersionLineLabel, kLabel}, {kOkButton, kButton}};

constexpr FormControl kStartPanel[]{{kOneHopButton, kButton},
                                    {kModifyOldHopButton, kButton},
                                    {kNewRouteButton, kButton},
                                    {kModifyOldRouteButton, kButton}};

constexpr FormControl kRadioPage[]{
    {kRadioList, kList},
    {kPrxthLeftBerLabel, kLabel},
    {kPrxthRightBerLabel, kLabel},
    {kRadioNameLabel, kLabel},
    {kRadioFrequencyLabel, kLabel},
    {kPtxChoiceFirst, kRadio},
    {kPtxChoiceFirst + 1, kRadio},
    {kPtxChoiceFirst + 2, kRadio},
    {kPtxChoiceOther, kRadio},
    {kPrxthGroup, ControlKind::GroupBox},
    {kPrxthChoiceFirst, kRadio},
    {kPrxthChoiceFirst + 1, kRadio},
    {kPrxthChoiceFirst + 2, kRadio},
    {kPrxthChoiceFirst + 3, kRadio},
    {kPrxthChoiceFirst + 4, kRadio},
    {kPrxthChoiceFirst + 5, kRadio},
    {kPrxthChoiceOther, kRadio},
    {kRadioResetButton, kButton} // "Reset"
};

constexpr FormControl kBasicsPage[]{{kInfoField, kEdit},
                                    {kStation1NameField, kEdit},
                                    {kStation1HeightField, kEdit},
                                    {kStation2NameField, kEdit},
                                    {kStation2HeightField, kEdit},
                                    {kObjectiveField, kEdit},
                                    {kHopLengthField, kEdit},
                                    {kLongitudeField, kEdit},
                                    {kLatitudeField, kEdit},
                                    {kPLField, kEdit},
                                    choiceButton(EastWest::East),
                                    choiceButton(EastWest::West),
                                    choiceButton(NorthSouth::North),
                                    choiceButton(NorthSouth::South),
                                    choiceButton(Method::Method1),
                                    choiceButton(Method::Method2),
                                    choiceButton(LandType::Land),
                                    choiceButton(LandType::MediumWater),
                                    choiceButton(LandType::LargeWater),
                                    choiceButton(AntennaType::ParabSolid),
                                    choiceButton(AntennaType::ParabGrid),
                                    choiceButton(SelectiveFading::No),
                                    choiceButton(SelectiveFading::Standard),
                                    choiceButton(SelectiveFading::User),
                                    choiceButton(FeederInsulation::Foam),
                                    choiceButton(FeederInsulation::Air),
                                    choiceButton(FeederInsulation::Both),
                                    choiceButton(DiversityMode::No),
                                    choiceButton(DiversityMode::Freq),
                                    choiceButton(DiversityMode::Space),
                                    choiceButton(UsageMode::Single),
                                    choiceButton(UsageMode::Hsb),
                                    choiceButton(UsageMode::OnePlusOne),
                                    {kInsulationLabel, kLabel},
                                    {kBasicsResetButton, kButton},
                                    {kBasicsProfileButton, kButton},
                                    {kBasicsSitesButton, kButton}};

constexpr FormControl kListDialog[]{
    {kListHeadingLabel, kLabel},       {kListFirstNameLabel, kLabel},
    {kListFirstNameLabel + 1, kLabel}, {kListFirstNameLabel + 2, kLabel},
    {kListFirstNameLabel + 3, kLabel}, {kListFirstNameLabel + 4, kLabel},
    {kListFirstNameLabel + 5, kLabel}, {kOkButton, kButton},
    {kCancelButton, kButton}};

constexpr FormControl kOtherRadioDialog[]{
    {kOtherNameField, kEdit}, {kOtherFrequencyField, kEdit}, {kOtherBitRateField, kEdit},
    {kOtherPtxField, kEdit},  {kOtherPrxthField, kEdit},     {kOtherBerField, kEdit},
    {kOkButton, kButton},     {kCancelButton, kButton}};

constexpr FormControl kPtxDialog[]{
    {kTypedPtxField, kEdit}, {kOkButton, kButton}, {kCancelButton, kButton}};

constexpr FormControl kPrxthDialog[]{{kTypedPrxthField, kEdit},
                                     {kTypedBerField, kEdit},
                                     {kOkButton, kButton},
                                     {kCancelButton, kButton}};

constexpr FormControl kRouteScreenPage[]{{kRouteRadioList, kList},
                                         {kRouteRadioLabel, kLabel},
                                         {kRouteInfoField, kEdit},
                                         {kRouteDirectoryField, kEdit},
                                         {kRouteFileNameField, kEdit},
                                         {kRouteObjectiveField, kEdit},
                                         {kRouteHopCountField, kEdit},
                                         {kRouteAvailabilityField, kEdit},
                                         choiceButton(DivisionMethod::Number),
                                         choiceButton(DivisionMethod::Length),
                                         choiceButton(DivisionMethod::Manual),
                                         {kDefinedHopsList, kList},
                                         {kHopDefButton, kButton},
                                         {kHopCalcButton, kButton},
                                         {kRouteTotalLabel, kLabel},
                                         {kRouteMarginLabel, kLabel},
                                         {kRouteScreenVerdictLabel, kLabel},
                                         {kBrowseFolderButton, kButton}};

constexpr FormControl kHopBoxPage[]{
    {kHopFileNameField, kEdit}, {kHopStation1Field, kEdit},    {kHopStation2Field, kEdit},
    {kHopLengthKmField, kEdit}, {kHopObjectiveField, kEdit},   {kHopFileButton, kButton},
    {kRouteScButton, kButton},  {kPreviousHopButton, kButton}, {kNextHopButton, kButton}};

constexpr FormControl kOldFilesDialog[]{{kRadioDataTick, kTick},
                                        {kBasicDataTick, kTick},
                                        {kContinueButton, kButton},
                                        {kOldFilesCancelButton, kButton}};

constexpr FormControl kHopsListDialog[]{{kHopsList, kList},
                                        {kRouteChartButton, kButton},
                                        {kDisregardChangesTick, kTick},
                                        {kRouteObjectiveLabel, kLabel},
                                        {kRouteOutageLabel, kLabel},
                                        {kDesignMarginLabel, kLabel},
                                        {kRouteVerdictLabel, kLabel},
                                        {kOkButton, kButton},
                                        {kCancelButton, kButton}};

// The Form page's controls in all three layouts, then each layout's diversity group.
constexpr std::array<FormControl, 37> kFormPage{
    {{kFormRadioLabel, kLabel},           {kFormModeLabel, kLabel},
     {kFeeder1TotalLabel, kLabel},        {kFeeder2TotalLabel, kLabel},
     {kSelectiveMarginLabel, kLabel},     {kSelectiveMarginUnit, kLabel},
     {kBranchingLossField, kEdit},        {kTerrainLossField, kEdit},
     {kThresholdDegradationField, kEdit}, {kSelectiveMarginField, kEdit},
     {kAntenna1DiameterField, kEdit},     {kAntenna2DiameterField, kEdit},
     {kAntenna1GainField, kEdit},         {kAntenna2GainField, kEdit},
     {kAntenna1HeightField, kEdit},       {kAntenna2HeightField, kEdit},
     {kFeeder1LengthField, kEdit},        {kFeeder2LengthField, kEdit},
     {kFeeder1LossField, kEdit},          {kFeeder2LossField, kEdit},
     {kConnector1Field, kEdit},           {kConnector2Field, kEdit},
     {kAntenna1LowerButton, kButton},     {kAntenna1RaiseButton, kButton},
     {kAntenna2LowerButton, kButton},     {kAntenna2RaiseButton, kButton},
     {kFeeder1LowerButton, kButton},      {kFeeder1RaiseButton, kButton},
     {kFeeder2LowerButton, kButton},      {kFeeder2RaiseButton, kButton},
     {kCalculateButton, kButton},         {kOptimizeButton, kButton},
     {kRainCalcButton, kButton},          {kSweepButton, kButton},
     {kProfileButton, kButton},           {kFeeder1TypeLabel, kLabel},
     {kFeeder2TypeLabel, kLabel}}};
constexpr std::array<FormControl, 5> kSpaceGroup{{{kDiversityDiameterField, kEdit},
                                                  {kDiversityGainField, kEdit},
                                                  {kAntennaSpacingField, kEdit},
                                                  {kDiversityRaiseButton, kButton},
                                                  {kDiversityLowerButton, kButton}}};
constexpr std::array<FormControl, 1> kFrequencyGroup{{{kChannelSpacingField, kEdit}}};

template <std::size_t Group>
constexpr std::array<FormControl, kFormPage.size() + Group>
withGroup(const std::array<FormControl, Group>& group) {
    std::array<FormControl, kFormPage.size() + Group> all{};
    std::ranges::copy(group, std::ranges::copy(kFormPage, all.begin()).out);
    return all;
}
constexpr auto kFormPageSpaceDiversity = withGroup(kSpaceGroup);
constexpr auto kFormPageFrequencyDiversity = withGroup(kFrequencyGroup);

constexpr FormControl kRainDialog[]{
    {kVerticalButton, kRadio},      {kHorizontalButton, kRadio},
    {kRainRateField, kEdit},        {kRainAnnualLabel, kLabel},
    {kRainWorstMonthLabel, kLabel}, {kRainCalculateButton, kButton},
    {kOkButton, kButton},           {kCancelButton, kButton},
    {kRainClearButton, kButton},    {kAvailabilityObjectiveField, kEdit}};

constexpr FormControl kSelectionDialog[]{{kCombinationList, kList},
                                         {kCombinationHeader, kLabel},
                                         {kObjectiveLabel, kLabel},
                                         {kOkButton, kButton},
                                         {kCancelButton, kButton}};

constexpr FormControl kPrintOptionsDialog[]{
    {kHopReportButton, kRadio},     {kRouteReportButton, kRadio}, {kEnglishButton, kRadio},
    {kFrenchButton, kRadio},        {kPrinterButton, kRadio},     {kTextFileButton, kRadio},
    {kDelimitedFileButton, kRadio}, {kPdfFileButton, kRadio},     {kFolderLabel, kLabel},
    {kTextFileField, kEdit},        {kDelimitedFileField, kEdit}, {kPdfFileField, kEdit},
    {kMethodsSectionCheck, kTick},  {kOkButton, kButton},         {kCancelButton, kButton}};

constexpr FormControl kClimateMapsDialog[]{{kClimateMapsList, kList},
                                           {kClimateFolderLabel, kLabel},
                                           {kClimateImportButton, kButton},
                                           {kClimateRemoveButton, kButton},
                                           {kClimateOverrideFirst, kEdit},
                                           {kClimateOverrideFirst + 1, kEdit},
                                           {kClimateOverrideFirst + 2, kEdit},
                                           {kClimateOverrideFirst + 3, kEdit},
                                           {kClimateOverrideFirst + 4, kEdit},
                                           {kClimateOverrideFirst + 5, kEdit},
                                           {kOkButton, kButton},
                                           {kCancelButton, kButton}};

constexpr FormControl kSitesDialog[]{{kSitesStationGroup, ControlKind::GroupBox},
                                     {kSitesLatitudeField, kEdit},
                                     {kSitesLongitudeField, kEdit},
                                     {kSitesGroundField, kEdit},
                                     {kSitesFromTerrainButton, kButton},
                                     {kSitesReadAsLabel, kLabel},
                                     {kSitesAzimuthLabel, kLabel},
                                     {kSitesElevationLabel, kLabel},
                                     {sitesControl(kSitesStationGroup, 1), ControlKind::GroupBox},
                                     {sitesControl(kSitesLatitudeField, 1), kEdit},
                                     {sitesControl(kSitesLongitudeField, 1), kEdit},
                                     {sitesControl(kSitesGroundField, 1), kEdit},
                                     {sitesControl(kSitesFromTerrainButton, 1), kButton},
                                     {sitesControl(kSitesReadAsLabel, 1), kLabel},
                                     {sitesControl(kSitesAzimuthLabel, 1), kLabel},
                                     {sitesControl(kSitesElevationLabel, 1), kLabel},
                                     {kSitesDistanceLabel, kLabel},
                                     {kSitesAntennasLabel, kLabel},
                                     {kOkButton, kButton},
                                     {kCancelButton, kButton}};

constexpr FormControl kAbortDialog[]{{kCancelButton, kButton}};

template <typename Presenter> std::unique_ptr<Page> make(Session& session) {
    return std::make_unique<Presenter>(session);
}

constexpr std::string_view kNoFormbox = "Low on memory : cannot not create Formbox";

// id, .ui file, transcript name, controls; a page adds its command, maker and failure message.
constexpr std::array kForms{
    RegisteredForm{DialogId::About, "about_box", "About", kAboutBox},
    RegisteredForm{DialogId::StartPanel, "start_panel", "start panel", kStartPanel},
    RegisteredForm{DialogId::RadioPage, "radio_page", "Radio", kRadioPage, Command::RadioPage,
                   &make<RadioPage>, "Low on memory : cannot not create Radiobox"},
    RegisteredForm{DialogId::BasicsPage, "basics_page", "Basics", kBasicsPage, Command::BasicsPage,
                   &make<BasicsPage>, "Low on memory: cannot not create Basicbox"},
    RegisteredForm{DialogId::FormNoDiversity, "form_page", "Form", kFormPage, Command::FormPage,
                   &make<FormPage>, kNoFormbox},
    RegisteredForm{DialogId::FormSpaceDiversity, "form_page_space_diversity", "Form",
                   kFormPageSpaceDiversity, Command{}, nullptr, kNoFormbox},
    RegisteredForm{DialogId::FormFrequencyDiversity, "form_page_frequency_diversity", "Form",
                   kFormPageFrequencyDiversity, Command{}, nullptr, kNoFormbox},
    RegisteredForm{DialogId::ListDialog, "list_dialog", "list", kListDialog},
    RegisteredForm{DialogId::RouteScreen, "route_screen_page", "route screen", kRouteScreenPage,
                   Command::RouteScreen, &make<RouteScreenPage>,
                   "Low on memory : cannot not create Routebox"},
    RegisteredForm{DialogId::HopBox, "hop_box_page", "hop box", kHopBoxPage, Command::HopBox,
                   &make<HopBoxPage>, "Low on memory : cannot not create Hopbox"},
    RegisteredForm{DialogId::HopsList, "hops_list_dialog", "Hops list", kHopsListDialog},
    RegisteredForm{DialogId::AbortPrint, "abort_dialog", "Abort", kAbortDialog},
    RegisteredForm{DialogId::OtherRadio, "other_radio_dialog", "Other", kOtherRadioDialog},
    RegisteredForm{DialogId::PtxDialog, "ptx_dialog", "Ptx", kPtxDialog},
    RegisteredForm{DialogId::PrxthDialog, "prxth_dialog", "Prxth", kPrxthDialog},
    RegisteredForm{DialogId::RainDialog, "rain_dialog", "Rain", kRainDialog},
    RegisteredForm{DialogId::SelectionList, "selection_dialog", "Selection", kSelectionDialog},
    RegisteredForm{DialogId::OldFiles, "old_files_dialog", "Old files", kOldFilesDialog},
    RegisteredForm{DialogId::PrintOptions, "print_options_dialog", "Print", kPrintOptionsDialog},
    RegisteredForm{DialogId::ClimateMaps, "climate_maps_dialog", "Climate maps",
                   kClimateMapsDialog},
    RegisteredForm{DialogId::Sites, "sites_dialog", "Sites", kSitesDialog},
};

constexpr bool eachIdFileAndCommandOnce() {
    for (auto first = kForms.begin(); first != kForms.end(); ++first) {
        for (auto second = first + 1; second != kForms.end(); ++second) {
            if (first->id == second->id || first->file == second->file ||
                (first->command != Command{} && first->command == second->command)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(eachIdFileAndCommandOnce(), "two forms share an id, a .ui file or a page command");

constexpr RegisteredForm kUnregistered{DialogId{}, "", "form", {}};

} // namespace

std::span<const RegisteredForm> registeredForms() {
    return kForms;
}

const RegisteredForm& registeredForm(DialogId form) {
    const auto entry = std::ranges::find(kForms, form, &RegisteredForm::id);
    return entry == kForms.end() ? kUnregistered : *entry;
}

std::unique_ptr<Page> makePage(Command command, Session& session) {
    const auto entry = std::ranges::find_if(kForms, [command](const RegisteredForm& form) {
        return form.makePage != nullptr && form.command == command;
    });
    return entry == kForms.end() ? nullptr : entry->makePage(session);
}

} // namespace korvel
