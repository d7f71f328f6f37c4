#pragma once

#include <QStyledItemDelegate>

// Paints the entries of a narrow list of marks: the check mark and the text close
// together at the left, in rows of a height the list chooses (so that its longest list
// needs no scroll bar), whatever margins the style would give a list entry. A click on
// the mark, Space or Select switches it, as Qt's own entries do.
class CheckEntryDelegate final : public QStyledItemDelegate
{
public:
    CheckEntryDelegate(int rowHeight, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    static QRect markRect(const QRect& entry);
    static int textLeft(const QRect& entry);

    int rowHeight_;
};
