// The windows beside the pages, offscreen: a modeless dialog keeps taking input while the main
// window is disabled, and the help window shows the guide with its links working.

#include <vector>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

#include "platform/qt/offscreen_app.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_dialog_view.h"
#include "platform/qt/qt_main_window.h"

namespace korvel {
namespace {

class RecordedCommands final : public DialogEvents {
  public:
    void onCommand(ControlId control) override { commands.push_back(control); }
    void onSelectionChanged(ControlId list) override { selections.push_back(list); }
    std::vector<ControlId> commands;
    std::vector<ControlId> selections;
};

class WindowsTest : public ::testing::Test {
  protected:
    void SetUp() override { window.show(); }

    QtMainWindow window;
    QtDialogHost host{window};
};

// Mended: a radio button checked by an accessibility action (toggle, no click) showed checked
// while the page kept the old choice; a row selected without becoming current went unheard.
TEST_F(WindowsTest, AChoiceIsReportedOnceHoweverItWasMade) {
    RecordedCommands presenter;
    auto* view = dynamic_cast<QtDialogView*>(host.createPage(DialogId::RadioPage, presenter));
    ASSERT_NE(view, nullptr);
    view->addListRow(1005, "A");
    view->addListRow(1005, "B");
    auto* ptx2 = qobject_cast<QAbstractButton*>(view->control(1009));
    auto* ptxOther = qobject_cast<QAbstractButton*>(view->control(1014));
    ptx2->toggle();
    QCoreApplication::processEvents();
    ptxOther->click();
    ptxOther->click(); // already checked: still heard (OTHER opens its dialog again)
    view->setChecked(1009, true); // the presenter's own choice is not reported back
    QCoreApplication::processEvents();
    EXPECT_EQ(presenter.commands, (std::vector<ControlId>{1009, 1014, 1014}));

    auto* list = qobject_cast<QListWidget*>(view->control(1005));
    presenter.selections.clear(); // the list taking the focus made its first row current
    list->item(1)->setSelected(true);
    EXPECT_EQ(view->selectedRow(1005), 1);
    EXPECT_EQ(presenter.selections, std::vector<ControlId>{1005});
    host.destroyPage();
}

// Mended: the area around the pages was a Tab stop of its own, where the focus also landed once a
// dialog had closed; now the control that had the focus gets it back.
TEST_F(WindowsTest, TheFocusGoesBackToItsControlAfterADialogAndThePageAreaIsNoTabStop) {
    EXPECT_EQ(window.pageArea()->focusPolicy() & Qt::TabFocus, 0);
    RecordedCommands presenter;
    DialogView* view = host.createPage(DialogId::BasicsPage, presenter);
    ASSERT_NE(view, nullptr);
    view->setFocus(1101);
    view->setWindowEnabled(false);
    window.setEnabled(false);
    window.setEnabled(true);
    view->setWindowEnabled(true);
    EXPECT_EQ(window.focusWidget(), dynamic_cast<QtDialogView*>(view)->control(1101));
    host.destroyPage();
}

TEST_F(WindowsTest, ModelessDialogTakesInputWhileTheMainWindowIsDisabledAndStaysOpenOnCancel) {
    RecordedCommands presenter;
    auto* view = dynamic_cast<QtDialogView*>(host.openModeless(DialogId::AbortPrint, presenter));
    ASSERT_NE(view, nullptr);
    window.setEnabled(false);
    EXPECT_FALSE(window.menuBar()->isEnabled());
    QWidget* dialog = view->window();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Korvel"));

    qobject_cast<QPushButton*>(view->control(kCancelButton))->click();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(view->control(kCancelButton), &escape);
    dialog->close();
    EXPECT_EQ(presenter.commands,
              (std::vector<ControlId>{kCancelButton, kCancelButton, kCancelButton}));
    EXPECT_TRUE(dialog->isVisible()); // the presenter closes it, when the job is over

    QPointer<QWidget> closed = dialog;
    host.closeModeless(*view);
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(closed, nullptr);
    window.setEnabled(true);
    EXPECT_TRUE(window.menuBar()->isEnabled());
}

TEST_F(WindowsTest, HelpWindowShowsTheGuideAndFollowsItsLinks) {
    ASSERT_FALSE(guideContentsFile().isEmpty());
    window.showGuide();
    QWidget* help = window.helpWindow().window();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(window.helpWindow().pageShown(), QStringLiteral("README.md"));
    window.showGuide(); // the same window again
    EXPECT_EQ(window.helpWindow().window(), help);

    auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("guide"));
    ASSERT_NE(browser, nullptr);
    // Links as a click follows them, resolved against the page shown: a heading of the same
    // page, as the contents list links to it, then another page of the guide.
    const auto follow = [browser](const char* link) {
        browser->setSource(browser->source().resolved(QUrl(QString::fromLatin1(link))));
    };
    follow("#getting-started");
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    follow("pages.md");
    EXPECT_EQ(window.helpWindow().pageShown(), QStringLiteral("pages.md"));
    EXPECT_TRUE(browser->toPlainText().startsWith(QStringLiteral("The hop pages")));
}

} // namespace
} // namespace korvel
