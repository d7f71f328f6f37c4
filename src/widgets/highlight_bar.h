#pragma once

#include "core/artwork.h"
#include "core/colour.h"
#include "widgets/picture_button.h"
#include "widgets/scaled_picture.h"

// A link-like button: a caption picture on a slightly larger backdrop that lights up
// while the pointer is over the caption. The backdrop is 15 pixels high and reaches
// 8 pixels beyond the caption on the left and on the right. Its text() is the caption's
// words (a screen reader's name for it); the picture shows them.
//
// A press with any mouse button on the caption holds it (captionPressed) until the
// release, wherever that is (letGo); a release over the caption clicks it.
class HighlightBar : public PictureButton
{
    Q_OBJECT

public:
    static constexpr ColourRef highlightColour = 0x00CF8474;
    static constexpr ColourRef normalColour = 0x002E2E2E;

    // A caption of the artwork catalogue (artwork::caption).
    HighlightBar(const artwork::Caption& caption, QWidget* parent);

    // The colour the backdrop shows when not lit.
    void setNormalColour(ColourRef colour);

    // Puts the backdrop back to its normal colour and the pointer to the arrow.
    void unlight();
    void light();
    bool isLit() const { return lit_; }

    // Where the caption lies within the bar.
    QRect captionRect() const;
    const ScaledPicture& caption() const { return caption_; }
    ColourRef backdropColour() const { return lit_ ? highlightColour : normalColour_; }

signals:
    // A mouse press on the caption began.
    void captionPressed();
    // The end of a press on the caption, wherever the pointer is; comes before clicked().
    void letGo();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool overCaption(const QPointF& position) const;

    ScaledPicture caption_;
    ColourRef normalColour_ = normalColour;
    bool lit_ = false;
    bool captionHeld_ = false;
};
