#include <functional>

#include "report/date_stamp.h"
#include "ui/basics_page.h"
#include "ui/start_panel.h"
#include "ui/ui_fixture.h"

namespace korvel {
namespace {

using Menu = std::map<Command, bool>;

Menu menuOf(const FakeMainWindow& window) {
    Menu menu;
    for (const Command item : {Command::New, Command::Save, Command::RadioPage,
                               Command::BasicsPage, Command::FormPage, Command::ViewHops}) {
        menu[item] = window.menuEnabled.at(item);
    }
    return menu;
}

Menu menu(bool save, bool radios, bool basics, bool form) {
    return {{Command::New, true},     {Command::Save, save},     {Command::RadioPage, radios},
            {Command::BasicsPage, basics}, {Command::FormPage, form}, {Command::ViewHops, false}};
}

using ShellTest = UiTest;

TEST_F(ShellTest, StartsOnTheStartPanelWithOnlyNewEnabled) {
    EXPECT_EQ(window.title, "Korvel - (untitled)");
    EXPECT_TRUE(window.banner);
    EXPECT_EQ(dialogs.pageForm, DialogId::StartPanel);
    EXPECT_EQ(shell.currentPageId(), 0);
    EXPECT_EQ(menuOf(window), menu(false, false, false, false));
    EXPECT_TRUE(session.app.printerUnavailable);
    EXPECT_TRUE(shell.onShutdownQuery());
    EXPECT_TRUE(messages.events().empty());
}

TEST(ShellStart, UnreadableLibraryEndsTheProgramAfterItsMessage) {
    RecordingMessages messages;
    FakeFileChooser files;
    FakeDialogHost dialogs;
    FakeMainWindow window;
    const IniProfile profile = IniProfile::fromText("");
    Session session({messages, files, dialogs, window, profile}, "/nonexistent/korvel32.lbr");
    Shell shell(session);
    EXPECT_FALSE(shell.start());
    EXPECT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(dialogs.page, nullptr);
}

TEST_F(ShellTest, PagesSetTheMenuAndTheCheckMark) {
    struct Case {
        const char* name;
        bool otherRadio;
        Command page;
        Menu expected;
    };
    const Case cases[] = {
        {"radio", false, Command::RadioPage, menu(true, false, true, false)},
        {"basics", false, Command::BasicsPage, menu(true, true, false, true)},
        {"basics with OTHER", true, Command::BasicsPage, menu(false, true, false, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session.hop.selection.otherRadio = c.otherRadio;
        command(c.page);
        EXPECT_EQ(menuOf(window), c.expected);
        EXPECT_EQ(shell.currentPageId(), static_cast<int>(c.page));
        EXPECT_TRUE(window.menuChecked.at(c.page));
    }
}

TEST_F(ShellTest, APageThatRefusesToLeaveStaysAndKeepsTheMenu) {
    command(Command::BasicsPage);
    type(kHopLengthField, "x");
    command(Command::RadioPage);
    EXPECT_EQ(shell.currentPageId(), 104);
    EXPECT_EQ(menuOf(window), menu(true, true, false, true));
    ASSERT_EQ(dialogs.ran.size(), 1u);
    EXPECT_EQ(dialogs.ran[0].second.title, "Error!");
}

TEST_F(ShellTest, APageThatCannotBeMadeIsReported) {
    dialogs.failPages = true;
    command(Command::RadioPage);
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0], (MessageEvent{MessageEvent::Kind::Box,
                                                 "Low on memory : cannot not create Radiobox",
                                                 "Error", MessageIcon::Error}));
    EXPECT_EQ(dialogs.page, nullptr);
}

// Exit, the close box and the session manager ask the same question.
TEST_F(ShellTest, ExitAsksToSaveOnlyOnAHopPageWithoutTheOtherRadio) {
    struct Case {
        const char* name;
        std::function<void(ShellTest&)> setUp;
        std::vector<MessageAnswer> answers;
        std::vector<std::string> boxes;
        bool quits;
    };
    const std::string question = "Save current data ?";
    const Case cases[] = {
        {"start panel", [](ShellTest&) {}, {}, {}, true},
        {"OTHER radio", [](ShellTest& t) { t.command(Command::RadioPage);
                                           t.session.hop.selection.otherRadio = true; },
         {}, {}, true},
        {"no", [](ShellTest& t) { t.command(Command::RadioPage); }, {MessageAnswer::No},
         {question}, true},
        {"cancel", [](ShellTest& t) { t.command(Command::RadioPage); }, {MessageAnswer::Cancel},
         {question}, false},
        {"yes, Save dialog cancelled", [](ShellTest& t) { t.command(Command::RadioPage); },
         {MessageAnswer::Yes}, {question}, false},
        {"yes, page refuses", [](ShellTest& t) { t.command(Command::BasicsPage);
                                                 t.choose("REFUSED.HOP"); },
         {MessageAnswer::Yes}, {question, "Invalid value : Hop length."}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        command(Command::New);
        c.setUp(*this);
        messages.clear();
        window.quitCode.reset();
        for (const MessageAnswer answer : c.answers) {
            messages.scriptAnswer(answer);
        }
        command(Command::Exit);
        EXPECT_EQ(boxTexts(), c.boxes);
        EXPECT_EQ(window.quitCode.has_value(), c.quits);
    }
    // The Save dialog made REFUSED.HOP; the refused page must not leave it behind empty.
    EXPECT_FALSE(std::filesystem::exists(folder / "REFUSED.HOP"));
}

TEST_F(ShellTest, SaveNamesTheWindowAndNewForgetsTheName) {
    command(Command::RadioPage);
    choose("HOP1.HOP");
    command(Command::Save);
    EXPECT_EQ(window.title, "Korvel - HOP1.HOP");
    EXPECT_EQ(std::filesystem::file_size(folder / "HOP1.HOP"), 682u);
    EXPECT_EQ(files.uses, std::vector{FileDialogUse::SaveHop});
    // A cancelled Save dialog forgets the name; the title shows it until the next update.
    command(Command::Save);
    EXPECT_TRUE(session.app.currentHopFileName.empty());
    EXPECT_EQ(window.title, "Korvel - HOP1.HOP");

    messages.scriptAnswer(MessageAnswer::No);
    command(Command::New);
    EXPECT_EQ(window.title, "Korvel - (untitled)");
    EXPECT_EQ(dialogs.pageForm, DialogId::StartPanel);
    EXPECT_EQ(menuOf(window), menu(false, false, false, false));
    EXPECT_TRUE(window.banner);
}

TEST_F(ShellTest, SaveWritesNothingWhenThePageRefuses) {
    command(Command::BasicsPage);
    type(kLongitudeField, "181");
    std::ofstream(folder / "OLD.HOP") << "old";
    choose("OLD.HOP");
    command(Command::Save);
    choose("NEW.HOP");
    command(Command::Save);
    EXPECT_EQ(std::filesystem::file_size(folder / "OLD.HOP"), 3u);
    // Mended: the empty file the Save dialog created is removed again.
    EXPECT_FALSE(std::filesystem::exists(folder / "NEW.HOP"));
    EXPECT_EQ(window.title, "Korvel - (untitled)");
}

TEST_F(ShellTest, SaveIntoAMissingFolderIsUnableToCreate) {
    command(Command::RadioPage);
    files.answers.push_back(ChosenFile{(folder / "none" / "A.HOP").string(), "A.HOP"});
    command(Command::Save);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Unable to create " +
                                                   (folder / "none" / "A.HOP").string()});
}

TEST_F(ShellTest, NewWithTheOtherRadioWarnsInsteadOfAsking) {
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Ok}) {
        command(Command::RadioPage);
        session.hop.selection.otherRadio = true;
        messages.clear();
        messages.scriptAnswer(answer);
        command(Command::New);
        ASSERT_EQ(messages.boxes().size(), 1u);
        EXPECT_EQ(messages.boxes()[0].text, "All data will be lost.");
        EXPECT_EQ(messages.boxes()[0].buttons, MessageButtons::OkCancel);
        EXPECT_EQ(messages.boxes()[0].icon, MessageIcon::Warning);
        EXPECT_EQ(session.hop.selection.otherRadio, answer == MessageAnswer::Cancel);
    }
    EXPECT_EQ(shell.currentPageId(), 0);
}

TEST_F(ShellTest, AboutNamesTheLibrary) {
    dialogs.press(DialogId::About, {kOkButton});
    command(Command::About);
    ASSERT_EQ(dialogs.ran.size(), 1u);
    EXPECT_EQ(dialogs.ran[0].second.text(1002), "Current library: Test library 1");
    EXPECT_EQ(dialogs.ran[0].second.endResult, kOkButton);
}

TEST_F(ShellTest, DateSettingsFollowTheProfile) {
    const DateOrder before = session.dateSettings.order;
    profile = IniProfile::fromText("[intl]\niDate=5\nsDate=/-\niLzero=1\n");
    shell.onSettingsChanged();
    EXPECT_EQ(session.dateSettings.order, before);
    EXPECT_EQ(session.dateSettings.separator, '/');
    EXPECT_TRUE(session.dateSettings.leadingZero);
    profile = IniProfile::fromText("[intl]\niDate=2\n");
    shell.onSettingsChanged();
    EXPECT_EQ(session.dateSettings.order, DateOrder::YearMonthDay);
}

} // namespace
} // namespace korvel
