#include "support/allocation_counter.h"
#include "support/program_test.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The display and alarm ticks run four times a second all day long: once warmed up,
// they allocate nothing, at 1x and at 2x.
namespace {

class TickAllocations : public ProgramTest, public ::testing::WithParamInterface<int>
{
protected:
    void SetUp() override
    {
        folder.write(u"set3.zdt"_s, QByteArray::number(GetParam()) + ",255,0\r\n");
        folder.write(u"alm.zdt"_s, "\"06:30\",1,\"標準\",\" 表示 \",\"m\"\r\n");
        platform.setNow(QDateTime(QDate(2024, 5, 17), QTime(12, 0, 0)));
        ASSERT_TRUE(app.start());
        // This program runs at 1x and again on a screen scaled to 200 %: the face is drawn
        // at the screen's scale.
        ASSERT_EQ(clock.face().image().devicePixelRatio(),
                  qEnvironmentVariable("QT_SCALE_FACTOR") == u"2"_s ? 2 : 1);
        // Warm up: the first redraws make the images, pens and texts they reuse.
        for (int second = 0; second < 3; ++second) {
            tickAt(second, 0);
        }
    }

    void tickAt(int second, int quarter)
    {
        platform.setNow(12, 0, second);
        for (int i = 0; i <= quarter; ++i) {
            clock.displayTick();
        }
        clock.alarmTick();
    }
};

TEST_P(TickAllocations, TicksWithinASecondAllocateNothing)
{
    platform.setNow(12, 0, 2);
    const AllocationCount count;
    for (int i = 0; i < 8; ++i) {
        clock.displayTick();
        clock.alarmTick();
    }
    EXPECT_EQ(count.allocations(), 0u);
}

TEST_P(TickAllocations, TheFaceRedrawEachSecondAllocatesNothing)
{
    std::size_t allocations = 0;
    for (int second = 3; second < 10; ++second) {
        platform.setNow(12, 0, second);
        const AllocationCount count;
        clock.displayTick(); // a new second: the face and the read-out are drawn again
        allocations += count.allocations();
    }
    EXPECT_EQ(allocations, 0u);
}

TEST(AllocationCount, SeesAllocationsMadeInsideQt)
{
    const AllocationCount count;
    const QString text = QString::number(123456789).repeated(4);
    EXPECT_GE(count.allocations(), 1u);
    EXPECT_FALSE(text.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Designs, TickAllocations, ::testing::Values(0, 2, 4, 5, 6));

} // namespace
