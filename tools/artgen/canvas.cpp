#include "canvas.h"

#include <QFontMetrics>

QImage newCanvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage filledCanvas(QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

Pen::Pen(QImage* image) : QPainter(image)
{
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::TextAntialiasing);
    setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage keyedFigure(const QImage& art, const QColor& edge, QRgb key)
{
    const QImage source = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha < 128) {
                line[x] = key;
                continue;
            }
            // Premultiplied colour over the edge colour.
            const int rest = 255 - alpha;
            QRgb pixel = qRgb(qRed(in[x]) + (edge.red() * rest + 127) / 255,
                              qGreen(in[x]) + (edge.green() * rest + 127) / 255,
                              qBlue(in[x]) + (edge.blue() * rest + 127) / 255);
            if (pixel == (key | 0xFF000000)) {
                // A figure pixel must never read as background.
                pixel = qRgb(qRed(pixel), qGreen(pixel) ^ 1, qBlue(pixel));
            }
            line[x] = pixel;
        }
    }
    return out;
}

QImage opaque(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB888);
}

namespace {

QFont face(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

QFont gothic(int pixelSize)
{
    return face(QStringLiteral("IPAGothic"), pixelSize);
}

QFont propGothic(int pixelSize)
{
    return face(QStringLiteral("IPAPGothic"), pixelSize);
}

void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill, const QColor& line,
                  qreal lineWidth)
{
    painter.save();
    painter.setPen(lineWidth > 0 ? QPen(line, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                                 : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawPath(shape);
    painter.restore();
}

QPainterPath roundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void textAt(QPainter& painter, QPointF topLeft, const QFont& font, const QColor& colour, const QString& text)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(topLeft + QPointF(0, QFontMetrics(font).ascent()), text);
    painter.restore();
}

void textCentred(QPainter& painter, const QRectF& rect, const QFont& font, const QColor& colour,
                 const QString& text)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
    painter.restore();
}

int textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

QColor dimmed(const QColor& colour, qreal factor)
{
    return QColor::fromRgbF(colour.redF() * factor, colour.greenF() * factor, colour.blueF() * factor);
}

QColor mixed(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}
