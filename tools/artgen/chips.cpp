// The chips: small options that are on or off, a soft-cornered pill on the window's grey
// with its words, dark grey while off and the selection blue while on.
#include "canvas.h"
#include "catalogue.h"
#include "core/artwork.h"
#include "face/face_layout.h"
#include "palette.h"

namespace {

QImage chip(const artwork::Chip& chip, const QString& words, bool on, int scale)
{
    const QSize size(chip.width, artwork::chipHeight);
    QImage image = filledCanvas(size, palette::body, scale);
    Pen p(&image);
    const QRectF r(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    p.setPen(QPen(on ? palette::selectBlueEdge : QColor(0x1C, 0x1C, 0x20), 1.0));
    p.setBrush(on ? palette::selectBlue : palette::tile);
    p.drawRoundedRect(r, 4.0, 4.0);
    textCentred(p, QRectF(0, 0, size.width(), size.height()), propGothic(11),
                on ? palette::buttonText : palette::captionText, words);
    return image;
}

void addChip(Catalogue& catalogue, const artwork::Chip& c, const QString& words)
{
    const artwork::ChipPictures pictures = artwork::chipPictures(c);
    catalogue.add(pictures.off, [&](int scale) { return opaque(chip(c, words, false, scale)); });
    catalogue.add(pictures.on, [&](int scale) { return opaque(chip(c, words, true, scale)); });
}

} // namespace

void addChips(Catalogue& catalogue)
{
    for (const artwork::Chip* c :
         {&artwork::chip::everyDay, &artwork::chip::workdays, &artwork::chip::once, &artwork::chip::chime,
          &artwork::chip::quietHours, &artwork::chip::opaqueUnderPointer, &artwork::chip::clickThrough}) {
        addChip(catalogue, *c, QString::fromUtf8(c->text));
    }
    // A day's chip shows the day as the face layer names it.
    for (int day = 0; day < 7; ++day) {
        addChip(catalogue, artwork::chip::days[day], QString(face_layout::weekdayCharacter(day)));
    }
}
