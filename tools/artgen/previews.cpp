// The cat picture chooser's previews: each design at full size on the chooser's grey,
// showing a sample time the way the clock draws it: hands on the dials, digit cells
// AND-ed from the strips onto the read-out, date and AM/PM texts in the clock's face.
#include "canvas.h"
#include "catalogue.h"
#include "core/artwork.h"
#include "face/designs.h"
#include "face/digital_readout.h"
#include "palette.h"
#include "sample.h"

#include <cmath>

namespace {

// In the default colours.
const QColor hourColour(0, 0, 0);
const QColor minuteColour(0x4F, 0x4F, 0x4F);
const QColor secondColour(0xFF, 0, 0);
constexpr ColourRef digitalColour = 0x00FFFFFF;

void drawHands(QPainter& p, const HandGeometry& g)
{
    const struct
    {
        double degrees;
        HandSize hand;
        QColor colour;
    } hands[] = {
        {hourHandAngle(sample::time.hour, sample::time.minute), g.hour, hourColour},
        {minuteHandAngle(sample::time.minute, sample::time.second), g.minute, minuteColour},
        {secondHandAngle(sample::time.second), g.second, secondColour},
    };
    for (const auto& h : hands) {
        const double t = (90.0 - h.degrees) * 3.14159265 / 180.0;
        const QPointF from(g.centre);
        const QPointF tip(from.x() + h.hand.length * std::cos(t), from.y() - h.hand.length * std::sin(t));
        p.setPen(QPen(h.colour, h.hand.width, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(from, tip);
    }
}

// The read-out as the clock draws it, from the strip's picture of the scale.
void drawReadout(QImage& face, const QRect& panel, const digital_readout::Strip& strip,
                 const QImage& stripImage)
{
    const int scale = int(stripImage.devicePixelRatio());
    QImage box(panel.size() * scale, QImage::Format_RGB32);
    box.setDevicePixelRatio(scale);
    digital_readout::drawReadout(box, digitalColour, stripImage.convertToFormat(QImage::Format_RGB32), strip,
                                 sample::time.hour, sample::time.minute, digital_readout::Colon::Shown);
    QPainter(&face).drawImage(panel.topLeft(), box);
}

QImage preview(const Catalogue& catalogue, int type, int scale)
{
    const designs::Design& d = designs::all()[std::size_t(type)];
    QImage face = catalogue.at(artwork::designPicture(type), scale).convertToFormat(QImage::Format_RGB32);
    {
        Pen p(&face);
        if (d.hands) {
            drawHands(p, *d.hands);
        }
        const QColor textColour = toQColor(
            d.layout.colour == face_layout::TextColour::Light ? face_layout::lightText : digitalColour);
        for (const auto& [text, at] :
             {std::pair{d.layout.first, d.layout.firstAt}, std::pair{d.layout.second, d.layout.secondAt}}) {
            if (text != face_layout::Text::None) {
                textAt(p, at, sample::textFont(), textColour, face_layout::format(text, sample::time));
            }
        }
    }
    if (const digital_readout::Strip* strip = digital_readout::stripFor(d.readout)) {
        drawReadout(face, d.layout.panel, *strip, catalogue.at(QString::fromLatin1(strip->picture), scale));
        // The bell box stays black: no alarm is set in the sample.
    }

    const QSize size = d.size.width() < 100 ? QSize(90, 120) : QSize(120, 105);
    QImage out = filledCanvas(size, palette::previewGrey, scale);
    const QPoint offset =
        QPoint((size.width() - d.size.width()) / 2, (size.height() - d.size.height()) / 2) * scale;
    const QRgb key = face.pixel(0, 0);
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (face.pixel(x, y) != key) {
                out.setPixel(offset + QPoint(x, y), face.pixel(x, y));
            }
        }
    }
    return out;
}

} // namespace

void addPreviews(Catalogue& catalogue)
{
    for (int type = 0; type < designs::count; ++type) {
        catalogue.add(artwork::designPreview(type),
                      [&](int scale) { return opaque(preview(catalogue, type, scale)); });
    }
}
