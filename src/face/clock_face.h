#pragma once

#include "core/colour.h"
#include "core/local_time.h"
#include "face/designs.h"
#include "face/hand_painter.h"

#include <QFont>
#include <QImage>
#include <QPainter>

// The pixels of the clock window: the face (the cat picture with hands, date texts and
// bell), and on the digital designs the read-out panel and the bell box, which lie on
// top of the face and keep their own pictures between redraws.
//
// Everything is drawn at the scale of the picture it is given (its device pixel ratio:
// the screen's, times the clock's size): hands, texts, bell and digit cells in the
// picture's own pixels, each part placed on a whole pixel, so that a scaled screen and a
// larger clock show them crisp; positions and sizes in the interface are the design's
// pixels.
//
// Redraws reuse their images and pens: after the first one, a redraw that does not
// change the date, the design, a colour or the scale allocates nothing.
class ClockFace
{
public:
    ClockFace();

    // What a redraw of the face needs from the clock's state.
    struct Inputs
    {
        DesignIndex design;
        LocalTime time;
        bool secondHand;
        bool bellShown;
        ColourRef hourColour;
        ColourRef minuteColour;
        ColourRef secondColour;
        ColourRef readoutColour;
    };

    // The per-second redraw: the picture again, hands, texts, panel placement and bell.
    // `picture` is the design's picture at the scale to draw at. Returns what may have
    // changed since the redraw before, in the design's pixels: the hands' place, the
    // bell's where it came or went, or the whole face with a new picture, scale or text.
    QRect redraw(const QImage& picture, const Inputs& inputs);

    // Draws the time into the read-out panel of a digital design; false when the panel
    // already showed exactly this, in which case nothing was drawn.
    bool refreshReadout(DesignIndex design, const LocalTime& time, ColonStyle colonStyle, int colonPhase);

    // The read-out panel's background colour (set at start-up and by each redraw).
    void setPanelColour(ColourRef colour);

    // Draws the face, panel and bell box in the design's pixels; a painter whose scale is
    // not the face's scales them smoothly.
    void paint(QPainter& painter) const;

    // The face's scale: its pixels per pixel of the design.
    qreal scale() const { return scale_; }

    const QImage& image() const { return face_; }
    const QImage& panel() const { return panel_; }
    // Where the panel and the bell box are shown; empty on analog designs.
    QRect panelRect() const { return panelsShown_ ? panelRect_ : QRect(); }
    const QImage& bellBox() const { return bellBox_; }
    QRect bellBoxRect() const { return panelsShown_ ? bellBoxRect_ : QRect(); }

    // The clock's text face: the Japanese gothic face at 8.25 points (11 pixels).
    static QFont textFont();

private:
    // Takes the read-out panel and the bell box away (analog designs).
    void hidePanels();
    void prepareFace(const QImage& picture);
    // Loads the strips and the bell at a scale and sizes the panel and bell box for it.
    void useScale(qreal scale);
    // A point of the design in the face's pixels, at the nearest whole one; and that
    // pixel's corner in the design's pixels.
    QPoint inPixels(QPoint logical) const;
    QPointF snapped(QPoint logical) const;
    void drawTexts(const face_layout::Layout& layout, const Inputs& inputs);
    void drawBell(const face_layout::Layout& layout, const Inputs& inputs);
    void placePanels(const face_layout::Layout& layout, ColourRef readoutColour);
    QRectF wholeFace() const;

    qreal scale_ = 1;
    QRectF changed_; // by the redraw under way
    bool bellDrawn_ = false;
    // The picture each redraw starts from, its key covered along the figure above 1x:
    // fractional screen scales show the face scaled.
    QImage source_;
    qint64 sourceKey_ = 0;
    QImage face_;
    QPainter painter_;
    HandPainter hands_;

    QImage panel_;
    QRect panelRect_;
    ColourRef panelColour_ = 0;
    QImage bellBox_;
    QRect bellBoxRect_;
    bool panelsShown_ = false;

    // The two texts of the face, rendered once for the day and half-day they show.
    struct RenderedTexts
    {
        long long key = -1;
        QImage first;
        QImage second;
    };
    RenderedTexts texts_;

    // What the panel shows, to skip redrawing the same picture.
    long long panelContent_ = -1;

    QImage smallStrip_;
    QImage largeStrip_;
    QImage bellSprite_;
};
