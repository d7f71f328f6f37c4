// The captions of the highlight-bar buttons: light grey text on the bar's dark grey,
// 13 pixels high, at the widths the windows lay their bars out for.
#include "canvas.h"
#include "catalogue.h"
#include "palette.h"

#include <QFontMetricsF>

namespace {

constexpr int height = 13;

QImage caption(int width, const QString& text)
{
    QImage image = filledCanvas(QSize(width, height), palette::captionBack);
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

// A pixel-drawn triangle, pointing up or down, centred in the caption.
QImage arrow(bool up)
{
    QImage image = filledCanvas(QSize(27, height), palette::captionBack);
    QPainter p(&image);
    for (int row = 0; row < 5; ++row) {
        const int half = up ? row : 4 - row;
        p.fillRect(QRect(13 - half, 4 + row, 2 * half + 1, 1), palette::captionText);
    }
    return image;
}

} // namespace

void addCaptions(Catalogue& catalogue)
{
    const struct
    {
        const char* file;
        int width;
        const char* text;
    } captions[] = {
        {"Bt_TH", 83, "短針の色を変更"},
        {"Bt_TM", 83, "長針の色を変更"},
        {"Bt_TS", 83, "秒針の色を変更"},
        {"Picture2", 47, "色の指定"},
        {"HenWav", 47, "変更する"},
        {"FutWav", 60, "標準に戻す"},
        {"AlmPlus", 83, "アラームを追加"},
        {"SetHen", 61, "設定の変更"},
        {"BtnAlmDel", 81, "設定を削除する"},
        {"Btn1a", 94, "開発・配布元サイト"},
        {"Btn2a", 116, "本ソフト専用ウェブページ"},
    };
    for (const auto& c : captions) {
        catalogue.add(QStringLiteral("captions/%1.png").arg(QString::fromUtf8(c.file)),
                      opaque(caption(c.width, QString::fromUtf8(c.text))));
    }
    catalogue.add(QStringLiteral("captions/TimeUp.png"), opaque(arrow(true)));
    catalogue.add(QStringLiteral("captions/TimeDown.png"), opaque(arrow(false)));
}
