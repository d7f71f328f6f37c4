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
        const char* path;
        int width;
        const char* text;
    } captions[] = {
        {artwork::caption::hourHandColour, 83, "短針の色を変更"},
        {artwork::caption::minuteHandColour, 83, "長針の色を変更"},
        {artwork::caption::secondHandColour, 83, "秒針の色を変更"},
        {artwork::caption::pickColour, 47, "色の指定"},
        {artwork::caption::chooseWave, 47, "変更する"},
        {artwork::caption::standardSound, 60, "標準に戻す"},
        {artwork::caption::addAlarm, 83, "アラームを追加"},
        {artwork::caption::changeAlarm, 61, "設定の変更"},
        {artwork::caption::deleteAlarm, 81, "設定を削除する"},
        {artwork::caption::makerSite, 94, "開発・配布元サイト"},
        {artwork::caption::guidePage, 116, "本ソフト専用ウェブページ"},
    };
    for (const auto& c : captions) {
        catalogue.add(QString::fromLatin1(c.path),
                      [&](int scale) { return opaque(caption(c.width, QString::fromUtf8(c.text), scale)); });
    }
    catalogue.add(QString::fromLatin1(artwork::caption::stepUp),
                  [](int scale) { return opaque(arrow(true, scale)); });
    catalogue.add(QString::fromLatin1(artwork::caption::stepDown),
                  [](int scale) { return opaque(arrow(false, scale)); });
}
