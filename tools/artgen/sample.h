#pragma once

#include "canvas.h"
#include "core/local_time.h"
#include "face/clock_face.h"

// What the pictures show of the clock: the time and date the previews and the guide
// sheets print, and the face the clock prints texts in.
namespace sample {

// Friday 17 May 2024, 10:08:36.
inline constexpr LocalTime time{
    .year = 2024, .month = 5, .day = 17, .weekday = 5, .hour = 10, .minute = 8, .second = 36};

inline QFont textFont()
{
    return gothic(ClockFace::textFont().pixelSize());
}

} // namespace sample
