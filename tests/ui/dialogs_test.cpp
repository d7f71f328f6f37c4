#include "support/program_test.h"
#include "ui/about_window.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_window.h"
#include "ui/design_chooser_window.h"
#include "ui/hand_colour_window.h"
#include "ui/message_window.h"
#include "ui/options_window.h"
#include "ui/readout_colour_window.h"
#include "ui/settings_window.h"

#include <QCloseEvent>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Window = Dialogs::Window;
using Notice = Dialogs::Notice;
using Step = std::function<void(Dialogs&)>;

Step open(Window window)
{
    return [window](Dialogs& dialogs) {
        switch (window) {
        case Window::Settings:
            dialogs.openSettings();
            break;
        case Window::About:
            dialogs.openAbout();
            break;
        case Window::AlarmList:
            dialogs.openAlarmList();
            break;
        case Window::AlarmEdit:
            dialogs.openAlarmEdit(std::nullopt);
            break;
        case Window::DesignChooser:
            dialogs.openDesignChooser();
            break;
        case Window::HandColour:
            dialogs.openHandColour();
            break;
        case Window::ReadoutColour:
            dialogs.openReadoutColour();
            break;
        case Window::Options:
            dialogs.openOptions();
            break;
        case Window::Message:
        case Window::Clock:
            break;
        }
    };
}

Step notice(Notice notice)
{
    return [notice](Dialogs& dialogs) {
        dialogs.showMessage(u"x"_s, notice);
    };
}

// Closes a window the way the desktop does; its own close button does the same.
Step close(Window window)
{
    return [window](Dialogs& dialogs) {
        QWidget* target = dialogs.dialog(window);
        ASSERT_NE(target, nullptr);
        target->close();
    };
}

struct Case
{
    const char* name;
    std::vector<Step> steps;
    std::vector<Window> disabled; // afterwards; every other open window is enabled

    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class Enabling : public ProgramTest, public ::testing::WithParamInterface<Case>
{};

TEST_P(Enabling, FollowsWhichWindowsAreOpen)
{
    ASSERT_TRUE(app.start());
    for (const Step& step : GetParam().steps) {
        step(dialogs);
    }
    const std::vector<Window>& disabled = GetParam().disabled;
    for (const Window window : {Window::Clock, Window::Settings, Window::About, Window::AlarmList,
                                Window::AlarmEdit, Window::Message, Window::DesignChooser, Window::HandColour,
                                Window::ReadoutColour, Window::Options}) {
        const QWidget* target =
            window == Window::Clock ? static_cast<QWidget*>(&clock) : dialogs.dialog(window);
        const bool expectDisabled = std::find(disabled.begin(), disabled.end(), window) != disabled.end();
        if (target) {
            EXPECT_EQ(target->isEnabled(), !expectDisabled) << int(window);
        } else {
            EXPECT_FALSE(expectDisabled) << int(window) << " is not open";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Enabling,
    ::testing::Values(
        Case{"SettingsDisableTheClock", {open(Window::Settings)}, {Window::Clock}},
        Case{"ClosingTheSettingsEnablesTheClock", {open(Window::Settings), close(Window::Settings)}, {}},
        Case{"AboutDisablesNothing", {open(Window::About)}, {}},
        Case{"OptionsDisableTheSettings",
             {open(Window::Settings), open(Window::Options)},
             {Window::Clock, Window::Settings}},
        Case{"AlarmListDisablesTheSettings",
             {open(Window::Settings), open(Window::AlarmList)},
             {Window::Clock, Window::Settings}},
        Case{"ClosingTheListEnablesTheSettings",
             {open(Window::Settings), open(Window::AlarmList), close(Window::AlarmList)},
             {Window::Clock}},
        Case{"EditWindowDisablesTheList",
             {open(Window::Settings), open(Window::AlarmList), open(Window::AlarmEdit)},
             {Window::Clock, Window::Settings, Window::AlarmList}},
        Case{"ClosingTheEditWindowEnablesTheList",
             {open(Window::Settings), open(Window::AlarmList), open(Window::AlarmEdit),
              close(Window::AlarmEdit)},
             {Window::Clock, Window::Settings}},
        Case{"AnAlarmMessageDisablesTheClock", {notice(Notice::AlarmRang)}, {Window::Clock}},
        Case{
            "ClosingTheAlarmMessageEnablesTheClock", {notice(Notice::AlarmRang), close(Window::Message)}, {}},
        Case{"TheClockWaitsForTheSettingsAfterAnAlarmMessage",
             {open(Window::Settings), notice(Notice::AlarmRang), close(Window::Message)},
             {Window::Clock}},
        Case{"TheClockWaitsForAnAlarmMessageAfterTheSettings",
             {open(Window::Settings), notice(Notice::AlarmRang), close(Window::Settings)},
             {Window::Clock}},
        Case{"ASaveFromTheListHoldsItUntilTheMessageCloses",
             {open(Window::Settings), open(Window::AlarmList), notice(Notice::AlarmsSavedFromList)},
             {Window::Clock, Window::Settings, Window::AlarmList}},
        Case{"ClosingTheSaveMessageEnablesTheList",
             {open(Window::Settings), open(Window::AlarmList), notice(Notice::AlarmsSavedFromList),
              close(Window::Message)},
             {Window::Clock, Window::Settings}},
        Case{"ASaveFromTheEditWindowLeavesTheListFreeWhenItCloses",
             {open(Window::Settings), open(Window::AlarmList), open(Window::AlarmEdit),
              notice(Notice::AlarmsSavedFromEditor), close(Window::AlarmEdit)},
             {Window::Clock, Window::Settings}},
        Case{"ASecondNoticeAddsItsRule",
             {open(Window::Settings), open(Window::AlarmList), notice(Notice::AlarmsSavedFromEditor),
              notice(Notice::AlarmsSavedFromList)},
             {Window::Clock, Window::Settings, Window::AlarmList}},
        Case{"TheDesignChooserDisablesTheSettings",
             {open(Window::Settings), open(Window::DesignChooser)},
             {Window::Clock, Window::Settings}},
        Case{"TheHandColourWindowDisablesTheSettings",
             {open(Window::Settings), open(Window::HandColour)},
             {Window::Clock, Window::Settings}},
        Case{"AConfirmedColourHoldsTheSettingsUntilItsMessageCloses",
             {open(Window::Settings), open(Window::ReadoutColour), notice(Notice::ReadoutColourChanged),
              close(Window::ReadoutColour)},
             {Window::Clock, Window::Settings}},
        Case{"ClosingTheColourMessageEnablesTheSettings",
             {open(Window::Settings), open(Window::HandColour), notice(Notice::HandColoursChanged),
              close(Window::HandColour), close(Window::Message)},
             {Window::Clock}},
        Case{"AWaitingWindowRefusesTheDesktopsClose",
             {open(Window::Settings), open(Window::AlarmList), close(Window::Settings)},
             {Window::Clock, Window::Settings}}),
    [](const auto& info) { return std::string(info.param.name); });

// Every window closes the same way by its own button, by Escape and by the desktop (a
// close event, as the window manager sends it): afterwards every window it held is
// usable again, with the focus on the control that had it (the button that opened it).
struct Closing
{
    Window window;
    const char* button;        // its own close or cancel button
    std::vector<Step> opening; // what opens it
};

enum class Way
{
    Button,
    Escape,
    Desktop
};

class ClosingEachWindow : public ProgramTest, public ::testing::WithParamInterface<std::tuple<Closing, Way>>
{};

TEST_P(ClosingEachWindow, RunsTheSameRulesBothWays)
{
    const auto& [c, way] = GetParam();
    ASSERT_TRUE(app.start());
    for (std::size_t i = 0; i + 1 < c.opening.size(); ++i) {
        c.opening[i](dialogs);
    }
    std::vector<const QWidget*> enabledBefore;
    std::vector<std::pair<const QWidget*, QWidget*>> focusBefore; // a window, its focused control
    for (const Window window : {Window::Clock, Window::Settings, Window::AlarmList}) {
        QWidget* target = window == Window::Clock ? static_cast<QWidget*>(&clock) : dialogs.dialog(window);
        if (target && target->isEnabled()) {
            enabledBefore.push_back(target);
            // Not the first control: that one would take the focus anyway.
            const QList<QAbstractButton*> buttons = target->findChildren<QAbstractButton*>();
            if (!buttons.isEmpty()) {
                buttons.last()->setFocus();
                focusBefore.emplace_back(target, buttons.last());
            }
        }
    }
    c.opening.back()(dialogs);
    QWidget* target = dialogs.dialog(c.window);
    ASSERT_NE(target, nullptr);
    // It belongs to the clock: the window manager keeps it above the clock.
    EXPECT_EQ(target->windowHandle()->transientParent(), clock.windowHandle());

    switch (way) {
    case Way::Desktop: {
        QCloseEvent event;
        QApplication::sendEvent(target, &event);
        ASSERT_TRUE(event.isAccepted());
        break;
    }
    case Way::Escape:
        QTest::keyClick(target, Qt::Key_Escape);
        break;
    case Way::Button: {
        QWidget* button = target->findChild<QWidget*>(QString::fromLatin1(c.button));
        ASSERT_NE(button, nullptr);
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        break;
    }
    }
    EXPECT_EQ(dialogs.dialog(c.window), nullptr);
    for (const QWidget* window : enabledBefore) {
        EXPECT_TRUE(window->isEnabled()) << window->objectName().toStdString();
    }
    for (const auto& [window, focused] : focusBefore) {
        EXPECT_EQ(window->focusWidget(), focused) << window->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ClosingEachWindow,
    ::testing::Combine(
        ::testing::Values(
            Closing{Window::Settings, "closeButton", {open(Window::Settings)}},
            Closing{Window::About, "closeButton", {open(Window::About)}},
            Closing{Window::AlarmList, "closeButton", {open(Window::Settings), open(Window::AlarmList)}},
            Closing{Window::AlarmEdit,
                    "cancelButton",
                    {open(Window::Settings), open(Window::AlarmList), open(Window::AlarmEdit)}},
            Closing{Window::Message, "closeButton", {notice(Notice::AlarmRang)}},
            Closing{Window::Message,
                    "closeButton",
                    {open(Window::Settings), open(Window::AlarmList), notice(Notice::AlarmsSavedFromList)}},
            Closing{
                Window::Message, "closeButton", {open(Window::Settings), notice(Notice::HandColoursChanged)}},
            Closing{
                Window::DesignChooser, "cancelButton", {open(Window::Settings), open(Window::DesignChooser)}},
            Closing{Window::HandColour, "cancelButton", {open(Window::Settings), open(Window::HandColour)}},
            Closing{
                Window::ReadoutColour, "cancelButton", {open(Window::Settings), open(Window::ReadoutColour)}},
            Closing{Window::Options, "closeButton", {open(Window::Settings), open(Window::Options)}}),
        ::testing::Values(Way::Button, Way::Escape, Way::Desktop)));

TEST_F(ProgramTest, DialogsOpenAtMostOneOfEachWindow)
{
    ASSERT_TRUE(app.start());
    EXPECT_EQ(dialogs.openSettings(), dialogs.openSettings());
    EXPECT_EQ(dialogs.openAbout(), dialogs.openAbout());
    EXPECT_EQ(dialogs.openAlarmList(), dialogs.openAlarmList());
    EXPECT_EQ(dialogs.openAlarmEdit(std::nullopt), dialogs.openAlarmEdit(std::nullopt));
    EXPECT_EQ(dialogs.showMessage(u"a"_s, Notice::AlarmRang), dialogs.showMessage(u"b"_s, Notice::AlarmRang));

    // A closed window is gone at once: the next opening makes a new one.
    SettingsWindow* first = dialogs.openSettings();
    dialogs.find<AlarmEditWindow>()->close();
    dialogs.find<AlarmListWindow>()->close();
    first->close();
    EXPECT_EQ(dialogs.find<SettingsWindow>(), nullptr);
    EXPECT_NE(dialogs.openSettings(), first);
}

// Another start of the program opens the settings window where the menu could, and
// brings every open window forward, minimised ones too.
TEST_F(ProgramTest, AnotherStartOpensTheSettingsWindowAndBringsTheOpenOnesForward)
{
    ASSERT_TRUE(app.start());
    clock.setWindowState(clock.windowState() | Qt::WindowMinimized);
    dialogs.answerAnotherStart();
    SettingsWindow* settings = dialogs.find<SettingsWindow>();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_FALSE(clock.isMinimized());

    // Open and minimised, it comes back, and no second one opens.
    for (QWidget* window : {static_cast<QWidget*>(&clock), static_cast<QWidget*>(settings)}) {
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
    }
    dialogs.answerAnotherStart();
    EXPECT_EQ(dialogs.find<SettingsWindow>(), settings);
    EXPECT_FALSE(clock.isMinimized());
    EXPECT_FALSE(settings->isMinimized());
}

TEST_F(ProgramTest, AnotherStartWhileAnAlarmMessageHoldsTheClockOpensNothingNew)
{
    ASSERT_TRUE(app.start());
    MessageWindow* message = dialogs.showMessage(u"起きて"_s, Notice::AlarmRang);
    dialogs.answerAnotherStart();
    EXPECT_EQ(dialogs.find<SettingsWindow>(), nullptr);
    EXPECT_TRUE(message->isVisible());
}

} // namespace
