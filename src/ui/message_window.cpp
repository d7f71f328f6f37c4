#include "ui/message_window.h"

#include "core/artwork.h"
#include "model/clock_model.h"
#include "platform/app_identity.h"
#include "platform/platform.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"
#include "widgets/wrapped_text.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The window as drawn, with room for three lines of text.
constexpr QSize drawnSize(240, 90);
constexpr QRect baseTextBox(5, 12, 230, 49);
constexpr QPoint baseButton(85, 62);

} // namespace

MessageWindow::MessageWindow(const QString& text, const ClockModel& model, Platform& platform)
    : PictureDialog(artwork::background::message), model_(model), platform_(platform)
{
    setObjectName(QStringLiteral("messageWindow"));
    setWindowTitle(applicationTitle());
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAlert(true);

    text_ = new WrappedText(this);
    text_->setObjectName(QStringLiteral("messageText"));
    QFont font(fixedFace);
    font.setPointSizeF(9.75);
    text_->setFont(font);
    QPalette palette = text_->palette();
    palette.setColor(QPalette::WindowText, toQColor(0x00E0E0E0));
    text_->setPalette(palette);
    countAsBackground(text_);
    dragFrom(text_);

    closeButton_ = addCloseButton(artwork::face::closeSmall, baseButton);
    setDefaultButton(closeButton_);

    beep();
    messages_.append(text);
    showMessages();
}

void MessageWindow::addMessage(const QString& text)
{
    beep();
    messages_.append(text);
    showMessages();
}

void MessageWindow::beep()
{
    if (!model_.lastAlarmPlayedWave()) {
        platform_.beep();
    }
}

QString MessageWindow::text() const
{
    return text_->text();
}

void MessageWindow::showMessages()
{
    QString shown = messages_.join(QStringLiteral("\n\n"));
    text_->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    setAccessibleDescription(shown);
    int extra = std::max(0, text_->heightFor(baseTextBox.width()) - baseTextBox.height());
    // Never taller than the screen: a message longer than that shows its middle part.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        extra = std::min(extra, std::max(0, screen->availableGeometry().height() - drawnSize.height()));
    }
    setFixedSize(drawnSize.width(), drawnSize.height() + extra);
    text_->setGeometry(baseTextBox.adjusted(0, 0, 0, extra));
    closeButton_->move(baseButton + QPoint(0, extra));
}
