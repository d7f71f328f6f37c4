#include "model/time_step.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeStep, WrapsAndKeepsTwoDigits)
{
    struct Case
    {
        TimeStep step;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {TimeStep::HourUp, "23", "00"},     {TimeStep::HourUp, "08", "09"},
        {TimeStep::HourUp, "09", "10"},     {TimeStep::HourUp, "00", "01"},
        {TimeStep::HourDown, "00", "23"},   {TimeStep::HourDown, "10", "09"},
        {TimeStep::HourDown, "11", "10"},   {TimeStep::HourDown, "01", "00"},
        {TimeStep::MinuteUp, "59", "00"},   {TimeStep::MinuteUp, "58", "59"},
        {TimeStep::MinuteUp, "08", "09"},   {TimeStep::MinuteUp, "09", "10"},
        {TimeStep::MinuteDown, "00", "59"}, {TimeStep::MinuteDown, "10", "09"},
        {TimeStep::MinuteDown, "30", "29"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stepTime(c.step, QString::fromLatin1(c.from)), QString::fromLatin1(c.to))
            << int(c.step) << " from " << c.from;
    }
}

} // namespace
