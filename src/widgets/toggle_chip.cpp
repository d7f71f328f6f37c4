#include "widgets/toggle_chip.h"

#include "core/artwork.h"

#include <QPainter>
#include <QSignalBlocker>

ToggleChip::ToggleChip(const artwork::Chip& chip, const QString& words, QWidget* parent)
    : PictureButton(parent), off_(artwork::chipPictures(chip).off), on_(artwork::chipPictures(chip).on)
{
    setText(words);
    setCheckable(true);
    setAutoExclusive(false);
    setCursor(Qt::UpArrowCursor);
    setFixedSize(off_.size());
    // A screen reader's toggle checks or unchecks without a click; PictureButton tells
    // a check as a click, this the uncheck.
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (!checked) {
            emit clicked(false);
        }
    });
}

void ToggleChip::showOn(bool on)
{
    const QSignalBlocker blocker(this);
    setChecked(on);
    update();
}

void ToggleChip::nextCheckState()
{
    // The window shows what the click came to.
}

void ToggleChip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, (isChecked() ? on_ : off_).at(devicePixelRatioF()));
    drawFocusMark(painter, rect());
}
