#pragma once

#include "core/colour.h"
#include "widgets/scaled_picture.h"

#include <QImage>
#include <QWidget>
#include <optional>

// A picture on a window, optionally inside a flat one-pixel border: the design
// previews, the small hand face and the read-out preview. Without a picture it shows
// its fill colour (a colour swatch). A picture of another device pixel ratio than the
// screen's is scaled smoothly. A screen reader reads its accessible name, and a swatch's
// colour.
class PictureView : public QWidget
{
public:
    // `geometry` is the outside, border included.
    PictureView(QWidget* parent, const QRect& geometry, bool bordered);

    // A picture drawn by the window, or one of the artwork catalogue.
    void setPicture(const QImage& picture);
    void setPicture(const ScaledPicture& picture);
    void setFillColour(ColourRef colour);
    ColourRef fillColour() const { return fill_; }
    // A swatch: no picture, only the fill colour.
    bool showsFillColour() const { return picture_.isNull() && !cataloguePicture_; }

    // What the view shows inside its border.
    QImage shown();

    static constexpr ColourRef borderColour = 0x00000000;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect inside() const;
    void display(const QImage& picture, const std::optional<ScaledPicture>& cataloguePicture);

    QImage picture_;
    std::optional<ScaledPicture> cataloguePicture_;
    ColourRef fill_ = 0;
    bool bordered_;
};
