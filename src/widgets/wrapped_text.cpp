#include "widgets/wrapped_text.h"

#include "widgets/accessible_widgets.h"

#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace {

QTextOption wrapping(Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Text layouts break lines at the line separator, not at a newline.
QString withLineSeparators(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator))
        .replace(u'\n', QChar::LineSeparator);
}

} // namespace

WrappedText::WrappedText(QWidget* parent) : QWidget(parent) {}

void WrappedText::setText(const QString& text)
{
    text_ = text;
    update();
    accessibility::nameChanged(this);
}

int WrappedText::heightFor(int width) const
{
    QTextLayout layout(withLineSeparators(text_), font());
    layout.setTextOption(wrapping(Qt::AlignHCenter));
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return int(std::ceil(height));
}

void WrappedText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(rect()), withLineSeparators(text_), wrapping(Qt::AlignCenter));
}
