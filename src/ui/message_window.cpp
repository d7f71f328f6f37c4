#include "ui/message_window.h"

#include "core/artwork.h"
#include "platform/app_identity.h"
#include "ui/window_placement.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"
#include "widgets/wrapped_text.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// The window as drawn, with room for three lines of text.
constexpr QSize drawnSize(240, 90);
constexpr QRect baseTextBox(5, 12, 230, 49);
constexpr QPoint baseButton(85, 62);
constexpr QPoint baseSnoozeButton(159, 62);
constexpr int scrollBarWidth = 8;

// What each key does to the messages' scroll bar.
struct ScrollKey
{
    Qt::Key key;
    QAbstractSlider::SliderAction action;
};

constexpr ScrollKey scrollKeys[] = {
    {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
    {Qt::Key_End, QAbstractSlider::SliderToMaximum},
};

} // namespace

MessageWindow::MessageWindow(const QString& text) : PictureDialog(artwork::background::message)
{
    setObjectName(QStringLiteral("messageWindow"));
    setWindowTitle(applicationTitle());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAlert(true);

    // The messages lie on the window's picture; a scroll bar in the panel's colours shows
    // only when they do not fit.
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("messageScroll"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea_->viewport()->setAutoFillBackground(false);
    scrollArea_->verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { background: #2E2E2E; width: %1px; margin: 0; }"
                       "QScrollBar::handle:vertical { background: #808080; min-height: 16px;"
                       " border-radius: 3px; margin: 1px; }"
                       "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"
                       "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
            .arg(scrollBarWidth));

    text_ = new WrappedText(scrollArea_);
    text_->setObjectName(QStringLiteral("messageText"));
    QFont font(fixedFace);
    font.setPointSizeF(9.75);
    text_->setFont(font);
    QPalette palette = text_->palette();
    palette.setColor(QPalette::WindowText, toQColor(0x00E0E0E0));
    text_->setPalette(palette);
    scrollArea_->setWidget(text_);
    // The scroll area gives its widget a background of its own; the picture is the background.
    text_->setAutoFillBackground(false);
    countAsBackground(text_);
    dragFrom(text_);

    closeButton_ = addCloseButton(artwork::face::closeSmall, baseButton);
    setDefaultButton(closeButton_);

    messages_.append(text);
    showMessages();
}

void MessageWindow::offerSnooze(const QString& help)
{
    if (!snoozeButton_) {
        snoozeButton_ = addImageButton(artwork::face::snooze, baseSnoozeButton, "snoozeButton");
        connect(snoozeButton_, &ImageButton::clicked, this, [this] {
            emit snoozeChosen();
            close();
        });
        setTabOrder(closeButton_, snoozeButton_);
        showMessages();
        snoozeButton_->show();
    }
    snoozeButton_->setAccessibleDescription(help);
    snoozeButton_->setToolTip(help);
}

void MessageWindow::addMessage(const QString& text)
{
    messages_.append(text);
    showMessages();
    QScrollBar* bar = scrollArea_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

QString MessageWindow::text() const
{
    return text_->text();
}

void MessageWindow::showMessages()
{
    QString shown = messages_.join(QStringLiteral("\n\n"));
    // A screen reader reads an alert's texts as it comes: the messages are not its
    // description as well, or they would be read twice.
    text_->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // As tall as the messages need, but never taller than the free part of the screen.
    const QRect free = screen()->availableGeometry();
    const int mostExtra = std::max(0, free.height() - drawnSize.height());
    int needed = text_->heightFor(baseTextBox.width());
    const int extra = std::clamp(needed - baseTextBox.height(), 0, mostExtra);
    const QRect box = baseTextBox.adjusted(0, 0, 0, extra);
    const bool scrolls = needed > box.height();
    const int textWidth = scrolls ? box.width() - scrollBarWidth : box.width();
    if (scrolls) {
        needed = text_->heightFor(textWidth);
    }
    scrollArea_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setFixedSize(drawnSize.width(), drawnSize.height() + extra);
    scrollArea_->setGeometry(box);
    // Shorter messages stand centred in the box.
    text_->resize(textWidth, std::max(needed, box.height()));
    closeButton_->move(baseButton + QPoint(0, extra));
    if (snoozeButton_) {
        snoozeButton_->move(baseSnoozeButton + QPoint(0, extra));
    }
    if (isVisible()) {
        move(keptInside(geometry(), free));
    }
}

void MessageWindow::keyPressEvent(QKeyEvent* event)
{
    for (const ScrollKey& scroll : scrollKeys) {
        if (event->key() == scroll.key) {
            scrollArea_->verticalScrollBar()->triggerAction(scroll.action);
            return;
        }
    }
    PictureDialog::keyPressEvent(event);
}

void MessageWindow::wheelEvent(QWheelEvent* event)
{
    // The wheel scrolls the messages wherever the pointer is on the window.
    QCoreApplication::sendEvent(scrollArea_->verticalScrollBar(), event);
}
