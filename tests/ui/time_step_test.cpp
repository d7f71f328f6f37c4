#include "ui/time_step.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeStep, EachFieldWrapsOnItsOwn)
{
    struct Case
    {
        TimeStep step;
        QTime from;
        QTime to;
    };
    const Case cases[] = {
        {TimeStep::HourUp, {23, 59}, {0, 59}},   {TimeStep::HourUp, {9, 0}, {10, 0}},
        {TimeStep::HourDown, {0, 30}, {23, 30}}, {TimeStep::HourDown, {10, 5}, {9, 5}},
        {TimeStep::MinuteUp, {7, 59}, {7, 0}},   {TimeStep::MinuteUp, {23, 9}, {23, 10}},
        {TimeStep::MinuteDown, {0, 0}, {0, 59}}, {TimeStep::MinuteDown, {12, 30}, {12, 29}},
        {TimeStep::None, {12, 30}, {12, 30}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stepTime(c.step, c.from), c.to)
            << int(c.step) << " from " << c.from.toString().toStdString();
    }
}

} // namespace
