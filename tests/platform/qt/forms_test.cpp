// The Designer forms offscreen: every control a presenter uses is on its form with the right kind,
// and a screen reader finds a name for every control the user can reach.

#include <algorithm>
#include <array>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/offscreen_app.h"
#include "platform/qt/qt_dialog_view.h"
#include "platform/qt/qt_forms.h"
#include "ui/form_registry.h"

namespace korvel {

// Test names carry the form's file.
void PrintTo(const RegisteredForm& form, std::ostream* out) {
    *out << form.file;
}

namespace {

class FormsTest : public ::testing::TestWithParam<RegisteredForm> {
  protected:
    // The form in a shown dialog, as the program shows it.
    std::unique_ptr<QDialog> shownForm() {
        auto dialog = std::make_unique<QDialog>();
        auto* layout = new QVBoxLayout(dialog.get());
        QWidget* form = createForm(GetParam().file, dialog.get());
        layout->addWidget(form);
        dialog->show();
        return dialog;
    }
};

bool hasKind(QWidget* widget, ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
        return qobject_cast<QLineEdit*>(widget) != nullptr;
    case ControlKind::Label:
        return qobject_cast<QLabel*>(widget) != nullptr;
    case ControlKind::PushButton:
        return qobject_cast<QPushButton*>(widget) != nullptr;
    case ControlKind::RadioButton:
        return qobject_cast<QRadioButton*>(widget) != nullptr;
    case ControlKind::CheckBox:
        return qobject_cast<QCheckBox*>(widget) != nullptr;
    case ControlKind::List:
        return qobject_cast<QListWidget*>(widget) != nullptr;
    case ControlKind::GroupBox:
        return qobject_cast<QGroupBox*>(widget) != nullptr;
    }
    return false;
}

TEST_P(FormsTest, EveryControlOfThePresenterIsOnTheFormWithItsKind) {
    const auto dialog = shownForm();
    ASSERT_FALSE(GetParam().controls.empty());
    for (const FormControl& control : GetParam().controls) {
        auto* widget = dialog->findChild<QWidget*>(controlObjectName(control.id));
        ASSERT_NE(widget, nullptr) << "control " << control.id;
        EXPECT_TRUE(hasKind(widget, control.kind))
            << "control " << control.id << " is a " << widget->metaObject()->className();
    }
}

// Roles the user acts on; each needs a name a screen reader can say.
bool isActedOn(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::EditableText:
    case QAccessible::List:
        return true;
    default:
        return false;
    }
}

void expectNamed(QAccessibleInterface* node, int& checked) {
    if (node == nullptr) {
        return;
    }
    if (isActedOn(node->role())) {
        ++checked;
        EXPECT_FALSE(node->text(QAccessible::Name).trimmed().isEmpty())
            << "unnamed " << node->object()->objectName().toStdString();
    }
    for (int i = 0; i < node->childCount(); ++i) {
        expectNamed(node->child(i), checked);
    }
}

TEST_P(FormsTest, EveryControlTheUserReachesHasAnAccessibleName) {
    const auto dialog = shownForm();
    int checked = 0;
    expectNamed(QAccessible::queryAccessibleInterface(dialog.get()), checked);
    EXPECT_GT(checked, 0);
}

// Mended: Alt+P on the Basics page opened the Pages menu instead of the pL field. No two
// mnemonics of a form clash, nor one of a page with the menu bar (File, Pages, Help: F, G, H).
TEST_P(FormsTest, MnemonicsNeitherClashNorTakeTheMenuBarsKeys) {
    const auto dialog = shownForm();
    const DialogId form = GetParam().id;
    const bool page = form == DialogId::StartPanel || form == DialogId::RadioPage ||
                      form == DialogId::BasicsPage || form == DialogId::FormNoDiversity ||
                      form == DialogId::FormSpaceDiversity ||
                      form == DialogId::FormFrequencyDiversity || form == DialogId::RouteScreen ||
                      form == DialogId::HopBox;
    QString taken = page ? QStringLiteral("FGHS") : QString();
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
        }
        const auto amp = text.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= text.size()) {
            continue;
        }
        const QChar key = text.at(amp + 1).toUpper();
        EXPECT_FALSE(taken.contains(key)) << text.toStdString();
        taken.append(key);
    }
}

TEST_P(FormsTest, EveryButtonAndFieldHasATip) {
    struct Unheard final : DialogEvents {
        void onCommand(ControlId /*control*/) override {}
    } unheard;
    const auto dialog = shownForm();
    new QtDialogView(dialog->layout()->itemAt(0)->widget(), dialog.get(), unheard);
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)) {
            EXPECT_FALSE(widget->toolTip().isEmpty()) << widget->objectName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormsTest, ::testing::ValuesIn(registeredForms()));

// A .ui form nobody registered would go untested; a registered one not built would fail to show.
TEST(FormRegistry, RegistersEveryBuiltFormAndNoOther) {
    std::vector<std::string_view> registered;
    for (const RegisteredForm& form : registeredForms()) {
        registered.push_back(form.file);
    }
    std::ranges::sort(registered);
    std::vector<std::string_view> built(builtForms().begin(), builtForms().end());
    std::ranges::sort(built);
    EXPECT_EQ(registered, built);
}

// Mended: every "<" and ">" of the Form page came after Calculate in the Tab order.
TEST(FormTabOrder, EachStepperFollowsItsFieldInEveryLayout) {
    const auto nextTabStop = [](QWidget* widget) {
        do {
            widget = widget->nextInFocusChain();
        } while ((widget->focusPolicy() & Qt::TabFocus) == 0);
        return widget;
    };
    const std::vector<std::array<int, 3>> steppers{
        {1206, 1228, 1229}, {1207, 1230, 1231}, {1214, 1232, 1233}, {1215, 1234, 1235}};
    for (const DialogId layout : {DialogId::FormNoDiversity, DialogId::FormSpaceDiversity,
                                  DialogId::FormFrequencyDiversity}) {
        QDialog dialog;
        QWidget* form = createForm(formFile(layout), &dialog);
        const auto named = [form](int control) {
            return form->findChild<QWidget*>(QStringLiteral("control_%1").arg(control));
        };
        for (const auto& [field, lower, raise] : steppers) {
            EXPECT_EQ(nextTabStop(named(field)), named(lower)) << field;
            EXPECT_EQ(nextTabStop(named(lower)), named(raise)) << field;
        }
    }
}

} // namespace
} // namespace korvel
