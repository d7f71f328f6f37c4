#pragma once

#include "core/artwork.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Small measurements on pictures for the artwork tests.
namespace picture_checks {

// Perceived brightness 0..255 (Rec. 601 weights).
int luma(QRgb pixel);

// The picture compiled into the program, or a null image.
QImage resource(const QString& path);

// The picture of a catalogue path drawn at a scale (1 or 2), as compiled in.
QImage picture(const QString& path, int scale);
QImage picture(const char* path, int scale);

// A rectangle given in 1x pixels, in the pixels of a picture drawn at `scale`.
QRect scaled(const QRect& rect, int scale);

// The name of a parametrised case at a scale: "Design0_2x".
std::string withScale(const std::string& name, int scale);

// The first pixel of the rectangle (clipped to the picture) failing the predicate.
std::optional<QPoint> firstFailing(const QImage& image, const QRect& rect,
                                   const std::function<bool(QRgb)>& ok);

// Key pixels that cannot be reached from the picture's border through key pixels:
// holes inside the figure.
std::vector<QPoint> enclosedKeyPixels(const QImage& image, QRgb key);

// Figure pixels touching the key (8-neighbourhood) that lean towards magenta, as a
// blend of the figure with the key would.
std::vector<QPoint> magentaFringe(const QImage& image, QRgb key);

// Every pixel any hand of the given length and width can touch in a full turn around
// the centre pixel, whichever way a painter places and caps the line.
std::vector<QPoint> handSweep(QSize size, QPoint centre, int length, int width);

// A text's box as the clock prints it: top-left at the point, in the clock's face.
QRect textBox(QPoint topLeft, const QString& text);

// Every three-state button face (artwork::face) and the size of its pictures.
struct ButtonFaceSize
{
    artwork::Face face;
    QSize size;

    friend void PrintTo(const ButtonFaceSize& f, std::ostream* os) { *os << f.face.name; }
};
extern const std::vector<ButtonFaceSize> buttonFaces;

// Every window background and the size of its window.
struct Background
{
    enum class Strip
    {
        None,
        TitleOnly,
        TitleAndNames
    };

    const char* path;
    QSize size;
    Strip strip;

    friend void PrintTo(const Background& b, std::ostream* os) { *os << b.path; }
};
extern const std::vector<Background> backgrounds;

// Every caption of a highlight bar and the width its bar lays it out at.
struct Caption
{
    const char* path;
    int width;

    friend void PrintTo(const Caption& c, std::ostream* os) { *os << c.path; }
};
extern const std::vector<Caption> captions;

} // namespace picture_checks
