#include "widgets/highlight_bar.h"

#include "widgets/contains_pointer.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr QPoint captionOffset(8, 1);

} // namespace

HighlightBar::HighlightBar(const artwork::Caption& caption, QWidget* parent)
    : PictureButton(parent), caption_(caption.path)
{
    setText(QString::fromUtf8(caption.text));
    setMouseTracking(true);
    setFixedSize(caption_.size().width() + 2 * captionOffset.x(), 15);
}

QRect HighlightBar::captionRect() const
{
    return QRect(captionOffset, caption_.size());
}

void HighlightBar::setNormalColour(ColourRef colour)
{
    normalColour_ = colour;
    update();
}

void HighlightBar::light()
{
    lit_ = true;
    setCursor(Qt::UpArrowCursor);
    update();
}

void HighlightBar::unlight()
{
    lit_ = false;
    setCursor(Qt::ArrowCursor);
    update();
}

bool HighlightBar::overCaption(const QPointF& position) const
{
    return containsPointer(captionRect().size(), position - captionRect().topLeft());
}

void HighlightBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backdropColour()));
    painter.drawPixmap(captionRect().topLeft(), caption_.at(devicePixelRatioF()));
    drawFocusMark(painter, rect());
}

void HighlightBar::mousePressEvent(QMouseEvent* event)
{
    if (overCaption(event->position())) {
        captionHeld_ = true;
        emit captionPressed();
    }
}

void HighlightBar::mouseMoveEvent(QMouseEvent* event)
{
    if (overCaption(event->position())) {
        light();
    } else {
        unlight();
    }
}

void HighlightBar::leaveEvent(QEvent*)
{
    unlight();
}

void HighlightBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (captionHeld_) {
        captionHeld_ = false;
        emit letGo();
    }
    if (overCaption(event->position())) {
        click();
    }
}
