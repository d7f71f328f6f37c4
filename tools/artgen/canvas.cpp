#include "canvas.h"

#include <QFontMetrics>

QImage newCanvas(QSize size, int scale)
{
    return filledCanvas(size, Qt::transparent, scale);
}

QImage filledCanvas(QSize size, const QColor& colour, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(colour);
    return image;
}

Pen::Pen(QImage* image) : QPainter(image)
{
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::TextAntialiasing);
    setRenderHint(QPainter::SmoothPixmapTransform);
}

namespace {

// A figure pixel (premultiplied) over the edge colour; never the key, so that it never
// reads as background.
QRgb overEdge(QRgb pixel, const QColor& edge, QRgb key)
{
    const int rest = 255 - qAlpha(pixel);
    QRgb out =
        qRgb(qRed(pixel) + (edge.red() * rest + 127) / 255, qGreen(pixel) + (edge.green() * rest + 127) / 255,
             qBlue(pixel) + (edge.blue() * rest + 127) / 255);
    if (out == (key | 0xFF000000)) {
        out = qRgb(qRed(out), qGreen(out) ^ 1, qBlue(out));
    }
    return out;
}

// The art flattened onto the key: `isKey(x, y)` says which pixels are background.
template <typename IsKey>
QImage keyed(const QImage& art, const QColor& edge, QRgb key, IsKey isKey)
{
    const QImage source = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(source.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(source.devicePixelRatio());
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            line[x] = isKey(x, y, in[x]) ? key : overEdge(in[x], edge, key);
        }
    }
    return out;
}

} // namespace

QImage keyedFigure(const QImage& art, const QColor& edge, QRgb key)
{
    return keyed(art, edge, key, [](int, int, QRgb pixel) { return qAlpha(pixel) < 128; });
}

QImage keyedWithin(const QImage& art, const QColor& edge, QRgb key, const QImage& silhouette)
{
    const int scale = art.width() / silhouette.width();
    const QRgb opaqueKey = key | 0xFF000000;
    return keyed(art, edge, key, [&](int x, int y, QRgb) {
        return (silhouette.pixel(x / scale, y / scale) | 0xFF000000) == opaqueKey;
    });
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

void frameRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

bool covers(const QPainterPath& shape, int x, int y, int scale)
{
    return shape.contains(QPointF((x + 0.5) / scale, (y + 0.5) / scale));
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

QString drawnWords(const char* words)
{
    const QString text = QString::fromUtf8(words);
    return text.size() == 2 ? text.left(1) + u' ' + text.right(1) : text;
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
