#include "platform/qt/qt_forms.h"

#include <array>

#include <QWidget>

#include "ui_abort_print.h"
#include "ui_about.h"
#include "ui_basicspage.h"
#include "ui_formpage.h"
#include "ui_formpagefreq.h"
#include "ui_formpagespace.h"
#include "ui_hopbox.h"
#include "ui_hopslist.h"
#include "ui_listdialog.h"
#include "ui_oldfiles.h"
#include "ui_otherradio.h"
#include "ui_print_options.h"
#include "ui_prxthdialog.h"
#include "ui_ptxdialog.h"
#include "ui_radiopage.h"
#include "ui_raindialog.h"
#include "ui_routescreen.h"
#include "ui_selectionlist.h"
#include "ui_startpanel.h"

namespace korvel {

namespace {

constexpr std::array kForms{DialogId::About,
                            DialogId::StartPanel,
                            DialogId::RadioPage,
                            DialogId::BasicsPage,
                            DialogId::FormNoDiversity,
                            DialogId::ListDialog,
                            DialogId::FormSpaceDiversity,
                            DialogId::FormFrequencyDiversity,
                            DialogId::OtherRadio,
                            DialogId::PtxDialog,
                            DialogId::PrxthDialog,
                            DialogId::RainDialog,
                            DialogId::SelectionList,
                            DialogId::RouteScreen,
                            DialogId::HopBox,
                            DialogId::HopsList,
                            DialogId::AbortPrint,
                            DialogId::OldFiles,
                            DialogId::PrintOptions};

// The generated setup classes keep only pointers into the widget tree, so each may go once the
// widgets exist.
template <typename Setup> QWidget* build(QWidget* parent) {
    auto* widget = new QWidget(parent);
    Setup setup;
    setup.setupUi(widget);
    return widget;
}

} // namespace

std::span<const DialogId> availableForms() {
    return kForms;
}

QWidget* createForm(DialogId form, QWidget* parent) {
    switch (form) {
    case DialogId::About:
        return build<Ui::AboutForm>(parent);
    case DialogId::StartPanel:
        return build<Ui::StartPanelForm>(parent);
    case DialogId::RadioPage:
        return build<Ui::RadioPageForm>(parent);
    case DialogId::BasicsPage:
        return build<Ui::BasicsPageForm>(parent);
    case DialogId::ListDialog:
        return build<Ui::ListDialogForm>(parent);
    case DialogId::OtherRadio:
        return build<Ui::OtherRadioForm>(parent);
    case DialogId::PtxDialog:
        return build<Ui::PtxDialogForm>(parent);
    case DialogId::PrxthDialog:
        return build<Ui::PrxthDialogForm>(parent);
    case DialogId::RouteScreen:
        return build<Ui::RouteScreenForm>(parent);
    case DialogId::HopBox:
        return build<Ui::HopBoxForm>(parent);
    case DialogId::HopsList:
        return build<Ui::HopsListForm>(parent);
    case DialogId::OldFiles:
        return build<Ui::OldFilesForm>(parent);
    case DialogId::FormNoDiversity:
        return build<Ui::FormPageForm>(parent);
    case DialogId::FormSpaceDiversity:
        return build<Ui::FormPageSpaceForm>(parent);
    case DialogId::FormFrequencyDiversity:
        return build<Ui::FormPageFreqForm>(parent);
    case DialogId::RainDialog:
        return build<Ui::RainDialogForm>(parent);
    case DialogId::SelectionList:
        return build<Ui::SelectionListForm>(parent);
    case DialogId::PrintOptions:
        return build<Ui::PrintOptionsForm>(parent);
    case DialogId::AbortPrint:
        return build<Ui::AbortPrintForm>(parent);
    default:
        return nullptr;
    }
}

QString controlObjectName(ControlId control) {
    return QStringLiteral("control_%1").arg(control);
}

} // namespace korvel
