#include "sheet.h"

#include "canvas.h"
#include "core/artwork.h"
#include "face/designs.h"
#include "sample.h"
#include "ui/settings_layout.h"

#include <QFontMetrics>
#include <algorithm>
#include <optional>

namespace sheet {

namespace {

const QColor sheetBack(0x80, 0x80, 0x88);
const QColor labelColour(0x10, 0x10, 0x10);

struct Tile
{
    QString label;
    QImage image;
};

// Lays tiles out in rows no wider than maxWidth, each with its label below.
QImage layOut(const std::vector<Tile>& tiles, int maxWidth, int gap)
{
    const QFont font = gothic(13);
    const int labelHeight = QFontMetrics(font).height() + 4;
    struct Placed
    {
        QPoint at;
        const Tile* tile;
    };
    std::vector<Placed> placed;
    int x = gap;
    int y = gap;
    int rowHeight = 0;
    int width = 0;
    for (const Tile& tile : tiles) {
        const int w = std::max(tile.image.width(), textWidth(font, tile.label));
        if (x > gap && x + w > maxWidth) {
            x = gap;
            y += rowHeight + labelHeight + gap;
            rowHeight = 0;
        }
        placed.push_back({{x, y}, &tile});
        x += w + gap;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, tile.image.height());
    }
    QImage out = filledCanvas(QSize(width, y + rowHeight + labelHeight + gap), sheetBack, 1);
    Pen p(&out);
    for (const Placed& item : placed) {
        p.drawImage(item.at, item.tile->image);
        textAt(p, item.at + QPoint(0, item.tile->image.height() + 1), font, labelColour, item.tile->label);
    }
    return out;
}

// A design as the clock shows it: the key cut away over a desktop of the given colour.
QImage onDesktop(const QImage& design, const QColor& desktop)
{
    QImage out = design.convertToFormat(QImage::Format_RGB32);
    const QRgb key = out.pixel(0, 0);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            if (out.pixel(x, y) == key) {
                out.setPixel(x, y, desktop.rgb());
            }
        }
    }
    return out;
}

// A picture of any scale as plain pixels, for laying out side by side.
QImage pixelForPixel(QImage image)
{
    image.setDevicePixelRatio(1);
    return image;
}

QImage zoomed(const QImage& image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Outlines, at 4x, where the clock draws on a design.
void drawLayout(QPainter& p, const designs::Design& d, int f)
{
    p.setBrush(Qt::NoBrush);
    if (d.hands) {
        const QPointF c = (QPointF(d.hands->centre) + QPointF(0.5, 0.5)) * f;
        for (const HandSize& hand : {d.hands->hour, d.hands->minute, d.hands->second}) {
            const qreal r = (hand.length + hand.width / 2.0) * f;
            p.setPen(QPen(QColor(255, 0, 0, 160), 1));
            p.drawEllipse(c, r, r);
        }
    }
    p.setPen(QPen(QColor(0, 200, 255, 220), 1));
    for (const QRect& place : {d.layout.panel, face_layout::bellCell(d.layout)}) {
        if (!place.isEmpty()) {
            p.drawRect(QRectF(place.topLeft() * f, place.size() * f));
        }
    }
    const QFontMetrics metrics(sample::textFont());
    for (const auto& [text, at] :
         {std::pair{d.layout.first, d.layout.firstAt}, std::pair{d.layout.second, d.layout.secondAt}}) {
        if (text != face_layout::Text::None) {
            const QString shown = face_layout::format(text, sample::time);
            p.setPen(QPen(QColor(0, 255, 120, 220), 1));
            p.drawRect(QRectF(at * f, QSizeF(metrics.horizontalAdvance(shown), metrics.height()) * f));
        }
    }
}

// The settings window put together the way the program lays it out, to judge the
// backgrounds, frames and buttons side by side.
QImage settingsMock(const Catalogue& c, int scale)
{
    auto img = [&](const char* path) {
        return c.at(QString::fromUtf8(path), scale);
    };
    QImage out = img(artwork::background::settings.path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Pen p(&out);
    using settings_layout::Control;
    // An analog design's settings, with the first option of each choice chosen, the
    // pointer over the design button and the tray icon button pressed.
    const auto pictureOf = [](const settings_layout::Place& place) {
        const artwork::ButtonPictures pictures = artwork::buttonPictures(place.face);
        switch (place.control) {
        case Control::Design:
        case Control::SecondHandOff:
            return pictures.hover;
        case Control::TrayIconOn:
            return pictures.pressed;
        default:
            return pictures.normal;
        }
    };
    const auto chosen = [](Control control) {
        return control == Control::AlwaysOnTop || control == Control::TrayIconOn ||
               control == Control::RegisterStartup || control == Control::SecondHandOn;
    };
    for (const settings_layout::Place& place : settings_layout::places) {
        if (place.parent == settings_layout::Parent::DigitalPanel) {
            continue;
        }
        QPoint at = place.at;
        if (place.parent == settings_layout::Parent::AnalogPanel) {
            at += settings_layout::designPanel.topLeft();
        }
        const QImage button = c.at(pictureOf(place), scale);
        if (place.option) {
            const QImage frame =
                img(chosen(place.control) ? artwork::choiceSelected : artwork::choiceUnselected);
            p.drawImage(at, frame);
            // The button stands in the middle of its frame.
            at += QPoint(frame.width() - button.width(), frame.height() - button.height()) / (2 * scale);
        }
        p.drawImage(at, button);
    }
    const QFont font = propGothic(12);
    // Where a part of the layout table lies in the window; the digital panel is not shown.
    const auto inWindow = [](settings_layout::Parent parent) -> std::optional<QPoint> {
        switch (parent) {
        case settings_layout::Parent::Window:
            return QPoint();
        case settings_layout::Parent::AnalogPanel:
            return settings_layout::designPanel.topLeft();
        case settings_layout::Parent::DigitalPanel:
            break;
        }
        return std::nullopt;
    };
    textAt(p, {8, 36}, font, Qt::white, QStringLiteral("各種設定"));
    textAt(p, {8, 160}, font, Qt::white, QStringLiteral("Type A04 カスタマイズ"));
    const QFontMetrics metrics(font);
    for (const settings_layout::Caption& caption : settings_layout::captions) {
        if (const std::optional<QPoint> offset = inWindow(caption.parent)) {
            const QString text = QString::fromUtf8(caption.text);
            const int left = caption.box.left() + (caption.box.width() - metrics.horizontalAdvance(text)) / 2;
            textAt(p, *offset + QPoint(left, caption.box.top()), font, Qt::white, text);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const settings_layout::Separator& separator : settings_layout::separators) {
        if (const std::optional<QPoint> offset = inWindow(separator.parent)) {
            const QPoint step = separator.from.x() == separator.to.x() ? QPoint(1, 0) : QPoint(0, 1);
            p.setPen(Qt::black);
            p.drawLine(*offset + separator.from, *offset + separator.to);
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawLine(*offset + separator.from + step, *offset + separator.to + step);
        }
    }
    return out;
}

} // namespace

QImage contactSheet(const Catalogue& catalogue, int scale)
{
    std::vector<Tile> tiles;
    for (const Artwork& item : catalogue.items()) {
        if (item.scale == scale) {
            tiles.push_back({item.path, pixelForPixel(item.image)});
        }
    }
    tiles.push_back(
        {QStringLiteral("settings window, put together"), pixelForPixel(settingsMock(catalogue, scale))});
    for (const Artwork& item : catalogue.items()) {
        if (item.scale == scale && item.path.startsWith(QStringLiteral("designs/"))) {
            tiles.push_back(
                {QStringLiteral("on light"), onDesktop(pixelForPixel(item.image), QColor(0xDD, 0xE6, 0xF0))});
            tiles.push_back(
                {QStringLiteral("on dark"), onDesktop(pixelForPixel(item.image), QColor(0x1E, 0x3A, 0x5A))});
        }
    }
    return layOut(tiles, 1600, 12);
}

QImage designZoom(const Catalogue& catalogue, bool withLayout, int scale)
{
    constexpr int factor = 4;
    std::vector<Tile> tiles;
    for (int type = 0; type < designs::count; ++type) {
        const QString path = artwork::atScale(artwork::designPicture(type), scale);
        bool present = false;
        for (const Artwork& item : catalogue.items()) {
            present = present || item.path == path;
        }
        if (!present) {
            continue;
        }
        QImage image =
            zoomed(pixelForPixel(catalogue.at(path).convertToFormat(QImage::Format_ARGB32_Premultiplied)),
                   factor / scale);
        if (withLayout) {
            Pen p(&image);
            p.setRenderHint(QPainter::Antialiasing, false);
            drawLayout(p, designs::all()[std::size_t(type)], factor);
        }
        tiles.push_back({path + QStringLiteral(" (%1x)").arg(factor / scale), image});
    }
    return layOut(tiles, 1900, 16);
}

} // namespace sheet
