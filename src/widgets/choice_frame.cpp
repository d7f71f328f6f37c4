#include "widgets/choice_frame.h"

#include "core/artwork.h"

#include <QPainter>

ChoiceFrame::ChoiceFrame(QWidget* parent, QPoint at)
    : QWidget(parent), selectedPicture_(artwork::choiceSelected),
      unselectedPicture_(artwork::choiceUnselected)
{
    setGeometry(QRect(at, QSize(44, 44)));
}

void ChoiceFrame::setSelected(bool selected)
{
    if (selected_ != selected) {
        selected_ = selected;
        update();
    }
}

void ChoiceFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, (selected_ ? selectedPicture_ : unselectedPicture_).at(devicePixelRatioF()));
}
