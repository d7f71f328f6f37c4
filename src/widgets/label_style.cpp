#include "widgets/label_style.h"

#include <QLabel>

void styleLabel(QLabel* label, const QString& family, double pointSize, ColourRef colour, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    label->setPalette(palette);
    label->setAutoFillBackground(false);
}
