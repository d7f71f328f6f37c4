// The cat picture chooser's previews: each design at full size on the chooser's grey,
// showing a sample time the way the clock draws it: hands on the dials, digit cells
// AND-ed from the strips onto the read-out, date and AM/PM texts in the clock's face.
#include "canvas.h"
#include "catalogue.h"
#include "clock_layout.h"
#include "palette.h"

#include <QtMath>

namespace {

// Friday 17 May 2024, 10:08:36, in the default colours.
constexpr int sampleHour = 10;
constexpr int sampleMinute = 8;
constexpr int sampleSecond = 36;
const QColor hourColour(0, 0, 0);
const QColor minuteColour(0x4F, 0x4F, 0x4F);
const QColor secondColour(0xFF, 0, 0);
const QColor digitalColour(0xFF, 0xFF, 0xFF);

void drawHands(QPainter& p, const clock_layout::Analog& a)
{
    const struct
    {
        qreal degrees;
        clock_layout::Hand hand;
        QColor colour;
    } hands[] = {
        {sampleHour * 30 + sampleMinute * 0.5, a.hour, hourColour},
        {sampleMinute * 6 + sampleSecond * 0.1, a.minute, minuteColour},
        {sampleSecond * 6.0, a.second, secondColour},
    };
    for (const auto& h : hands) {
        const double t = (90.0 - h.degrees) * 3.14159265 / 180.0;
        const QPointF from(a.centre);
        const QPointF tip(from.x() + h.hand.length * std::cos(t), from.y() - h.hand.length * std::sin(t));
        p.setPen(QPen(h.colour, h.hand.width, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(from, tip);
    }
}

// The read-out as the clock draws it: a box of the digital colour, each cell AND-ed in,
// in the strip's own pixels.
void drawReadout(QImage& face, const QRect& panel, const clock_layout::Strip& s, const QImage& strip,
                 int scale)
{
    const int digits[4] = {sampleHour / 10, sampleHour % 10, sampleMinute / 10, sampleMinute % 10};
    const int sourceX[5] = {digits[0] * s.cellWidth, digits[1] * s.cellWidth, s.colonX,
                            digits[2] * s.cellWidth, digits[3] * s.cellWidth};
    const int widths[5] = {s.cellWidth, s.cellWidth, s.colonWidth, s.cellWidth, s.cellWidth};
    QImage box(panel.size() * scale, QImage::Format_RGB32);
    box.setDevicePixelRatio(scale);
    box.fill(digitalColour);
    for (int cell = 0; cell < 5; ++cell) {
        for (int y = 0; y < std::min(s.cellHeight * scale, box.height()); ++y) {
            for (int x = 0; x < widths[cell] * scale; ++x) {
                const int dx = s.panelX[std::size_t(cell)] * scale + x;
                if (dx < box.width()) {
                    box.setPixel(dx, y, box.pixel(dx, y) & strip.pixel(sourceX[cell] * scale + x, y));
                }
            }
        }
    }
    QPainter(&face).drawImage(panel.topLeft(), box);
}

QImage preview(const Catalogue& catalogue, int type, int scale)
{
    const clock_layout::Design& d = clock_layout::designs[std::size_t(type)];
    QImage face = catalogue.at(QStringLiteral("designs/D_Pic%1.png").arg(type), scale)
                      .convertToFormat(QImage::Format_RGB32);
    {
        Pen p(&face);
        if (d.analog) {
            drawHands(p, *d.analog);
        }
        for (const auto& text : d.texts) {
            if (text) {
                textAt(p, text->at, gothic(clock_layout::textPixelSize),
                       d.analog ? palette::clockText : digitalColour, clock_layout::sampleText(text->kind));
            }
        }
    }
    if (d.readout) {
        const bool large = d.readout->width() > 41;
        const clock_layout::Strip& s = large ? clock_layout::largeStrip : clock_layout::smallStrip;
        drawReadout(
            face, *d.readout, s,
            catalogue
                .at(large ? QStringLiteral("clock/TimPcM.png") : QStringLiteral("clock/TimPcS.png"), scale)
                .convertToFormat(QImage::Format_RGB32),
            scale);
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
    for (int type = 0; type < int(clock_layout::designs.size()); ++type) {
        catalogue.add(QStringLiteral("previews/Neko%1.png").arg(type),
                      [&](int scale) { return opaque(preview(catalogue, type, scale)); });
    }
}
