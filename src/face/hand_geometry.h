#pragma once

#include <QPoint>
#include <QPointF>

// One hand of an analog face, in pixels.
struct HandSize
{
    int length;
    int width;
};

// Where the hands of an analog face turn, and each hand's size.
struct HandGeometry
{
    QPoint centre; // the pixel the hands start from
    HandSize hour;
    HandSize minute;
    HandSize second;
};

// The small face the hand colour window shows its colours on (artwork::handPreviewFace):
// hands from its middle, a little shorter than the clock's.
inline constexpr HandGeometry previewHands{
    .centre = {26, 26}, .hour = {12, 3}, .minute = {20, 2}, .second = {18, 1}};

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
