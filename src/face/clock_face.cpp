#include "face/clock_face.h"

#include "core/artwork.h"
#include "face/digital_readout.h"
#include "face/raster_ops.h"
#include "face/scaled_artwork.h"
#include "face/window_outline.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstring>

namespace {

// The bell's image and mask cells side by side at `scale`, each cell scaled on its own so
// that neither blends into the other.
QImage bellSpriteAt(qreal scale)
{
    const int drawnAt = artwork::pictureScale(scale);
    const QImage drawn = scaled_artwork::load(artwork::bellSprite, drawnAt);
    const int drawnCell = face_layout::bellSize * drawnAt;
    const int cell = qRound(face_layout::bellSize * scale);
    QImage sprite(2 * cell, cell, QImage::Format_RGB32);
    {
        QPainter painter(&sprite);
        for (int i = 0; i < 2; ++i) {
            QImage drawnCellImage = drawn.copy(i * drawnCell, 0, drawnCell, drawnCell);
            drawnCellImage.setDevicePixelRatio(drawnAt);
            QImage scaled = scaled_artwork::scaled(drawnCellImage, scale);
            scaled.setDevicePixelRatio(1);
            painter.drawImage(QPoint(i * cell, 0), scaled);
        }
    }
    sprite.setDevicePixelRatio(scale);
    return sprite;
}

// An image of a logical size at a scale.
QImage scaledImage(QSize size, qreal scale, QImage::Format format)
{
    QImage image(size * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

// The text as it appears on the face, on a transparent ground, in the face's pixels.
QImage renderText(const QString& text, ColourRef colour, qreal scale)
{
    const QFont font = ClockFace::textFont();
    const QFontMetrics metrics(font);
    const QRect box(0, 0, metrics.horizontalAdvance(text) + 2, metrics.height());
    QImage image = scaledImage(box.size(), scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(toQColor(colour));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    return image;
}

// Everything the texts depend on, packed into one number.
long long textKey(DesignIndex design, ColourRef colour, const LocalTime& time)
{
    return ((time.dayKey() * 2 + (time.hour < 12 ? 0 : 1)) * 8 + design.number) * 0x1000000LL + colour;
}

} // namespace

ClockFace::ClockFace()
    : panelRect_(QPoint(), digital_readout::smallStrip.panelSize),
      bellBoxRect_(QPoint(), QSize(face_layout::bellSize, face_layout::bellSize))
{
    useScale(1);
}

void ClockFace::useScale(qreal scale)
{
    scale_ = scale;
    smallStrip_ = digital_readout::stripPicture(digital_readout::smallStrip, scale);
    largeStrip_ = digital_readout::stripPicture(digital_readout::largeStrip, scale);
    bellSprite_ = bellSpriteAt(scale);
    // The redraw that brings a new scale draws the bell and the read-out into these again.
    bellBox_ = scaledImage(bellBoxRect_.size(), scale, QImage::Format_RGB32);
    bellBox_.fill(Qt::black);
    panel_ = scaledImage(panelRect_.size(), scale, QImage::Format_RGB32);
    panel_.fill(Qt::black);
    panelContent_ = -1;
    texts_.key = -1;
}

QFont ClockFace::textFont()
{
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(11);
    return font;
}

void ClockFace::prepareFace(const QImage& picture)
{
    const qreal scale = picture.devicePixelRatio();
    if (scale != scale_) {
        useScale(scale);
    }
    if (face_.size() != picture.size() || face_.devicePixelRatio() != scale) {
        if (painter_.isActive()) {
            painter_.end();
        }
        face_ = QImage(picture.size(), QImage::Format_RGB32);
        face_.setDevicePixelRatio(scale);
        changed_ = wholeFace();
    }
    if (!painter_.isActive()) {
        painter_.begin(&face_);
        painter_.setRenderHint(QPainter::Antialiasing);
    }
    if (picture.cacheKey() != sourceKey_) {
        sourceKey_ = picture.cacheKey();
        changed_ = wholeFace();
        // Pictures at the scales between and beyond come covered.
        source_ = scale == 2 ? window_outline::coverKeyAlongOutline(picture, 2) : picture;
    }
    // The picture again, wiping the hands, texts and bell of the previous second.
    const qsizetype rowBytes = qsizetype(face_.width()) * 4;
    for (int y = 0; y < face_.height(); ++y) {
        std::memcpy(face_.scanLine(y), source_.constScanLine(y), size_t(rowBytes));
    }
}

void ClockFace::drawTexts(const face_layout::Layout& layout, const Inputs& in)
{
    if (layout.first == face_layout::Text::None) {
        return;
    }
    const ColourRef colour =
        layout.colour == face_layout::TextColour::DigitalColour ? in.readoutColour : face_layout::lightText;
    const long long key = textKey(in.design, colour, in.time);
    if (key != texts_.key) {
        // Twice a day: the old texts and the new may be of any width.
        changed_ = wholeFace();
        texts_.key = key;
        texts_.first = renderText(face_layout::format(layout.first, in.time), colour, scale_);
        texts_.second = renderText(face_layout::format(layout.second, in.time), colour, scale_);
    }
    painter_.drawImage(snapped(layout.firstAt), texts_.first);
    painter_.drawImage(snapped(layout.secondAt), texts_.second);
}

void ClockFace::placePanels(const face_layout::Layout& layout, ColourRef readoutColour)
{
    panelRect_ = layout.panel;
    bellBoxRect_ = layout.bellBox;
    panelsShown_ = true;
    if (panel_.size() != panelRect_.size() * scale_) {
        panel_ = scaledImage(panelRect_.size(), scale_, QImage::Format_RGB32);
        panel_.fill(toQColor(readoutColour).rgb());
        panelContent_ = -1;
    }
    setPanelColour(readoutColour);
}

void ClockFace::drawBell(const face_layout::Layout& layout, const Inputs& in)
{
    const int cell = bellSprite_.height();
    const QRect imageCell(0, 0, cell, cell);
    const QRect maskCell(cell, 0, cell, cell);
    if (in.bellShown) {
        if (layout.bell) {
            const QPoint at = inPixels(*layout.bell);
            raster_ops::andBlit(face_, at, bellSprite_, maskCell);
            raster_ops::xorBlit(face_, at, bellSprite_, imageCell);
        } else if (!layout.bellBox.isEmpty()) {
            bellBox_.fill(toQColor(in.readoutColour).rgb());
            raster_ops::andBlit(bellBox_, QPoint(0, 0), bellSprite_, imageCell);
        }
    } else {
        bellBox_.fill(Qt::black);
    }
}

QRectF ClockFace::wholeFace() const
{
    return QRectF(QPointF(0, 0), face_.deviceIndependentSize());
}

QRect ClockFace::redraw(const QImage& picture, const Inputs& in)
{
    changed_ = QRectF();
    prepareFace(picture);
    const designs::Design* design = designs::find(in.design);
    if (!design) {
        // An unknown design shows its bare picture; only a cleared bell box changes.
        if (!in.bellShown) {
            bellBox_.fill(Qt::black);
        }
        return changed_.toAlignedRect();
    }
    if (design->hands) {
        hidePanels();
        hands_.draw(painter_, *design->hands, {in.hourColour, in.minuteColour, in.secondColour}, in.time,
                    in.secondHand);
        // Wherever the hands pointed last time or point now, their ends and edges too.
        const HandGeometry& g = *design->hands;
        const double reach = std::max({g.hour.length, g.minute.length, g.second.length}) +
                             std::max({g.hour.width, g.minute.width, g.second.width}) + 1;
        const QPointF centre = QPointF(g.centre) + QPointF(0.5, 0.5);
        changed_ |= QRectF(centre - QPointF(reach, reach), centre + QPointF(reach, reach));
    }
    drawTexts(design->layout, in);
    if (!design->layout.panel.isEmpty()) {
        placePanels(design->layout, in.readoutColour);
    }
    drawBell(design->layout, in);
    if (in.bellShown != bellDrawn_) {
        changed_ |= QRectF(face_layout::bellCell(design->layout)).adjusted(-1, -1, 1, 1);
    }
    bellDrawn_ = in.bellShown;
    return changed_.toAlignedRect();
}

void ClockFace::hidePanels()
{
    panelsShown_ = false;
}

void ClockFace::setPanelColour(ColourRef colour)
{
    if (colour != panelColour_) {
        panelColour_ = colour;
        panelContent_ = -1;
    }
}

bool ClockFace::refreshReadout(DesignIndex design, const LocalTime& time, ColonStyle colonStyle,
                               int colonPhase)
{
    const designs::Design* found = designs::find(design);
    const digital_readout::Strip* strip = found ? digital_readout::stripFor(found->readout) : nullptr;
    if (!strip) {
        return false;
    }
    const digital_readout::Colon colon = digital_readout::colonFor(colonStyle, colonPhase);
    const long long content = ((design.number * 24LL + time.hour) * 60 + time.minute) * 3 + int(colon);
    if (content == panelContent_) {
        return false;
    }
    panelContent_ = content;
    digital_readout::drawReadout(panel_, panelColour_,
                                 found->readout == designs::Readout::Large ? largeStrip_ : smallStrip_,
                                 *strip, time.hour, time.minute, colon);
    return true;
}

QPoint ClockFace::inPixels(QPoint logical) const
{
    return QPoint(qRound(logical.x() * scale_), qRound(logical.y() * scale_));
}

QPointF ClockFace::snapped(QPoint logical) const
{
    return QPointF(inPixels(logical)) / scale_;
}

void ClockFace::paint(QPainter& painter) const
{
    // In bands of a few rows. The window's outline clips the painter to a run of pixels
    // per row and piece of the cat, and Qt hands a clipped image of more than about a
    // hundred runs to its worker threads, waking two threads at every redraw of an
    // otherwise idle clock. A band of 16 of the window's rows stays below that for up to
    // five pieces side by side, and is drawn on the calling thread.
    const qreal bandRows = 16 / painter.transform().m22();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal ratio = face_.devicePixelRatio();
    const QSizeF size = face_.deviceIndependentSize();
    for (qreal top = 0; top < size.height(); top += bandRows) {
        const qreal rows = std::min<qreal>(bandRows, size.height() - top);
        painter.drawImage(QRectF(0, top, size.width(), rows), face_,
                          QRectF(0, top * ratio, face_.width(), rows * ratio));
    }
    if (panelsShown_) {
        painter.drawImage(snapped(panelRect_.topLeft()), panel_);
        painter.drawImage(snapped(bellBoxRect_.topLeft()), bellBox_);
    }
}
