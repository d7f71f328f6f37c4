#include "ui/message_window.h"

#include "core/artwork.h"
#include "model/clock_model.h"
#include "platform/platform.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"

#include <QEvent>
#include <QLabel>

MessageWindow::MessageWindow(const QString& text, const ClockModel& model, Platform& platform)
    : PictureDialog(artwork::background::message, QString())
{
    setObjectName(QStringLiteral("messageWindow"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("messageText"));
    styleLabel(text_, fixedFace, 9.75, 0x00E0E0E0);
    text_->setGeometry(5, 12, 230, 49);
    text_->setAlignment(Qt::AlignCenter);
    text_->setMouseTracking(true);
    text_->installEventFilter(this);
    dragFrom(text_);

    addCloseButton(artwork::face::closeSmall, {85, 62});

    if (model.lastAlarmPlayedWave() == 0) {
        platform.beep();
    }
    QString shown = text;
    text_->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString MessageWindow::text() const
{
    return text_->text();
}

bool MessageWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == text_ && event->type() == QEvent::MouseMove) {
        buttonHeld_ = false;
    }
    return PictureDialog::eventFilter(watched, event);
}
