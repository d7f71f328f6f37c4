#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A picture of the artwork catalogue (core/artwork.h) as the screen it is painted on
// wants it: the 1x picture at device pixel ratio 1, the 2x picture at 2, and at any
// other ratio the nearer of the two scaled smoothly to the ratio's size. The picture
// for the last ratio asked is kept, so a window staying on its screen loads it once
// and paints it pixel for pixel.
class ScaledPicture
{
public:
    // `path` is a catalogue path, as core/artwork.h names it.
    explicit ScaledPicture(QString path);
    explicit ScaledPicture(const char* path) : ScaledPicture(QString::fromLatin1(path)) {}

    // The size in logical pixels: that of the 1x picture.
    QSize size() const { return size_; }

    // The picture for a device pixel ratio, carrying that ratio.
    const QPixmap& at(qreal devicePixelRatio) const;

private:
    QString path_;
    QSize size_;
    mutable QPixmap pixmap_;
    mutable qreal ratio_;
};
