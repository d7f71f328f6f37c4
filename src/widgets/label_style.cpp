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

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, ColourRef colour, double points,
                 const QString& family, bool bold)
{
    auto* label = new QLabel(text, parent);
    styleLabel(label, family, points, colour, bold);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
