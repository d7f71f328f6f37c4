#include "alarms/form4.h"
#include "clock/form1.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"
#include "widgets/image_button.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Ringing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.write(u"alm.zdt"_s, alarms);
        platform.setNow(QDateTime(QDate(2024, 5, 17), QTime(7, 4, 59)));
        ASSERT_TRUE(clock.start());
    }

    void TearDown() override
    {
        if (clock.windows.form4) {
            delete clock.windows.form4.data();
        }
    }

    // One alarm tick at hh:mm:ss of the test day.
    void tickAt(int hour, int minute, int second)
    {
        platform.setNow(QDateTime(QDate(2024, 5, 17), QTime(hour, minute, second)));
        clock.alarmTick();
    }

    Form4* messageWindow() const { return clock.windows.form4; }

    QByteArray alarms = "\"07:05\",1,\"標準\",\" 表示 \",\"起きて\"\r\n";
    TempProgramFolder folder;
    FakePlatform platform{folder.path()};
    Form1 clock{platform};
};

TEST_F(Ringing, StandardSoundWithMessageBeepsOnceAndShowsTheMessage)
{
    tickAt(7, 4, 59);
    EXPECT_EQ(messageWindow(), nullptr);

    tickAt(7, 5, 0);

    ASSERT_NE(messageWindow(), nullptr);
    EXPECT_TRUE(messageWindow()->isVisible());
    EXPECT_EQ(messageWindow()->text(), u"起きて\n\n設定時刻  07：05"_s);
    EXPECT_TRUE(messageWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(platform.playedWaves.isEmpty());
    EXPECT_EQ(clock.Fm1Show, 0);
    EXPECT_FALSE(clock.isEnabled());

    // The rest of the minute brings no second ring.
    for (int second = 1; second < 60; ++second) {
        tickAt(7, 5, second);
    }
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(Ringing, ClosingTheMessageEnablesTheClockUnlessTheSettingsWindowIsOpen)
{
    for (const int settingsOpen : {0, 1}) {
        clock.setEnabled(true);
        clock.Fm3Show = settingsOpen;
        Form4* window = Form4::showMessage(clock, u"x"_s);
        clock.setEnabled(false);
        QTest::mousePress(window->closeButton(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(window->closeButton(), Qt::LeftButton, {}, QPoint(5, 5));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(clock.windows.form4, nullptr);
        EXPECT_EQ(clock.isEnabled(), settingsOpen == 0) << settingsOpen;
    }
}

TEST_F(Ringing, ASecondShowingKeepsTheFirstMessage)
{
    Form4* first = Form4::showMessage(clock, u"一つ目"_s);
    Form4* second = Form4::showMessage(clock, u"二つ目"_s);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->text(), u"一つ目"_s);
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(Ringing, MovingOverTheMessageReleasesAPressedButton)
{
    Form4* window = Form4::showMessage(clock, u"x"_s);
    QTest::mousePress(window->closeButton(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(window->BtnDown, 1);
    QWidget* label = window->childAt(QPoint(120, 30));
    ASSERT_NE(label, nullptr);
    QTest::mouseMove(label, QPoint(10, 10));
    EXPECT_EQ(window->BtnDown, 0);
}

struct SoundCase
{
    const char* name;
    QByteArray alarm;
    bool unplayable;
    QStringList played;
    int beeps;
    bool message;
    int Fm1Show;

    friend void PrintTo(const SoundCase& c, std::ostream* os) { *os << c.name; }
};

class RingingSound : public ::testing::TestWithParam<SoundCase>
{};

TEST_P(RingingSound, PlaysWhatTheAlarmAsksFor)
{
    const SoundCase& c = GetParam();
    TempProgramFolder folder;
    folder.write(u"alm.zdt"_s, c.alarm);
    FakePlatform platform(folder.path());
    if (c.unplayable) {
        platform.unplayableWaves.append(u"/snd/alarm.wav"_s);
    }
    platform.setNow(QDateTime(QDate(2024, 5, 17), QTime(7, 5, 20)));
    Form1 clock(platform);
    ASSERT_TRUE(clock.start());

    clock.alarmTick();

    EXPECT_EQ(platform.playedWaves, c.played);
    EXPECT_EQ(platform.beeps, c.beeps);
    EXPECT_EQ(clock.windows.form4 != nullptr, c.message);
    EXPECT_EQ(clock.isEnabled(), !c.message);
    EXPECT_EQ(clock.Fm1Show, c.Fm1Show);
    delete clock.windows.form4.data();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RingingSound,
    ::testing::Values(
        SoundCase{"WaveWithMessage",
                  "\"07:05\",1,\"/snd/alarm.wav\",\" 表示 \",\"m\"\r\n",
                  false,
                  {u"/snd/alarm.wav"_s},
                  0,
                  true,
                  1},
        SoundCase{"WaveSilently",
                  "\"07:05\",1,\"/snd/alarm.wav\",\"非表示\",\"m\"\r\n",
                  false,
                  {u"/snd/alarm.wav"_s},
                  0,
                  false,
                  1},
        SoundCase{"StandardSilently", "\"07:05\",1,\"標準\",\"非表示\",\"m\"\r\n", false, {}, 0, false, 0},
        SoundCase{"UnplayableWaveBeepsOnce",
                  "\"07:05\",1,\"/snd/alarm.wav\",\" 表示 \",\"m\"\r\n",
                  true,
                  {},
                  1,
                  true,
                  1},
        SoundCase{"EmptySoundIsStandard", "\"07:05\",1,\"\",\" 表示 \",\"m\"\r\n", false, {}, 1, true, 0},
        SoundCase{"Disabled", "\"07:05\",0,\"/snd/alarm.wav\",\" 表示 \",\"m\"\r\n", false, {}, 0, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Suzu, BellFollowsTheEnabledFlags)
{
    struct Case
    {
        QByteArray file;
        int SuzuOn;
    };
    const Case cases[] = {
        {"", 0},
        {"\"07:05\",0,\"標準\",\" 表示 \",\"m\"\r\n", 0},
        {"\"07:05\",0,\"標準\",\" 表示 \",\"m\"\r\n\"08:05\",1,\"標準\",\" 表示 \",\"m\"\r\n", 1},
        {"\"07:05\",\"1\",\"標準\",\" 表示 \",\"m\"\r\n", 1},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        folder.write(u"alm.zdt"_s, c.file);
        FakePlatform platform(folder.path());
        Form1 clock(platform);
        ASSERT_TRUE(clock.start());
        EXPECT_EQ(clock.SuzuOn, c.SuzuOn) << c.file.constData();
    }
}

TEST(AlarmTick, IntervalFollowsTheSecond)
{
    TempProgramFolder folder;
    FakePlatform platform(folder.path());
    Form1 clock(platform);
    ASSERT_TRUE(clock.start());
    const std::pair<int, int> ticks[] = {{57, 250}, {58, 1200}, {59, 1200}, {0, 1200}, {2, 1200}, {3, 250}};
    for (const auto& [second, interval] : ticks) {
        platform.setNow(12, 0, second);
        clock.alarmTick();
        EXPECT_EQ(clock.alarmTickInterval(), interval) << second;
    }
}

} // namespace
