#include "model/tick_schedule.h"
#include "support/program_test.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int late = tick_schedule::lateness;

class ClockTick : public ProgramTest
{
protected:
    // Starts at 12:00:00.000 of the test day; the colon's rhythm starts there too.
    void start(const QByteArray& secondHandAndTray, const QByteArray& design)
    {
        folder.write(u"set1.zdt"_s, secondHandAndTray);
        folder.write(u"set3.zdt"_s, design);
        platform.setNow(QDateTime(QDate(2024, 5, 17), QTime(12, 0, 0)));
        ASSERT_TRUE(app.start());
    }

    void tickAt(int second, int millisecond)
    {
        platform.setNow(12, 0, second, millisecond);
        clock.tick();
    }
};

TEST(ClockTickRhythm, SleepsUntilWhatTheDesignShowsCanChange)
{
    struct Case
    {
        const char* name;
        QByteArray secondHandAndTray;
        QByteArray design;
        int interval; // after a tick at 12:00:03.005
    };
    const Case cases[] = {
        {"AnalogSecondHand", "1,0\r\n", "0,255,0\r\n", 1000},
        {"LargeAnalogSecondHand", "1,0\r\n", "4,255,1\r\n", 1000},
        {"AnalogWithoutSecondHand", "0,0\r\n", "5,255,0\r\n", 7000},
        {"DigitalBlinkingColon", "1,0\r\n", "1,255,0\r\n", 500},
        {"DigitalSteadyColon", "1,0\r\n", "6,255,1\r\n", 7000},
        {"DigitalWithoutColon", "1,0\r\n", "2,255,2\r\n", 7000},
        {"UnknownDesign", "1,0\r\n", "7,255,0\r\n", 7000},
    };
    for (const Case& c : cases) {
        TempProgramFolder caseFolder;
        caseFolder.write(u"set1.zdt"_s, c.secondHandAndTray);
        caseFolder.write(u"set3.zdt"_s, c.design);
        FakePlatform casePlatform(caseFolder.path());
        casePlatform.setNow(QDateTime(QDate(2024, 5, 17), QTime(12, 0, 0)));
        Application caseApp(casePlatform);
        ASSERT_TRUE(caseApp.start());
        casePlatform.setNow(12, 0, 3, late);
        caseApp.clockWindow().tick();
        EXPECT_EQ(caseApp.clockWindow().tickInterval(), c.interval) << c.name;
    }
}

TEST_F(ClockTick, KeepsItsRhythmAndIsSetAgainWhenItDrifts)
{
    start("1,0\r\n", "0,255,0\r\n");
    const std::pair<int, int> ticks[] = {
        {1, late},      // on time
        {2, late + 9},  // a little late: the timer keeps its interval
        {3, late + 30}, // too late: set for the next second
        {4, late},      // and back to whole seconds
    };
    const int intervals[] = {1000, 1000, 1000 - 30, 1000};
    for (std::size_t i = 0; i < std::size(ticks); ++i) {
        tickAt(ticks[i].first, ticks[i].second);
        EXPECT_EQ(clock.tickInterval(), intervals[i]) << i;
    }
}

TEST_F(ClockTick, ASettingShowsAtOnceAndChangesTheRhythm)
{
    folder.write(u"alm.zdt"_s, "");
    start("0,0\r\n", "0,255,0\r\n");
    tickAt(3, late);
    ASSERT_EQ(clock.tickInterval(), 7000);
    const QImage withoutSecondHand = clock.face().image();

    model.setSecondHand(1);
    EXPECT_NE(clock.face().image(), withoutSecondHand);
    EXPECT_EQ(clock.tickInterval(), 1000);

    model.setDesign(2); // digital, the colon blinking from the start of the clock
    const QImage blinkingPanel = clock.face().panel();
    EXPECT_EQ(clock.tickInterval(), 500);
    model.setColonStyle(2);
    EXPECT_NE(clock.face().panel(), blinkingPanel);
    EXPECT_EQ(clock.tickInterval(), 7000);

    const QImage noBell = clock.face().bellBox();
    ASSERT_TRUE(model.saveAlarms({AlarmRecord{u"07:30"_s, u"1"_s, u"標準"_s, u" 表示 "_s, u"m"_s}}));
    EXPECT_NE(clock.face().bellBox(), noBell);
}

} // namespace
