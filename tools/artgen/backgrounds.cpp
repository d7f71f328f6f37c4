// The window backgrounds: a dark frame with a light bevel round a flat body, and a
// title strip with the window's title and the product's names. Labels, rules and
// controls are the windows' own; the backgrounds carry none of them.
#include "canvas.h"
#include "cat.h"
#include "catalogue.h"
#include "core/artwork.h"
#include "palette.h"
#include "ui/options_layout.h"

#include <QFontMetrics>

namespace {

// Rows 2..26 inside the frame; the body starts below the strip's lower line.
constexpr int stripTop = 2;
constexpr int stripHeight = 25;

enum class Strip
{
    None,
    TitleOnly,
    TitleAndNames
};

struct Window
{
    const artwork::Background& background;
    QSize size;
    Strip strip;
};

void drawFrame(QPainter& p, QSize size)
{
    const QRect all(QPoint(0, 0), size);
    frameRect(p, all, palette::frameDark);
    // Light on the top and left, shade on the bottom and right.
    const QRect inner = all.adjusted(1, 1, -1, -1);
    p.fillRect(QRect(inner.left(), inner.top(), inner.width(), 1), palette::bevelLight);
    p.fillRect(QRect(inner.left(), inner.top(), 1, inner.height()), palette::bevelLight);
    const QColor shade(0x30, 0x30, 0x34);
    p.fillRect(QRect(inner.left(), inner.bottom(), inner.width(), 1), shade);
    p.fillRect(QRect(inner.right(), inner.top(), 1, inner.height()), shade);
}

void drawTitleStrip(QPainter& p, const Window& w)
{
    const QRect strip(2, stripTop, w.size.width() - 4, stripHeight);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(strip, palette::titleStrip);
    p.fillRect(QRect(2, strip.bottom() + 1, strip.width(), 1), QColor(0x22, 0x22, 0x26));
    p.setRenderHint(QPainter::Antialiasing, true);

    // A small cat face leads the title.
    const QRectF mark(9.5, strip.top() + 8.5, 15, 12);
    cat::drawHead(p, {mark, 4.0, {0.0, 0.05}, 0.9, false}, cat::black());

    const QFont titleFont = propGothic(13);
    const int titleBase = strip.top() + (strip.height() + QFontMetrics(titleFont).ascent()) / 2;
    textAt(p, QPointF(31, titleBase - QFontMetrics(titleFont).ascent()), titleFont, palette::titleText,
           drawnWords(w.background.title));
    if (w.strip == Strip::TitleAndNames) {
        const QFont namesFont = propGothic(10);
        const QString names = QStringLiteral("ふわまる　ぽてりん");
        const QFontMetrics m(namesFont);
        const int x = w.size.width() - 10 - m.horizontalAdvance(names);
        textAt(p, QPointF(x, titleBase - m.ascent()), namesFont, palette::productText, names);
    }
}

QImage background(const Window& w, int scale)
{
    QImage image = filledCanvas(w.size, palette::body, scale);
    Pen p(&image);
    drawFrame(p, w.size);
    if (w.strip != Strip::None) {
        drawTitleStrip(p, w);
    }
    return image;
}

} // namespace

void addBackgrounds(Catalogue& catalogue)
{
    const Window windows[] = {
        {artwork::background::settings, {452, 282}, Strip::TitleAndNames},
        {artwork::background::message, {240, 90}, Strip::None},
        {artwork::background::alarmEdit, {352, 270}, Strip::TitleAndNames},
        {artwork::background::handColour, {252, 172}, Strip::TitleAndNames},
        {artwork::background::designChooser, {432, 362}, Strip::TitleAndNames},
        {artwork::background::alarmList, {472, 212}, Strip::TitleAndNames},
        {artwork::background::readoutColour, {212, 132}, Strip::TitleOnly},
        {artwork::background::options, options_layout::windowSize(), Strip::TitleAndNames},
        {artwork::background::about, {402, 182}, Strip::TitleAndNames},
    };
    for (const Window& w : windows) {
        catalogue.add(QString::fromLatin1(w.background.path),
                      [&](int scale) { return opaque(background(w, scale)); });
    }
}
