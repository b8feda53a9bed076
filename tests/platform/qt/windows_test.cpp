// The windows beside the pages, offscreen: a modeless dialog keeps taking input while the main
// window is disabled, and the help window shows the guide with its links working.

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDockWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

#include "platform/qt/offscreen_app.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_dialog_view.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_results_window.h"
#include "platform/qt/qt_text.h"
#include "ui/form_registry.h"

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
    QtDialogHost host{window, formFile};
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
    ptxOther->click();            // already checked: still heard (OTHER opens its dialog again)
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

// Mended: a value label blank on screen was still announced by its name, as if it said something.
TEST_F(WindowsTest, AValueLabelIsAnnouncedWithItsValueAndNotAtAllWhenBlank) {
    RecordedCommands presenter;
    auto* view = dynamic_cast<QtDialogView*>(host.createPage(DialogId::FormNoDiversity, presenter));
    ASSERT_NE(view, nullptr);
    QWidget* feeder = view->control(1252);
    EXPECT_EQ(feeder->accessibleName(), QString());
    view->setText(1252, "EWG 13");
    EXPECT_EQ(feeder->accessibleName(), QStringLiteral("Feeder 1 type: EWG 13"));
    view->setText(1252, " ");
    EXPECT_EQ(feeder->accessibleName(), QString());
    host.destroyPage();
}

// Fixed: a text with a character Windows-1252 cannot hold was read as "?" with nothing said; the
// view now tells so, after composing accents typed as combining marks.
TEST_F(WindowsTest, AnEditTellsWhetherWindows1252HoldsItsText) {
    RecordedCommands presenter;
    auto* view = dynamic_cast<QtDialogView*>(host.createPage(DialogId::BasicsPage, presenter));
    ASSERT_NE(view, nullptr);
    auto* info = qobject_cast<QLineEdit*>(view->control(1121));
    ASSERT_NE(info, nullptr);
    for (const auto& [typed, fits] : {std::pair{QStringLiteral("Cafe\u0301 \u20AC 5"), true},
                                      std::pair{QStringLiteral("Gda\u0144sk"), false},
                                      std::pair{QStringLiteral("\U0001F4E1"), false}}) {
        info->setText(typed);
        EXPECT_EQ(view->textFits(1121), fits) << typed.toStdString();
    }
    EXPECT_TRUE(view->textFits(1125)); // a label is no edit: nothing typed to refuse
    host.destroyPage();
}

TEST_F(WindowsTest, ANumberEntryTakesOnlyWhatCanMakeANumberAsTyped) {
    RecordedCommands presenter;
    auto* view = dynamic_cast<QtDialogView*>(host.createPage(DialogId::BasicsPage, presenter));
    ASSERT_NE(view, nullptr);
    view->setNumberEntry(1101);
    auto* length = qobject_cast<QLineEdit*>(view->control(1101));
    ASSERT_NE(length, nullptr);
    length->clear();
    for (const QChar typed : QStringLiteral("-1x2.5.,e3 -")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(typed));
        QCoreApplication::sendEvent(length, &key);
    }
    EXPECT_EQ(length->text(), QStringLiteral("-12.53"));
    view->setText(1101, "4x"); // the program's own text is shown as it is
    EXPECT_EQ(view->text(1101), "4x");
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

// Mended: Ctrl+V opened View hops instead of pasting into the field.
TEST_F(WindowsTest, MenuKeysAreTheStandardOnesAndLeaveTheEditingKeysToTheFields) {
    EXPECT_EQ(window.menuAction(Command::Open)->shortcut(), QKeySequence(QKeySequence::Open));
    // Set, not left to the platform theme, which may give Save As none.
    EXPECT_EQ(window.menuAction(Command::SaveAs)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(window.menuAction(Command::Exit)->shortcut(), QKeySequence(QKeySequence::Quit));
    QList<QKeySequence> taken;
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (action->shortcut().isEmpty()) {
            continue;
        }
        EXPECT_FALSE(taken.contains(action->shortcut())) << action->text().toStdString();
        taken << action->shortcut();
        for (const auto editing :
             {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Undo,
              QKeySequence::Redo, QKeySequence::SelectAll, QKeySequence::Find}) {
            EXPECT_FALSE(QKeySequence::keyBindings(editing).contains(action->shortcut()))
                << action->text().toStdString();
        }
    }
}

class RecordedOpens final : public MainWindowEvents {
  public:
    void onCommand(Command) override {}
    bool onCloseRequest() override { return true; }
    bool onShutdownQuery() override { return true; }
    void onSettingsChanged() override {}
    void onOpenFile(const std::string& path) override { opened.push_back(path); }
    std::vector<std::string> opened;
};

TEST_F(WindowsTest, AHopOrRouteFileDroppedOnTheWindowOpensAndOtherFilesAreRefused) {
    RecordedOpens events;
    window.setEvents(&events);
    for (const char* path : {"/data/notes.txt", "/data/LINK7.HOP", "/data/coast.rou"}) {
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QString::fromLatin1(path))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
        EXPECT_EQ(enter.isAccepted(), std::string_view(path) != "/data/notes.txt") << path;
    }
    window.setEvents(nullptr);
    EXPECT_EQ(events.opened, (std::vector<std::string>{"/data/LINK7.HOP", "/data/coast.rou"}));
}

TEST_F(WindowsTest, ALongStatusIsElidedInTheMiddleNeverCut) {
    const std::string folder = "/a/very/long/folder/name/that/goes/on/and/on/and/on/and/on/";
    window.setStatus("Route: " + folder + "END.ROU  |  Library: Korvel sample 1");
    window.resize(300, 200);
    QCoreApplication::processEvents();
    const auto* status = window.findChild<QLabel*>(QStringLiteral("status"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("Route: ")))
        << status->text().toStdString();
    EXPECT_TRUE(status->text().endsWith(QStringLiteral("sample 1")))
        << status->text().toStdString();
    EXPECT_TRUE(status->text().contains(QChar(0x2026)));
    EXPECT_EQ(window.statusText().toStdString(),
              "Route: " + folder + "END.ROU  |  Library: Korvel sample 1");
}

// Fixed: the print options showed a long folder cut after 50 characters.
TEST_F(WindowsTest, AFolderTooLongForItsLabelKeepsBothEndsAndIsReadWhole) {
    RecordedCommands presenter;
    auto* view = dynamic_cast<QtDialogView*>(host.openModeless(DialogId::PrintOptions, presenter));
    ASSERT_NE(view, nullptr);
    const QString folder = QStringLiteral("/home/planner/") + QString(80, QLatin1Char('d')) +
                           QStringLiteral("/Route north");
    view->setElidedInMiddle(1603);
    view->setText(1603, toCp1252(folder));
    auto* label = qobject_cast<QLabel*>(view->control(1603));
    ASSERT_NE(label, nullptr);
    const auto shownAt = [&](int width) {
        label->resize(width, label->height());
        return label->text();
    };
    QCoreApplication::processEvents();
    const QString narrow = label->text(); // as the dialog lays it out
    EXPECT_TRUE(narrow.startsWith(QStringLiteral("/home/")) &&
                narrow.endsWith(QStringLiteral("Route north")) && narrow.contains(QChar(0x2026)))
        << narrow.toStdString();
    EXPECT_EQ(shownAt(2000), folder);
    EXPECT_NE(shownAt(300), folder);
    EXPECT_EQ(toQString(view->text(1603)), folder);
    EXPECT_EQ(label->toolTip(), folder);
    EXPECT_TRUE(label->accessibleName().endsWith(folder));
    EXPECT_EQ(label->accessibleDescription(), folder);
    host.closeModeless(*view);
}

// Fixed: a page kept the size it had when it opened, so a feeder type filled in afterwards
// showed cut ("EWG 15" as "EWG 1").
TEST_F(WindowsTest, APageGrowsWithALabelFilledInAfterItOpened) {
    RecordedCommands presenter;
    auto* view = host.createPage(DialogId::FormSpaceDiversity, presenter);
    ASSERT_NE(view, nullptr);
    QCoreApplication::processEvents();
    view->setText(1252, "A feeder type with a long name");
    for (int level = 0; level < 8; ++level) { // one posted request per level of layouts
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    const auto* label = window.findChild<QLabel*>(QStringLiteral("control_1252"));
    ASSERT_NE(label, nullptr);
    EXPECT_GE(label->width(), label->sizeHint().width());
    host.destroyPage();
}

// The settings live in the folder the test gives, never in the user's own.
TEST(MainWindowLayout, SizeAndDocksAreRememberedAndTheResultsDockStartsClosed) {
    QTemporaryDir settings;
    ASSERT_TRUE(settings.isValid());
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    {
        QtMainWindow first;
        QtResultsWindow results(&first);
        first.show();
        results.show();
        first.resize(900, 700);
        QCoreApplication::processEvents();
        EXPECT_NE(results.window(), nullptr);
        first.saveLayout();
    }
    QtMainWindow second;
    QtResultsWindow results(&second);
    second.restoreLayout();
    EXPECT_EQ(second.size(), QSize(900, 700));
    EXPECT_FALSE(results.isOpen());
    EXPECT_FALSE(second.findChild<QDockWidget*>(QStringLiteral("results"))->isVisible());
}

// Fixed: a recent file whose name is not UTF-8 came back from the settings as another name.
TEST(MainWindowLayout, RecentFilesKeepTheirBytesBetweenRuns) {
    QTemporaryDir settings;
    ASSERT_TRUE(settings.isValid());
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const std::vector<std::string> recent{"/hops/caf\xE9.HOP", "/hops/\xE6\x9D\xB1.HOP"};
    {
        QtMainWindow first;
        first.setRecentFiles(recent);
    }
    const QtMainWindow second;
    EXPECT_EQ(second.recentFiles(), recent);
}

// Fixed: the window widened by the dock at every calculation, and kept the grown size. (Floating
// where the screen has room: scenario results_dock_room.)
TEST(MainWindowLayout, ResultsTakeTheirRoomFromTheWindowBesideOrBelowThePageOrFloat) {
    QtMainWindow window;
    QtResultsWindow results(&window);
    window.show();
    window.resize(760, 760);
    auto* dock = window.findChild<QDockWidget*>(QStringLiteral("results"));
    const auto opened = [&](QSize pageSize) {
        results.close();
        auto* page = new QWidget(window.pageArea());
        page->setFixedSize(pageSize);
        window.showPage(page, false);
        QCoreApplication::processEvents();
        const QSize beforeResults = window.size();
        results.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(window.size(), beforeResults);
        return dock->isFloating() ? Qt::NoDockWidgetArea : window.dockWidgetArea(dock);
    };
    EXPECT_EQ(opened({300, 100}), Qt::RightDockWidgetArea);
    EXPECT_EQ(opened({700, 100}), Qt::BottomDockWidgetArea);
    // No room below the page either, and none free beside the window on this small screen: the
    // results stay below at their least height rather than float over the page, which scrolls.
    EXPECT_EQ(opened({700, 600}), Qt::BottomDockWidgetArea);
    EXPECT_LT(dock->height(), window.height() / 2);
    EXPECT_EQ(opened({300, 100}), Qt::RightDockWidgetArea);
}

// Fixed: "e" with a combining acute accent was stored as "e?" while the field showed "é".
TEST(QtText, AccentsTypedAsCombiningMarksAreComposedForWindows1252) {
    EXPECT_EQ(toCp1252(QStringLiteral("Cafe\u0301 A\u030A")), "Caf\xE9 \xC5");
}

} // namespace
} // namespace korvel
