#pragma once

#include "core/artwork.h"
#include "core/colour.h"
#include "widgets/keyboard_button.h"
#include "widgets/scaled_picture.h"

#include <QWidget>

// A link-like button: a caption picture on a slightly larger backdrop that lights up
// while the pointer is over the caption. The backdrop is 15 pixels high and reaches
// 8 pixels beyond the caption on the left and on the right.
class HighlightBar : public KeyboardButton
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

    // What a click does: emits released().
    void click() override;
    QString captionText() const override { return captionText_; }

signals:
    void pressed();
    // The end of a press on the caption, wherever the pointer is; comes before released().
    void letGo();
    // A release (the end of a click) over the caption, or Space or Enter while it has
    // the keyboard focus.
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool overCaption(const QPointF& position) const;

    ScaledPicture caption_;
    QString captionText_;
    ColourRef normalColour_ = normalColour;
    bool lit_ = false;
    bool pressed_ = false;
};
