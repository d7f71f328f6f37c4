#include "widgets/picture_dialog.h"

#include "core/artwork.h"
#include "widgets/announcer.h"
#include "widgets/image_button.h"
#include "widgets/kept_inside.h"
#include "widgets/label_style.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

PictureDialog::PictureDialog(const artwork::Background& background, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), background_(background.path), drag_(this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(background.title));
    setFixedSize(background_.size());
    setFont(QFont(dialogFace, 9));
    setMouseTracking(true);
}

void PictureDialog::showCentred(const QWidget* owner, const QScreen* screen)
{
    if (owner) {
        screen = owner->screen();
    } else if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect free = screen ? screen->availableGeometry() : QRect();
    const QRect area = owner ? owner->frameGeometry() : free;
    const QRect centred(area.center() - rect().center(), size());
    move(free.isEmpty() ? centred.topLeft() : keptInside(centred, free));
    show();
    raise();
    activateWindow();
}

void PictureDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& picture = background_.at(devicePixelRatioF());
    const QSizeF size = picture.deviceIndependentSize();
    if (height() <= size.height()) {
        painter.drawPixmap(0, 0, picture);
        return;
    }
    // A window taller than its picture (a long message): the picture's upper half at the
    // top, its lower half at the bottom, and the row between them stretched in between.
    const qreal ratio = picture.devicePixelRatio();
    const qreal width = size.width();
    const qreal half = std::floor(size.height() / 2);
    const qreal lower = size.height() - half;
    painter.drawPixmap(QRectF(0, 0, width, half), picture, QRectF(0, 0, width * ratio, half * ratio));
    painter.drawPixmap(QRectF(0, half, width, height() - size.height()), picture,
                       QRectF(0, half * ratio, width * ratio, ratio));
    painter.drawPixmap(QRectF(0, height() - lower, width, lower), picture,
                       QRectF(0, half * ratio, width * ratio, lower * ratio));
}

void PictureDialog::mousePressEvent(QMouseEvent* event)
{
    // Presses that a label or a panel let through do not move the window; only the
    // background itself does.
    if (!childAt(event->position().toPoint())) {
        drag_.press(*event);
    }
}

void PictureDialog::mouseMoveEvent(QMouseEvent* event)
{
    movedOverBackground();
    drag_.move(*event);
}

void PictureDialog::movedOverBackground()
{
    press_.letGo();
    emit pointerOverBackground();
}

void PictureDialog::mouseReleaseEvent(QMouseEvent*)
{
    drag_.release();
}

void PictureDialog::closeEvent(QCloseEvent* event)
{
    if (isEnabled()) {
        event->accept();
        emit closed();
    } else {
        event->ignore();
    }
}

ImageButton* PictureDialog::addImageButton(const artwork::Face& face, QPoint at, const char* name,
                                           QWidget* parent)
{
    auto* button = new ImageButton(ButtonFace::load(face), press_, parent ? parent : this);
    button->setObjectName(QString::fromLatin1(name));
    button->move(at);
    return button;
}

ImageButton* PictureDialog::addCloseButton(const artwork::Face& face, QPoint at, const char* name)
{
    ImageButton* button = addImageButton(face, at, name);
    connect(button, &ImageButton::clicked, this, &QWidget::close);
    closeButton_ = button;
    return button;
}

void PictureDialog::keyPressEvent(QKeyEvent* event)
{
    ImageButton* button = nullptr;
    if (event->key() == Qt::Key_Escape) {
        button = closeButton_;
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        button = defaultButton_;
    }
    if (button) {
        button->click();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void PictureDialog::dragFrom(QWidget* child)
{
    dragSources_.append(child);
    child->installEventFilter(this);
}

void PictureDialog::countAsBackground(QWidget* child)
{
    backgroundParts_.append(child);
    child->setMouseTracking(true);
    child->installEventFilter(this);
}

bool PictureDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && backgroundParts_.contains(watched)) {
        movedOverBackground();
    }
    if (dragSources_.contains(watched)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            drag_.press(*static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseMove:
            drag_.move(*static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseButtonRelease:
            drag_.release();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PictureDialog::announce(const QString& words)
{
    if (!announcer_) {
        announcer_ = new Announcer(this);
    }
    announcer_->announce(words);
}
