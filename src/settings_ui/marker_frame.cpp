#include "settings_ui/marker_frame.h"

#include <QPainter>

MarkerFrame::MarkerFrame(QWidget* parent, QPoint at)
    : QWidget(parent), Asi_(QStringLiteral(":/buttons/Asi.png")),
      NoAsi_(QStringLiteral(":/buttons/NoAsi.png"))
{
    setGeometry(QRect(at, QSize(44, 44)));
}

void MarkerFrame::setSelected(bool selected)
{
    if (selected_ != selected) {
        selected_ = selected;
        update();
    }
}

void MarkerFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, selected_ ? Asi_ : NoAsi_);
}
