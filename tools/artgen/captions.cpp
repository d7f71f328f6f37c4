// The captions of the highlight-bar buttons: light grey text on the bar's dark grey,
// 13 pixels high, at the widths the windows lay their bars out for.
#include "canvas.h"
#include "catalogue.h"
#include "core/artwork.h"
#include "palette.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace {

constexpr int height = 13;

QImage caption(int width, const QString& text, int scale)
{
    QImage image = filledCanvas(QSize(width, height), palette::captionBack, scale);
    QFont font = propGothic(11);
    // A long caption is set a little tighter rather than cut.
    const qreal room = width - 4;
    const qreal natural = QFontMetricsF(font).horizontalAdvance(text);
    if (natural > room) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, (room - natural) / text.size());
    }
    Pen p(&image);
    textCentred(p, QRectF(0, 0, width, height), font, palette::captionText, text);
    return image;
}

// A hard-edged triangle, pointing up or down, centred in the caption: at 1x five rows
// from one pixel to nine wide.
QImage arrow(bool up, int scale)
{
    QImage image = filledCanvas(QSize(27, height), palette::captionBack, scale);
    const qreal tipY = up ? 4.0 : 9.0;
    const qreal baseY = up ? 9.0 : 4.0;
    QPainterPath triangle;
    triangle.moveTo(13.5, tipY);
    triangle.lineTo(18.5, baseY);
    triangle.lineTo(8.5, baseY);
    triangle.closeSubpath();
    const QRgb ink = palette::captionText.rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (covers(triangle, x, y, scale)) {
                image.setPixel(x, y, ink);
            }
        }
    }
    return image;
}

} // namespace

void addCaptions(Catalogue& catalogue)
{
    const struct
    {
        const artwork::Caption& caption;
        int width;
    } captions[] = {
        {artwork::caption::hourHandColour, 83},   {artwork::caption::minuteHandColour, 83},
        {artwork::caption::secondHandColour, 83}, {artwork::caption::pickColour, 47},
        {artwork::caption::chooseWave, 47},       {artwork::caption::standardSound, 60},
        {artwork::caption::addAlarm, 83},         {artwork::caption::changeAlarm, 61},
        {artwork::caption::deleteAlarm, 81},      {artwork::caption::makerSite, 94},
        {artwork::caption::guidePage, 116},
    };
    for (const auto& c : captions) {
        catalogue.add(QString::fromLatin1(c.caption.path),
                      [&](int scale) { return opaque(caption(c.width, drawnWords(c.caption.text), scale)); });
    }
    // The arrows are drawn as shapes, hard-edged, rather than as their words.
    catalogue.add(QString::fromLatin1(artwork::caption::stepUp.path),
                  [](int scale) { return opaque(arrow(true, scale)); });
    catalogue.add(QString::fromLatin1(artwork::caption::stepDown.path),
                  [](int scale) { return opaque(arrow(false, scale)); });
}
