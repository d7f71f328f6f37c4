#include "face/designs.h"
#include "model/clock_model.h"
#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/notice_texts.h"
#include "ui/options_window.h"
#include "ui/settings_window.h"
#include "widgets/highlight_bar.h"
#include "widgets/toggle_chip.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class OptionsWindowTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.start());
        settings = dialogs.openSettings();
        clicks::click(child(settings, "optionsButton"));
        window = dialogs.find<OptionsWindow>();
        ASSERT_NE(window, nullptr);
    }

    void press(const char* name)
    {
        auto* bar = child<HighlightBar>(window, name);
        const QPoint at = bar->captionRect().center();
        clicks::moveTo(bar, at);
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    }
    QString shown(const char* name) const { return child<QLabel>(window, name)->text(); }

    SettingsWindow* settings = nullptr;
    OptionsWindow* window = nullptr;
};

// Does `act` `count` times.
std::function<void()> times(int count, const std::function<void()>& act)
{
    return [count, act] {
        for (int i = 0; i < count; ++i) {
            act();
        }
    };
}

// Opened from the settings window, which waits for it, each control changes the model at
// once and shows what it holds: the snooze length within 1 to 30, the chime and its quiet
// hours round the clock, its sound checked when chosen.
TEST_F(OptionsWindowTest, EachControlSetsItsOptionAndShowsIt)
{
    EXPECT_FALSE(settings->isEnabled());
    const QString bell = u"/snd/鐘.wav"_s;
    const QString broken = u"/snd/壊れた.wav"_s;
    desktop.sound.unplayableWaves.insert(broken, WaveProblem::NotWave);
    struct Step
    {
        const char* name;
        std::function<void()> act;
        int snooze;
        Chime chime;
    };
    const std::vector<Step> steps = {
        {"AsStored", [] {}, 5, {}},
        {"Longer", [&] { press("snoozeLengthUp"); }, 6, {}},
        {"NoLongerThan30", times(30, [&] { press("snoozeLengthUp"); }), 30, {}},
        {"NoShorterThan1", times(35, [&] { press("snoozeLengthDown"); }), 1, {}},
        {"ChimeOn", [&] { clicks::click(child(window, "chime")); }, 1, {.on = true}},
        {"QuietHoursChosen",
         [&] { clicks::click(child(window, "quietHours")); },
         1,
         {.on = true, .keepsQuiet = true}},
        {"FromRoundMidnight",
         times(3, [&] { press("quietFromUp"); }),
         1,
         {.on = true, .keepsQuiet = true, .quiet = {1, 7}}},
        {"ToBeforeMidnight",
         times(8, [&] { press("quietToDown"); }),
         1,
         {.on = true, .keepsQuiet = true, .quiet = {1, 23}}},
        {"AWaveFile",
         [&] {
             desktop.questions.fileChoices = {bell};
             press("chimeChooseWave");
         },
         1,
         {.on = true, .waveFile = bell, .keepsQuiet = true, .quiet = {1, 23}}},
        {"AFileThatCannotPlayIsRefused",
         [&] {
             desktop.questions.fileChoices = {broken};
             press("chimeChooseWave");
             EXPECT_EQ(desktop.questions.messages.size(), 1u);
         },
         1,
         {.on = true, .waveFile = bell, .keepsQuiet = true, .quiet = {1, 23}}},
        {"StandardAgain",
         [&] { press("chimeStandardSound"); },
         1,
         {.on = true, .keepsQuiet = true, .quiet = {1, 23}}},
        {"ChimeOff",
         [&] { clicks::click(child(window, "chime")); },
         1,
         {.keepsQuiet = true, .quiet = {1, 23}}},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(model.snoozeLength().minutes(), step.snooze) << step.name;
        EXPECT_EQ(model.chime(), step.chime) << step.name;
        EXPECT_EQ(shown("snoozeLength"), QString::number(step.snooze)) << step.name;
        EXPECT_EQ(shown("quietFrom"), QString::number(step.chime.quiet.from)) << step.name;
        EXPECT_EQ(shown("quietTo"), QString::number(step.chime.quiet.to)) << step.name;
        EXPECT_EQ(child<ToggleChip>(window, "chime")->isChecked(), step.chime.on) << step.name;
        EXPECT_EQ(child<ToggleChip>(window, "quietHours")->isChecked(), step.chime.keepsQuiet) << step.name;
        EXPECT_EQ(child<QLineEdit>(window, "chimeSoundField")->text(),
                  step.chime.waveFile.value_or(u"標準"_s))
            << step.name;
    }
    clicks::click(child(window, "closeButton"));
    EXPECT_EQ(dialogs.find<OptionsWindow>(), nullptr);
    EXPECT_TRUE(settings->isEnabled());
    QSettings stored(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
    EXPECT_EQ(stored.value(u"snooze/minutes"_s).toInt(), 1);
    EXPECT_EQ(stored.value(u"chime/quietTo"_s).toInt(), 23);
}

// The clock's own rows: its size through the steps of its table, its opacity in tens
// from 100 down to 30, opaque while the pointer is over it, and click-through, each on the
// clock window at once and kept in the options file. While click-through is on, the tray
// icon is there (the stored tray setting stays off) with the menu's way back, and its
// beginning says how to get back.
TEST_F(OptionsWindowTest, TheClockRowsSetTheClockAndShowIt)
{
    model.setTrayIcon(false);
    const QByteArray trayFile = folder.read(u"set1.zdt"_s);
    const QSize designed = designs::find(model.settings().design)->size;
    QAction* endClickThrough = nullptr;
    for (QAction* action : app.menu().menu().actions()) {
        if (action->text() == u"クリック透過をやめる"_s) {
            endClickThrough = action;
        }
    }
    ASSERT_NE(endClickThrough, nullptr);
    struct Step
    {
        const char* name;
        std::function<void()> act;
        int size;
        int opacity;
        bool opaqueUnderPointer;
        bool clickThrough;
        int windowOpacity;
    };
    const auto pointerComes = [this] {
        const QPointF middle(clock.width() / 2.0, clock.height() / 2.0);
        QEnterEvent event(middle, middle, clock.mapToGlobal(middle));
        QApplication::sendEvent(&clock, &event);
    };
    const auto pointerGoes = [this] {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&clock, &event);
    };
    const std::vector<Step> steps = {
        {"AsStored", [] {}, 100, 100, false, false, 100},
        {"Larger", [&] { press("clockSizeUp"); }, 125, 100, false, false, 100},
        {"NoLargerThan200", times(4, [&] { press("clockSizeUp"); }), 200, 100, false, false, 100},
        {"Fainter", [&] { press("opacityDown"); }, 200, 90, false, false, 90},
        {"NoFainterThan30", times(8, [&] { press("opacityDown"); }), 200, 30, false, false, 30},
        {"LessFaint", [&] { press("opacityUp"); }, 200, 40, false, false, 40},
        {"PointerOverWithoutTheChip", pointerComes, 200, 40, false, false, 40},
        {"OpaqueUnderThePointer", [&] { clicks::click(child(window, "opaqueUnderPointer")); }, 200, 40, true,
         false, 100},
        {"PointerGone", pointerGoes, 200, 40, true, false, 40},
        {"ClickThrough", [&] { clicks::click(child(window, "clickThrough")); }, 200, 40, true, true, 40},
        {"EndedFromTheMenu", [&] { endClickThrough->trigger(); }, 200, 40, true, false, 40},
        {"Smaller", [&] { press("clockSizeDown"); }, 150, 40, true, false, 40},
        {"ClickThroughAgain", [&] { clicks::click(child(window, "clickThrough")); }, 150, 40, true, true, 40},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(model.clockSize().percent(), step.size) << step.name;
        EXPECT_EQ(model.opacity().percent, step.opacity) << step.name;
        EXPECT_EQ(model.opaqueUnderPointer(), step.opaqueUnderPointer) << step.name;
        EXPECT_EQ(model.clickThrough(), step.clickThrough) << step.name;
        EXPECT_EQ(shown("clockSize"), QString::number(step.size)) << step.name;
        EXPECT_EQ(shown("opacity"), QString::number(step.opacity)) << step.name;
        EXPECT_EQ(child<ToggleChip>(window, "opaqueUnderPointer")->isChecked(), step.opaqueUnderPointer)
            << step.name;
        EXPECT_EQ(child<ToggleChip>(window, "clickThrough")->isChecked(), step.clickThrough) << step.name;
        EXPECT_EQ(clock.size(), designed * (step.size / 100.0)) << step.name;
        EXPECT_EQ(qRound(clock.windowHandle()->opacity() * 100), step.windowOpacity) << step.name;
        EXPECT_EQ(clock.windowHandle()->flags().testFlag(Qt::WindowTransparentForInput), step.clickThrough)
            << step.name;
        EXPECT_EQ(desktop.shell.trayIconShown, step.clickThrough) << step.name;
        EXPECT_EQ(endClickThrough->isVisible(), step.clickThrough) << step.name;
    }
    ASSERT_EQ(desktop.questions.messages.size(), 2u);
    EXPECT_EQ(desktop.questions.messages[0].text, notice_text::clickThroughBegun());
    EXPECT_EQ(folder.read(u"set1.zdt"_s), trayFile);
    QSettings stored(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
    EXPECT_EQ(stored.value(u"gadget/size"_s).toInt(), 150);
    EXPECT_EQ(stored.value(u"gadget/opacity"_s).toInt(), 40);
    EXPECT_EQ(stored.value(u"gadget/clickThrough"_s).toString(), u"true"_s);
}

// Where the desktop shows no window's opacity, the opacity row says so; elsewhere it says
// nothing.
TEST_F(OptionsWindowTest, TheOpacityRowSaysWhereTheDesktopShowsNone)
{
    for (const bool composes : {false, true}) {
        clicks::click(child(window, "closeButton"));
        desktop.shell.composes = composes;
        clicks::click(child(settings, "optionsButton"));
        window = dialogs.find<OptionsWindow>();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(child<QLabel>(window, "noOpacityNote")->isVisibleTo(window), !composes) << composes;
    }
}

} // namespace
