#include "widgets/check_entry_delegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int margin = 1; // left of the mark and right of the text
constexpr int markSize = 11;
constexpr int markGap = 3; // between the mark and the text

} // namespace

CheckEntryDelegate::CheckEntryDelegate(int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), rowHeight_(rowHeight)
{}

QRect CheckEntryDelegate::markRect(const QRect& entry)
{
    return {entry.left() + margin, entry.top() + (entry.height() - markSize) / 2, markSize, markSize};
}

int CheckEntryDelegate::textLeft(const QRect& entry)
{
    return entry.left() + margin + markSize + markGap;
}

void CheckEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyleOptionViewItem entry = option;
    initStyleOption(&entry, index);
    const QWidget* view = entry.widget;
    const QStyle* style = view ? view->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &entry, painter, view);

    QStyleOptionViewItem mark = entry;
    mark.rect = markRect(entry.rect);
    mark.state &= ~(QStyle::State_HasFocus | QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange);
    mark.state |= entry.checkState == Qt::Checked            ? QStyle::State_On
                  : entry.checkState == Qt::PartiallyChecked ? QStyle::State_NoChange
                                                             : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &mark, painter, view);

    const QPalette::ColorGroup group = !(entry.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (entry.state & QStyle::State_Active) ? QPalette::Normal
                                                                              : QPalette::Inactive;
    const bool selected = entry.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(entry.font);
    painter->setPen(entry.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect text(QPoint(textLeft(entry.rect), entry.rect.top()), entry.rect.bottomRight());
    // A font taller than the row still shows its digits, which sit in the middle.
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                      entry.text);
    painter->restore();

    if (entry.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(entry);
        focus.backgroundColor = entry.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
    }
}

QSize CheckEntryDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem entry = option;
    initStyleOption(&entry, index);
    const int width = textLeft(QRect()) + entry.fontMetrics.horizontalAdvance(entry.text) + margin;
    return {width, rowHeight_};
}

bool CheckEntryDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                     const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const Qt::ItemFlags flags = index.flags();
    if (!flags.testFlag(Qt::ItemIsUserCheckable) || !flags.testFlag(Qt::ItemIsEnabled)) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // The mark's whole column answers, not only its eleven pixels.
        const QRect column(option.rect.topLeft(), QPoint(textLeft(option.rect) - 1, option.rect.bottom()));
        if (mouse->button() != Qt::LeftButton || !column.contains(mouse->position().toPoint())) {
            return false;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            return true; // eaten, as Qt's own entries do: each release switches the mark
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select) {
            return false;
        }
        break;
    }
    default:
        return false;
    }
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}
