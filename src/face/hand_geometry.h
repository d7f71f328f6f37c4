#pragma once

#include <QPoint>
#include <QPointF>

// Where the hands of an analog face start, how long and how wide they are (pixels).
struct HandGeometry
{
    QPoint centre;
    int hourLength;
    int minuteLength;
    int secondLength;
    int hourWidth;
    int minuteWidth;
    int secondWidth;
};

// Hand angles in degrees clockwise from twelve o'clock. Hours 12..23 give angles of
// 360 and more, which the trigonometry folds back.
constexpr double hourHandAngle(int hour, int minute)
{
    return hour * 30 + minute * 0.5;
}

constexpr double minuteHandAngle(int minute, int second)
{
    return minute * 6 + second * 0.1;
}

constexpr double secondHandAngle(int second)
{
    return second * 6;
}

// The tip of a hand of `length` pixels at `angle` degrees from the centre, computed in
// double precision with the clock's own value of pi and given as single-precision
// pixel coordinates.
QPointF handTip(QPointF centre, double length, double angle);
