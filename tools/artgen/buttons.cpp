// The three-state image buttons: a dark grey tile with soft corners (normal), tinted
// blue (hover), dark blue with dimmed, sunken content (pressed); and the selection
// backdrops that frame the settings window's option buttons.
#include "canvas.h"
#include "cat.h"
#include "catalogue.h"
#include "core/artwork.h"
#include "palette.h"
#include "strips.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>
#include <array>
#include <functional>
#include <optional>

namespace {

enum class State
{
    Normal,
    Pressed,
    Hover
};

using Content = std::function<void(QPainter&, QSizeF)>;

struct Face
{
    const artwork::Face& face;
    QSize size;
    Content content;
};

// --- the tile -------------------------------------------------------------------

void drawTile(QPainter& p, QSize size, State state)
{
    const QRectF r(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const qreal radius = 4.0;
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    switch (state) {
    case State::Normal:
        fill.setColorAt(0, palette::tileTop);
        fill.setColorAt(1, palette::tile);
        break;
    case State::Hover:
        fill.setColorAt(0, palette::tileHoverTop);
        fill.setColorAt(1, palette::tileHover);
        break;
    case State::Pressed:
        fill.setColorAt(0, palette::tilePressedTop);
        fill.setColorAt(1, palette::tilePressed);
        break;
    }
    p.setPen(QPen(QColor(0x1C, 0x1C, 0x20), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    // A raised tile catches light on its top edge; a pressed one has a shadow there.
    const QColor edge = state == State::Pressed ? QColor(0x0C, 0x12, 0x30)
                        : state == State::Hover ? QColor(0x9A, 0xAC, 0xF4)
                                                : QColor(0x80, 0x80, 0x8A);
    p.setPen(QPen(edge, 1.0));
    p.drawLine(QPointF(r.left() + radius, 1.5), QPointF(r.right() - radius, 1.5));
}

// Content with a soft shadow under it, dimmed and pushed down when pressed.
QImage button(const Face& face, State state, int scale)
{
    QImage content = newCanvas(face.size, scale);
    {
        Pen p(&content);
        face.content(p, QSizeF(face.size));
    }
    QImage shadow = content;
    for (int y = 0; y < shadow.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < shadow.width(); ++x) {
            line[x] = qPremultiply(qRgba(0, 0, 0, qAlpha(line[x]) * 45 / 100));
        }
    }
    const bool pressed = state == State::Pressed;
    if (pressed) {
        for (int y = 0; y < content.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(content.scanLine(y));
            for (int x = 0; x < content.width(); ++x) {
                const QRgb c = line[x];
                line[x] = qRgba(qRed(c) * 55 / 100, qGreen(c) * 55 / 100, qBlue(c) * 55 / 100, qAlpha(c));
            }
        }
    }

    QImage image = filledCanvas(face.size, palette::body, scale);
    Pen p(&image);
    drawTile(p, face.size, state);
    const QPoint shift(0, pressed ? 1 : 0);
    if (!pressed) {
        p.drawImage(QPoint(0, 1), shadow);
    }
    p.drawImage(shift, content);
    return image;
}

// --- shared pieces of content ------------------------------------------------------

// The face's caption under (or beside) its icon.
void label(QPainter& p, const QRectF& rect, const artwork::Face& face, int pixelSize = 11)
{
    textCentred(p, rect, propGothic(pixelSize), palette::buttonText, drawnWords(face.caption));
}

void ring(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    p.setPen(QPen(colour, 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
}

void cross(QPainter& p, QPointF centre, qreal half, const QColor& colour)
{
    p.setPen(QPen(colour, 2.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
}

void ringOfDots(QPainter& p, QPointF centre, qreal radius, qreal dot, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0);
        p.drawEllipse(centre + QPointF(std::sin(a), -std::cos(a)) * radius, dot, dot);
    }
}

// Three sliders, each with its knob somewhere else: options to set.
void sliders(QPainter& p, const QRectF& box)
{
    const qreal knobs[] = {0.3, 0.75, 0.5};
    for (int i = 0; i < 3; ++i) {
        const qreal y = box.top() + 2.5 + i * (box.height() - 5) / 2;
        p.setPen(QPen(palette::buttonText, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
        p.setPen(QPen(QColor(0x1C, 0x1C, 0x20), 1.0));
        p.setBrush(palette::okBlue);
        p.drawEllipse(QPointF(box.left() + box.width() * knobs[i], y), 2.6, 2.6);
    }
}

// A crescent moon with a small "z" above its tip: the alarm sleeps a little.
void moon(QPainter& p, QPointF centre, qreal radius)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.55, -radius * 0.35), radius * 0.85, radius * 0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::okBlue);
    p.drawPath(disc.subtracted(bite));
    p.setPen(QPen(palette::okBlue, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF z = centre + QPointF(radius * 0.7, -radius * 1.05);
    p.drawPolyline(QPolygonF{z, z + QPointF(3, 0), z + QPointF(0, 3), z + QPointF(3, 3)});
}

struct Hands
{
    QColor hour;
    QColor minute;
    std::optional<QColor> second;
};

// A small clock at ten past ten.
void miniClock(QPainter& p, QPointF c, qreal r, const Hands& hands)
{
    p.setPen(QPen(QColor(0x24, 0x24, 0x2A), 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::dialTick);
    for (int q = 0; q < 4; ++q) {
        const qreal a = qDegreesToRadians(q * 90.0);
        p.drawEllipse(c + QPointF(std::sin(a), -std::cos(a)) * (r - 2.2), 0.8, 0.8);
    }
    auto hand = [&](qreal degrees, qreal length, qreal width, const QColor& colour) {
        const qreal a = qDegreesToRadians(degrees);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(std::sin(a), -std::cos(a)) * length);
    };
    hand(305, r * 0.55, 2.2, hands.hour);
    hand(60, r * 0.8, 1.6, hands.minute);
    if (hands.second) {
        hand(200, r * 0.85, 1.0, *hands.second);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x24, 0x24, 0x2A));
    p.drawEllipse(c, 1.2, 1.2);
}

void bell(QPainter& p, QPointF top, qreal size)
{
    const qreal u = size / 10.0;
    QPainterPath body;
    body.moveTo(top + QPointF(0, 0.8 * u));
    body.cubicTo(top + QPointF(3.2 * u, 0.8 * u), top + QPointF(3.0 * u, 4.5 * u),
                 top + QPointF(3.6 * u, 6.8 * u));
    body.lineTo(top + QPointF(4.6 * u, 8.0 * u));
    body.lineTo(top + QPointF(-4.6 * u, 8.0 * u));
    body.lineTo(top + QPointF(-3.6 * u, 6.8 * u));
    body.cubicTo(top + QPointF(-3.0 * u, 4.5 * u), top + QPointF(-3.2 * u, 0.8 * u),
                 top + QPointF(0, 0.8 * u));
    p.setPen(QPen(QColor(0x8A, 0x5A, 0x00), 1.0));
    p.setBrush(QColor(0xFF, 0xC8, 0x3C));
    p.drawPath(body);
    p.setBrush(QColor(0xFF, 0xC8, 0x3C));
    p.drawEllipse(top + QPointF(0, 9.0 * u), 1.4 * u, 1.2 * u);
    p.drawEllipse(top + QPointF(0, 0.4 * u), 0.9 * u, 0.9 * u);
}

void catHead(QPainter& p, QPointF centre, qreal width, const cat::Look& look = cat::black())
{
    const qreal h = width * 0.76;
    cat::drawHead(
        p,
        {QRectF(centre.x() - width / 2, centre.y() - h / 2, width, h), width * 0.26, {0.0, 0.05}, 1.0, false},
        look);
}

// "Color" in letters of many colours.
void colourWord(QPainter& p, QPointF topCentre)
{
    QFont font = propGothic(11);
    font.setBold(true);
    static const std::array<QColor, 5> colours{QColor(0xFF, 0x5A, 0x5A), QColor(0xFF, 0xC0, 0x40),
                                               QColor(0x5C, 0xD8, 0x5C), QColor(0x50, 0xA8, 0xFF),
                                               QColor(0xC8, 0x7C, 0xFF)};
    const QString word = QStringLiteral("Color");
    qreal x = topCentre.x() - textWidth(font, word) / 2.0;
    for (int i = 0; i < word.size(); ++i) {
        textAt(p, QPointF(x, topCentre.y()), font, colours[std::size_t(i)], word.mid(i, 1));
        x += textWidth(font, word.mid(i, 1));
    }
}

// A small read-out box showing digits, as the clock's panels do.
void readout(QPainter& p, const QRectF& box, const char* text, const QColor& colour)
{
    p.setPen(QPen(QColor(0x14, 0x14, 0x18), 1.0));
    p.setBrush(Qt::black);
    p.drawRoundedRect(box, 2, 2);
    const qreal cellW = (box.width() - 6) / 4.6;
    const qreal h = box.height() - 6;
    qreal x = box.left() + 3;
    p.setBrush(Qt::NoBrush);
    for (const char* c = text; *c; ++c) {
        if (*c >= '0' && *c <= '9') {
            p.setPen(QPen(colour, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(digitPath(*c - '0', QRectF(x + 0.9, box.top() + 3, cellW - 1.8, h)));
            x += cellW;
        } else {
            if (*c == '/') {
                p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(x + cellW * 0.55, box.top() + 3),
                           QPointF(x + cellW * 0.05, box.bottom() - 3));
            } else if (*c == ':') {
                p.setPen(Qt::NoPen);
                p.setBrush(colour);
                p.drawEllipse(QPointF(x + cellW * 0.3, box.top() + 3 + h * 0.3), 0.9, 0.9);
                p.drawEllipse(QPointF(x + cellW * 0.3, box.top() + 3 + h * 0.72), 0.9, 0.9);
                p.setBrush(Qt::NoBrush);
            }
            x += cellW * 0.6;
        }
    }
}

// A desktop window: title bar and body.
void appWindow(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(0x1C, 0x1C, 0x22), 1.0));
    p.setBrush(QColor(0xEE, 0xF2, 0xF8));
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x86, 0xE8));
    p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, 4));
    p.setBrush(QColor(0xC8, 0xD2, 0xE0));
    p.drawRect(QRectF(r.left() + 3, r.top() + 8, r.width() * 0.55, 1.5));
    p.drawRect(QRectF(r.left() + 3, r.top() + 12, r.width() * 0.4, 1.5));
}

void taskBar(QPainter& p, QSizeF s, bool withCat)
{
    const QRectF screen(5.5, 7.5, s.width() - 11, s.height() - 15);
    p.setPen(QPen(QColor(0x1C, 0x1C, 0x22), 1.0));
    p.setBrush(QColor(0xA8, 0xC8, 0xEC));
    p.drawRect(screen);
    const QRectF bar(screen.left(), screen.bottom() - 8, screen.width(), 8);
    QLinearGradient blue(bar.topLeft(), bar.bottomLeft());
    blue.setColorAt(0, QColor(0x4C, 0x8C, 0xF0));
    blue.setColorAt(1, QColor(0x24, 0x5C, 0xD0));
    p.setBrush(blue);
    p.drawRect(bar);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3C, 0xB4, 0x5A));
    p.drawRoundedRect(QRectF(bar.left() + 1, bar.top() + 1.5, 7, 5), 2, 2);
    p.setBrush(QColor(0x1E, 0x4C, 0xB0));
    p.drawRect(QRectF(bar.right() - 11, bar.top() + 1.5, 10.5, 5));
    if (withCat) {
        catHead(p, QPointF(bar.right() - 6, bar.top() + 3.2), 9);
    }
}

void startButton(QPainter& p, QPointF centre)
{
    const QRectF pill(centre.x() - 13, centre.y() - 6.5, 26, 13);
    QLinearGradient green(pill.topLeft(), pill.bottomLeft());
    green.setColorAt(0, QColor(0x5C, 0xD0, 0x74));
    green.setColorAt(1, QColor(0x2C, 0x9A, 0x46));
    p.setPen(QPen(QColor(0x14, 0x50, 0x24), 1.0));
    p.setBrush(green);
    p.drawRoundedRect(pill, 6.5, 6.5);
    QPainterPath play;
    play.moveTo(centre + QPointF(-2.5, -3.8));
    play.lineTo(centre + QPointF(4.0, 0));
    play.lineTo(centre + QPointF(-2.5, 3.8));
    play.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(play);
}

void eraser(QPainter& p, QPointF centre)
{
    p.save();
    p.translate(centre);
    p.rotate(-35);
    p.setPen(QPen(QColor(0x50, 0x2A, 0x3A), 1.0));
    p.setBrush(QColor(0xF6, 0x9C, 0xB6));
    p.drawRoundedRect(QRectF(-3, -5, 12, 10), 1.5, 1.5);
    p.setBrush(QColor(0xF4, 0xF4, 0xF8));
    p.drawRoundedRect(QRectF(-9, -5, 7, 10), 1.5, 1.5);
    p.restore();
}

// --- the faces ----------------------------------------------------------------------

const QColor hourBlack(0x24, 0x24, 0x2A);
const QColor minuteGrey(0x5A, 0x5A, 0x62);
const QColor secondRed(0xF0, 0x3C, 0x3C);

std::vector<Face> faces()
{
    const QSize wide(55, 40);
    const QSize square(40, 40);
    return {
        {artwork::face::change, wide,
         [](QPainter& p, QSizeF s) {
             ring(p, QPointF(s.width() / 2, 13), 7.5, palette::okBlue);
             label(p, QRectF(0, 24, s.width(), 13), artwork::face::change);
         }},
        {artwork::face::apply, wide,
         [](QPainter& p, QSizeF s) {
             ring(p, QPointF(s.width() / 2, 13), 7.5, palette::okBlue);
             label(p, QRectF(0, 24, s.width(), 13), artwork::face::apply);
         }},
        {artwork::face::cancel, wide,
         [](QPainter& p, QSizeF s) {
             cross(p, QPointF(s.width() / 2, 13), 6.0, palette::cancelRed);
             label(p, QRectF(0, 24, s.width(), 13), artwork::face::cancel, 10);
         }},
        {artwork::face::close, wide,
         [](QPainter& p, QSizeF s) {
             ringOfDots(p, QPointF(s.width() / 2, 13), 6.8, 1.7, palette::cancelRed);
             label(p, QRectF(0, 24, s.width(), 13), artwork::face::close);
         }},
        {artwork::face::options, wide,
         [](QPainter& p, QSizeF s) {
             sliders(p, QRectF(s.width() / 2 - 9, 4, 18, 17));
             label(p, QRectF(0, 24, s.width(), 13), artwork::face::options, 10);
         }},
        {artwork::face::closeSmall, QSize(70, 20),
         [](QPainter& p, QSizeF s) {
             ringOfDots(p, QPointF(19, s.height() / 2), 5.0, 1.35, palette::cancelRed);
             label(p, QRectF(27, 0, 36, s.height()), artwork::face::closeSmall);
         }},
        {artwork::face::snooze, QSize(74, 20),
         [](QPainter& p, QSizeF s) {
             moon(p, QPointF(14, s.height() / 2), 5.6);
             label(p, QRectF(23, 0, 47, s.height()), artwork::face::snooze);
         }},
        {artwork::face::alarms, square,
         [](QPainter& p, QSizeF) {
             miniClock(p, QPointF(17, 22), 11, {hourBlack, minuteGrey, std::nullopt});
             bell(p, QPointF(29, 5), 12);
         }},
        {artwork::face::design, square,
         [](QPainter& p, QSizeF) {
             p.setPen(QPen(QColor(0x5A, 0x38, 0x1E), 1.0));
             p.setBrush(QColor(0xC8, 0x8C, 0x50));
             p.drawRoundedRect(QRectF(6.5, 8.5, 27, 24), 1.5, 1.5);
             p.setBrush(QColor(0xFC, 0xE4, 0xEC));
             p.drawRect(QRectF(9.5, 11.5, 21, 18));
             catHead(p, QPointF(20, 23), 15);
         }},
        {artwork::face::alwaysOnTop, square,
         [](QPainter& p, QSizeF) {
             appWindow(p, QRectF(4.5, 6.5, 24, 19));
             catHead(p, QPointF(24, 25), 19);
         }},
        {artwork::face::normalStacking, square,
         [](QPainter& p, QSizeF) {
             catHead(p, QPointF(24, 18), 19);
             appWindow(p, QRectF(7.5, 16.5, 26, 19));
         }},
        {artwork::face::trayIconOn, square,
         [](QPainter& p, QSizeF s) {
             taskBar(p, s, true);
         }},
        {artwork::face::trayIconOff, square,
         [](QPainter& p, QSizeF s) {
             taskBar(p, s, false);
         }},
        {artwork::face::registerStartup, square,
         [](QPainter& p, QSizeF) {
             startButton(p, QPointF(20, 20));
         }},
        {artwork::face::unregisterStartup, square,
         [](QPainter& p, QSizeF) {
             startButton(p, QPointF(17, 22));
             eraser(p, QPointF(27, 13));
         }},
        {artwork::face::secondHandOn, square,
         [](QPainter& p, QSizeF) {
             miniClock(p, QPointF(20, 20), 14, {hourBlack, minuteGrey, secondRed});
         }},
        {artwork::face::secondHandOff, square,
         [](QPainter& p, QSizeF) {
             miniClock(p, QPointF(20, 20), 14, {hourBlack, minuteGrey, std::nullopt});
         }},
        {artwork::face::handColour, square,
         [](QPainter& p, QSizeF) {
             miniClock(p, QPointF(20, 15), 10.5,
                       {QColor(0xE0, 0x40, 0x80), QColor(0x30, 0x90, 0xF0), QColor(0x30, 0xC0, 0x50)});
             colourWord(p, QPointF(20, 25.5));
         }},
        {artwork::face::readoutColour, square,
         [](QPainter& p, QSizeF) {
             readout(p, QRectF(4.5, 6.5, 31, 15), "05/17", QColor(0xFF, 0xB8, 0x4D));
             colourWord(p, QPointF(20, 25.5));
         }},
        {artwork::face::colonShown, square,
         [](QPainter& p, QSizeF) {
             readout(p, QRectF(3.5, 12.5, 33, 16), "12:34", Qt::white);
         }},
        {artwork::face::colonHidden, square,
         [](QPainter& p, QSizeF) {
             readout(p, QRectF(3.5, 12.5, 33, 16), "12 34", Qt::white);
         }},
    };
}

QImage selected(int scale)
{
    QImage image = filledCanvas(QSize(44, 44), palette::selectBlue, scale);
    QPainter p(&image);
    frameRect(p, QRect(0, 0, 44, 44), palette::selectBlueEdge);
    return image;
}

} // namespace

void addButtons(Catalogue& catalogue)
{
    for (const Face& face : faces()) {
        const artwork::ButtonPictures pictures = artwork::buttonPictures(face.face);
        for (const auto& [state, path] :
             {std::pair{State::Normal, &pictures.normal}, std::pair{State::Pressed, &pictures.pressed},
              std::pair{State::Hover, &pictures.hover}}) {
            catalogue.add(*path,
                          [&face, state = state](int scale) { return opaque(button(face, state, scale)); });
        }
    }
    catalogue.add(QString::fromLatin1(artwork::choiceSelected),
                  [](int scale) { return opaque(selected(scale)); });
    catalogue.add(QString::fromLatin1(artwork::choiceUnselected),
                  [](int scale) { return opaque(filledCanvas(QSize(44, 44), palette::body, scale)); });
}
