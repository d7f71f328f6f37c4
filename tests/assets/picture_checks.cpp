#include "picture_checks.h"

#include "core/artwork.h"
#include "face/clock_face.h"
#include "ui/options_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QtMath>
#include <cmath>

namespace picture_checks {

int luma(QRgb pixel)
{
    return (299 * qRed(pixel) + 587 * qGreen(pixel) + 114 * qBlue(pixel)) / 1000;
}

QImage resource(const QString& path)
{
    return QImage(path);
}

QImage picture(const QString& path, int scale)
{
    return QImage(artwork::resource(artwork::atScale(path, scale)));
}

QImage picture(const char* path, int scale)
{
    return picture(QString::fromLatin1(path), scale);
}

QRect scaled(const QRect& rect, int scale)
{
    return QRect(rect.topLeft() * scale, rect.size() * scale);
}

std::string withScale(const std::string& name, int scale)
{
    return name + "_" + std::to_string(scale) + "x";
}

std::optional<QPoint> firstFailing(const QImage& image, const QRect& rect,
                                   const std::function<bool(QRgb)>& ok)
{
    const QRect r = rect & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (!ok(image.pixel(x, y))) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

std::vector<QPoint> enclosedKeyPixels(const QImage& image, QRgb key)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<char> reached(std::size_t(w * h), 0);
    std::vector<QPoint> stack;
    auto isKey = [&](int x, int y) {
        return (image.pixel(x, y) | 0xFF000000) == (key | 0xFF000000);
    };
    auto push = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h && !reached[std::size_t(y * w + x)] && isKey(x, y)) {
            reached[std::size_t(y * w + x)] = 1;
            stack.emplace_back(x, y);
        }
    };
    for (int x = 0; x < w; ++x) {
        push(x, 0);
        push(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        push(0, y);
        push(w - 1, y);
    }
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        push(p.x() + 1, p.y());
        push(p.x() - 1, p.y());
        push(p.x(), p.y() + 1);
        push(p.x(), p.y() - 1);
    }
    std::vector<QPoint> holes;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (isKey(x, y) && !reached[std::size_t(y * w + x)]) {
                holes.emplace_back(x, y);
            }
        }
    }
    return holes;
}

std::vector<QPoint> magentaFringe(const QImage& image, QRgb key)
{
    const QRgb opaqueKey = key | 0xFF000000;
    auto isKey = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
               (image.pixel(x, y) | 0xFF000000) == opaqueKey;
    };
    std::vector<QPoint> fringe;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isKey(x, y)) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    touches = touches || isKey(x + dx, y + dy);
                }
            }
            const QRgb c = image.pixel(x, y);
            // A blend towards magenta lifts red and blue together above green.
            if (touches && qRed(c) - qGreen(c) > 16 && qBlue(c) - qGreen(c) > 16) {
                fringe.emplace_back(x, y);
            }
        }
    }
    return fringe;
}

std::vector<QPoint> handSweep(QSize size, QPoint centre, int length, int width)
{
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        for (bool smooth : {false, true}) {
            p.setRenderHint(QPainter::Antialiasing, smooth);
            p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap));
            // The hand's origin may be read as the pixel's corner or its centre.
            for (QPointF origin : {QPointF(centre), QPointF(centre) + QPointF(0.5, 0.5)}) {
                for (int tenth = 0; tenth < 3600; tenth += 5) {
                    const double t = (90.0 - tenth / 10.0) * 3.14159265 / 180.0;
                    const QPointF tip(origin.x() + length * std::cos(t), origin.y() - length * std::sin(t));
                    p.drawLine(origin, tip);
                }
            }
        }
    }
    std::vector<QPoint> pixels;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (qAlpha(mask.pixel(x, y)) > 0) {
                pixels.emplace_back(x, y);
            }
        }
    }
    return pixels;
}

QRect textBox(QPoint topLeft, const QString& text)
{
    const QFontMetrics metrics(ClockFace::textFont());
    return QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
}

const std::vector<ButtonFaceSize> buttonFaces = {
    {artwork::face::change, {55, 40}},          {artwork::face::apply, {55, 40}},
    {artwork::face::cancel, {55, 40}},          {artwork::face::close, {55, 40}},
    {artwork::face::closeSmall, {70, 20}},      {artwork::face::snooze, {74, 20}},
    {artwork::face::alarms, {40, 40}},          {artwork::face::design, {40, 40}},
    {artwork::face::alwaysOnTop, {40, 40}},     {artwork::face::normalStacking, {40, 40}},
    {artwork::face::trayIconOn, {40, 40}},      {artwork::face::trayIconOff, {40, 40}},
    {artwork::face::registerStartup, {40, 40}}, {artwork::face::unregisterStartup, {40, 40}},
    {artwork::face::secondHandOn, {40, 40}},    {artwork::face::secondHandOff, {40, 40}},
    {artwork::face::handColour, {40, 40}},      {artwork::face::readoutColour, {40, 40}},
    {artwork::face::colonShown, {40, 40}},      {artwork::face::colonHidden, {40, 40}},
    {artwork::face::options, {55, 40}},
};

using enum Background::Strip;

const std::vector<Background> backgrounds = {
    {artwork::background::settings.path, {452, 282}, TitleAndNames},
    {artwork::background::message.path, {240, 90}, None},
    {artwork::background::alarmEdit.path, {352, 270}, TitleAndNames},
    {artwork::background::handColour.path, {252, 172}, TitleAndNames},
    {artwork::background::designChooser.path, {432, 362}, TitleAndNames},
    {artwork::background::alarmList.path, {472, 212}, TitleAndNames},
    {artwork::background::readoutColour.path, {212, 132}, TitleOnly},
    {artwork::background::about.path, {402, 182}, TitleAndNames},
    {artwork::background::options.path, options_layout::windowSize(), TitleAndNames},
};

const std::vector<Caption> captions = {
    {artwork::caption::hourHandColour.path, 83},   {artwork::caption::minuteHandColour.path, 83},
    {artwork::caption::secondHandColour.path, 83}, {artwork::caption::pickColour.path, 47},
    {artwork::caption::chooseWave.path, 47},       {artwork::caption::standardSound.path, 60},
    {artwork::caption::addAlarm.path, 83},         {artwork::caption::changeAlarm.path, 61},
    {artwork::caption::deleteAlarm.path, 81},      {artwork::caption::makerSite.path, 94},
    {artwork::caption::guidePage.path, 116},       {artwork::caption::stepUp.path, 27},
    {artwork::caption::stepDown.path, 27},
};

} // namespace picture_checks
