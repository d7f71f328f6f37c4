#pragma once

#include "core/colour.h"

#include <QPoint>
#include <QWidget>

// An engraved separator: a one-pixel black line from `from` to `to` and a grey one
// beside it (one pixel lower for a horizontal line, one to the right for a vertical one).
class EngravedLine final : public QWidget
{
public:
    EngravedLine(QWidget* parent, QPoint from, QPoint to, ColourRef grey);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool horizontal_;
    ColourRef grey_;
};

void addEngravedLine(QWidget* parent, QPoint from, QPoint to, ColourRef grey = 0x00808080);
