#include "ui/form_controls.h"

#include <array>
#include <cstddef>

namespace korvel {

namespace {

constexpr ControlKind kEdit = ControlKind::Edit;
constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kButton = ControlKind::PushButton;
constexpr ControlKind kRadio = ControlKind::RadioButton;

constexpr std::array<FormControl, 3> kAbout{{{1002, kLabel}, {1003, kLabel}, {kOkButton, kButton}}};

constexpr std::array<FormControl, 4> kStartPanel{
    {{1000, kButton}, {1001, kButton}, {1002, kButton}, {1003, kButton}}};

constexpr std::array<FormControl, 18> kRadioPage{{
    {1005, ControlKind::List},
    {1011, kLabel},
    {1012, kLabel},
    {1006, kLabel},
    {1007, kLabel},
    {1008, kRadio},
    {1009, kRadio},
    {1010, kRadio},
    {1014, kRadio},
    {1027, ControlKind::GroupBox},
    {1015, kRadio},
    {1016, kRadio},
    {1017, kRadio},
    {1018, kRadio},
    {1019, kRadio},
    {1020, kRadio},
    {1021, kRadio},
    {kCancelButton, kButton}, // "Reset"
}};

constexpr std::array<FormControl, 36> kBasicsPage{{
    {1121, kEdit},   {1119, kEdit},  {1133, kEdit},  {1120, kEdit},  {1134, kEdit},
    {1100, kEdit},   {1101, kEdit},  {1130, kEdit},  {1131, kEdit},  {1132, kEdit},
    {1126, kRadio},  {1127, kRadio}, {1128, kRadio}, {1129, kRadio}, {1139, kRadio},
    {1140, kRadio},  {1135, kRadio}, {1137, kRadio}, {1138, kRadio}, {1106, kRadio},
    {1107, kRadio},  {1122, kRadio}, {1123, kRadio}, {1124, kRadio}, {1110, kRadio},
    {1111, kRadio},  {1112, kRadio}, {1113, kRadio}, {1114, kRadio}, {1115, kRadio},
    {1116, kRadio},  {1117, kRadio}, {1118, kRadio}, {1125, kLabel}, {kCancelButton, kButton},
    {1141, kButton},
}};

constexpr std::array<FormControl, 9> kListDialog{{
    {1400, kLabel},
    {1401, kLabel},
    {1402, kLabel},
    {1403, kLabel},
    {1404, kLabel},
    {1405, kLabel},
    {1406, kLabel},
    {kOkButton, kButton},
    {kCancelButton, kButton},
}};

constexpr std::array<FormControl, 8> kOtherRadio{{
    {1901, kEdit},
    {1902, kEdit},
    {1903, kEdit},
    {1904, kEdit},
    {1906, kEdit},
    {1905, kEdit},
    {kOkButton, kButton},
    {kCancelButton, kButton},
}};

constexpr std::array<FormControl, 3> kPtxDialog{
    {{1022, kEdit}, {kOkButton, kButton}, {kCancelButton, kButton}}};

constexpr std::array<FormControl, 4> kPrxthDialog{
    {{1023, kEdit}, {1027, kEdit}, {kOkButton, kButton}, {kCancelButton, kButton}}};

constexpr std::array<FormControl, 14> kRouteScreen{{
    {1005, ControlKind::List},
    {1006, kLabel},
    {1121, kEdit},
    {1800, kEdit},
    {1801, kEdit},
    {1802, kEdit},
    {1803, kEdit},
    {1804, kRadio},
    {1805, kRadio},
    {1806, kRadio},
    {1811, ControlKind::List},
    {1812, kButton},
    {1813, kButton},
    {1824, kButton},
}};

constexpr std::array<FormControl, 9> kHopBox{{
    {1807, kEdit},
    {1119, kEdit},
    {1120, kEdit},
    {1101, kEdit},
    {1100, kEdit},
    {1814, kButton},
    {1808, kButton},
    {1809, kButton},
    {1810, kButton},
}};

constexpr std::array<FormControl, 4> kOldFiles{{
    {1818, ControlKind::CheckBox},
    {1819, ControlKind::CheckBox},
    {1820, kButton},
    {1821, kButton},
}};

constexpr std::array<FormControl, 9> kHopsList{{
    {1811, ControlKind::List},
    {1823, kButton},
    {1816, ControlKind::CheckBox},
    {1802, kLabel},
    {1815, kLabel},
    {1817, kLabel},
    {1822, kLabel},
    {kOkButton, kButton},
    {kCancelButton, kButton},
}};

// The Form page's controls in all three layouts, then each layout's diversity group.
constexpr std::array<FormControl, 37> kFormPage{{
    {1200, kLabel},  {1205, kLabel},  {1217, kLabel},  {1218, kLabel},  {1244, kLabel},
    {1245, kLabel},  {1222, kEdit},   {1223, kEdit},   {1227, kEdit},   {1243, kEdit},
    {1206, kEdit},   {1207, kEdit},   {1208, kEdit},   {1209, kEdit},   {1210, kEdit},
    {1211, kEdit},   {1212, kEdit},   {1213, kEdit},   {1214, kEdit},   {1215, kEdit},
    {1225, kEdit},   {1226, kEdit},   {1228, kButton}, {1229, kButton}, {1230, kButton},
    {1231, kButton}, {1232, kButton}, {1233, kButton}, {1234, kButton}, {1235, kButton},
    {1224, kButton}, {1246, kButton}, {1247, kButton}, {1248, kButton}, {1249, kButton},
    {1252, kLabel},  {1253, kLabel},
}};
constexpr std::array<FormControl, 5> kSpaceGroup{
    {{1236, kEdit}, {1237, kEdit}, {1238, kEdit}, {1239, kButton}, {1240, kButton}}};
constexpr std::array<FormControl, 1> kFrequencyGroup{{{1241, kEdit}}};

template <std::size_t Group>
constexpr std::array<FormControl, kFormPage.size() + Group>
withGroup(const std::array<FormControl, Group>& group) {
    std::array<FormControl, kFormPage.size() + Group> all{};
    std::size_t next = 0;
    for (const FormControl& control : kFormPage) {
        all[next++] = control;
    }
    for (const FormControl& control : group) {
        all[next++] = control;
    }
    return all;
}
constexpr auto kFormSpace = withGroup(kSpaceGroup);
constexpr auto kFormFrequency = withGroup(kFrequencyGroup);

constexpr std::array<FormControl, 9> kRainDialog{{
    {2001, kRadio},
    {2000, kRadio},
    {2002, kEdit},
    {2004, kLabel},
    {2003, kLabel},
    {2005, kButton},
    {kOkButton, kButton},
    {kCancelButton, kButton},
    {2006, kButton},
}};

constexpr std::array<FormControl, 5> kSelectionList{{
    {1700, ControlKind::List},
    {1702, kLabel},
    {1703, kLabel},
    {kOkButton, kButton},
    {kCancelButton, kButton},
}};

constexpr std::array<FormControl, 14> kPrintOptions{{
    {1608, kRadio},
    {1607, kRadio},
    {1605, kRadio},
    {1606, kRadio},
    {1618, kRadio},
    {1619, kRadio},
    {1620, kRadio},
    {1621, kRadio},
    {1603, kLabel},
    {1604, kEdit},
    {1617, kEdit},
    {1622, kEdit},
    {kOkButton, kButton},
    {kCancelButton, kButton},
}};

constexpr std::array<FormControl, 1> kAbortPrint{{{kCancelButton, kButton}}};

} // namespace

std::span<const FormControl> formControls(DialogId form) {
    switch (form) {
    case DialogId::About:
        return kAbout;
    case DialogId::StartPanel:
        return kStartPanel;
    case DialogId::RadioPage:
        return kRadioPage;
    case DialogId::BasicsPage:
        return kBasicsPage;
    case DialogId::ListDialog:
        return kListDialog;
    case DialogId::OtherRadio:
        return kOtherRadio;
    case DialogId::PtxDialog:
        return kPtxDialog;
    case DialogId::PrxthDialog:
        return kPrxthDialog;
    case DialogId::RouteScreen:
        return kRouteScreen;
    case DialogId::HopBox:
        return kHopBox;
    case DialogId::OldFiles:
        return kOldFiles;
    case DialogId::HopsList:
        return kHopsList;
    case DialogId::FormNoDiversity:
        return kFormPage;
    case DialogId::FormSpaceDiversity:
        return kFormSpace;
    case DialogId::FormFrequencyDiversity:
        return kFormFrequency;
    case DialogId::RainDialog:
        return kRainDialog;
    case DialogId::SelectionList:
        return kSelectionList;
    case DialogId::PrintOptions:
        return kPrintOptions;
    case DialogId::AbortPrint:
        return kAbortPrint;
    default:
        return {};
    }
}

} // namespace korvel
