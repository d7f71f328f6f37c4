#include "model/clock_model.h"
#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/options_window.h"
#include "ui/settings_window.h"
#include "widgets/highlight_bar.h"
#include "widgets/toggle_chip.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
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
    const auto times = [](int count, const std::function<void()>& act) {
        return [count, act] {
            for (int i = 0; i < count; ++i) {
                act();
            }
        };
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

} // namespace
