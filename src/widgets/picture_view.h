#pragma once

#include "core/colour.h"

#include <QImage>
#include <QWidget>
#include <optional>

// A picture on a window, optionally inside a flat one-pixel border: the design
// previews, the small hand face and the read-out preview. Without a picture it shows
// its fill colour (a colour swatch).
class PictureView : public QWidget
{
public:
    // `geometry` is the outside, border included.
    PictureView(QWidget* parent, const QRect& geometry, bool bordered);

    void setPicture(const QImage& picture);
    void setFillColour(ColourRef colour);
    ColourRef fillColour() const { return fill_; }

    // What the view shows inside its border.
    QImage shown();

    static constexpr ColourRef borderColour = 0x00000000;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect inside() const;

    QImage picture_;
    ColourRef fill_ = 0;
    bool bordered_;
};
