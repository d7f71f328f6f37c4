#include "support/allocation_counter.h"
#include "support/program_test.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The clock ticks all day long, up to twice a second: once warmed up, its ticks
// allocate nothing, neither in its own work nor in setting its timer, at 1x and at 2x,
// at the size as designed and made larger.
namespace {

struct Setting
{
    const char* name;
    QByteArray secondHandAndTray;
    QByteArray design;
    int sizePercent = 100;

    friend void PrintTo(const Setting& s, std::ostream* os) { *os << s.name; }
};

class TickAllocations : public ProgramTest, public ::testing::WithParamInterface<Setting>
{
protected:
    void SetUp() override
    {
        folder.write(u"set1.zdt"_s, GetParam().secondHandAndTray);
        folder.write(u"set3.zdt"_s, GetParam().design);
        folder.write(u"alm.zdt"_s, "\"06:30\",1,\"標準\",\" 表示 \",\"m\"\r\n");
        folder.write(u"options.ini"_s, "[gadget]\nsize=" + QByteArray::number(GetParam().sizePercent) + "\n");
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(12, 0, 0)));
        setClock();
        ASSERT_TRUE(app.start());
        // This program runs at 1x and again on a screen scaled to 200 %: the face is drawn
        // at the screen's scale times the clock's size.
        ASSERT_EQ(clock.face().image().devicePixelRatio(),
                  (qEnvironmentVariable("QT_SCALE_FACTOR") == u"2"_s ? 2 : 1) * GetParam().sizePercent /
                      100.0);
        // Warm up: the first redraws make the images, pens and texts they reuse.
        tickAsTheTimerDoes(3);
    }

    // Ticks at the moments the clock's timer would deliver them.
    void tickAsTheTimerDoes(int count)
    {
        for (int i = 0; i < count; ++i) {
            elapsed += heartbeat.interval();
            setClock();
            heartbeat.beat();
        }
    }

    // 12:00:00.040 and `elapsed` ms, within the hour (a QDateTime would allocate).
    void setClock()
    {
        const int since = 40 + elapsed;
        desktop.clock.setNow(12, since / 60'000, since / 1000 % 60, since % 1000);
    }

    int elapsed = 0;
};

TEST_P(TickAllocations, TicksAllocateNothing)
{
    const AllocationCount count;
    tickAsTheTimerDoes(8);
    EXPECT_EQ(count.allocations(), 0u);
}

TEST(AllocationCount, SeesAllocationsMadeInsideQt)
{
    const AllocationCount count;
    const QString text = QString::number(123456789).repeated(4);
    EXPECT_GE(count.allocations(), 1u);
    EXPECT_FALSE(text.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Settings, TickAllocations,
                         ::testing::Values(Setting{"SmallAnalog", "1,0\r\n", "0,255,0\r\n"},
                                           Setting{"LargeAnalog", "1,0\r\n", "5,255,0\r\n"},
                                           Setting{"AnalogWithoutSecondHand", "0,0\r\n", "4,255,0\r\n"},
                                           Setting{"DigitalBlinking", "1,0\r\n", "2,255,0\r\n"},
                                           Setting{"DigitalSteady", "1,0\r\n", "6,255,1\r\n"},
                                           Setting{"AnalogAt200", "1,0\r\n", "5,255,0\r\n", 200},
                                           Setting{"DigitalAt200", "1,0\r\n", "2,255,0\r\n", 200},
                                           Setting{"AnalogAt125", "1,0\r\n", "0,255,0\r\n", 125},
                                           Setting{"DigitalAt150", "1,0\r\n", "6,255,0\r\n", 150}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
