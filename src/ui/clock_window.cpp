#include "ui/clock_window.h"

#include "core/artwork.h"
#include "face/window_outline.h"
#include "model/clock_model.h"
#include "platform/app_identity.h"
#include "platform/platform.h"
#include "ui/window_placement.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>

namespace {

constexpr double twipsPerPixel = 15.0;

// Screen pixels from a stored twips value; wild values are clamped so they stay integers.
int pixelsFromTwips(double twips)
{
    return int(std::lround(std::clamp(twips / twipsPerPixel, -1.0e7, 1.0e7)));
}

constexpr Qt::WindowFlags baseWindowFlags = Qt::FramelessWindowHint | Qt::Tool;

} // namespace

ClockWindow::ClockWindow(ClockModel& model, Platform& platform)
    : QWidget(nullptr, baseWindowFlags), model_(model), platform_(platform), drag_(this),
      picture_(designs::picture(0, artwork::pictureScale(devicePixelRatioF())))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("nekotokei"));

    displayTimer_.setInterval(displayTickMilliseconds);
    connect(&displayTimer_, &QTimer::timeout, this, &ClockWindow::displayTick);
    alarmTimer_.setInterval(alarmTickMilliseconds);
    connect(&alarmTimer_, &QTimer::timeout, this, &ClockWindow::alarmTick);
    connect(&drag_, &WindowDrag::moveEnded, this, &ClockWindow::savePosition);

    connect(&model_, &ClockModel::alwaysOnTopChanged, this, &ClockWindow::applyStackingOrder);
    connect(&model_, &ClockModel::trayIconChanged, this, &ClockWindow::updateTrayIcon);
    connect(&model_, &ClockModel::designChanged, this, &ClockWindow::showDesign);
    connect(&model_, &ClockModel::handColoursChanged, this, &ClockWindow::showNewColours);
    connect(&model_, &ClockModel::readoutColourChanged, this, &ClockWindow::showNewColours);
}

void ClockWindow::start()
{
    const ClockSettings& settings = model_.settings();
    applyDesignGeometry();
    face_.setPanelColour(settings.readoutColour);
    loadPicture();
    redrawIfSecondChanged();
    resizeToPicture();

    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->geometry());
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QPoint stored(pixelsFromTwips(settings.positionX), pixelsFromTwips(settings.positionY));
    move(placeOnScreens(QRect(stored, size()), screens, primary ? primary->availableGeometry() : QRect()));

    applyOutline();
    lastDrawnSecond_ = -1;
    show();
    // A screen of another device pixel ratio wants the pictures at its scale.
    connect(windowHandle(), &QWindow::screenChanged, this, &ClockWindow::showDesign);
    applyStackingOrder();
    if (settings.trayIcon == 1) {
        addTrayIcon();
    }

    displayTimer_.start();
    colonPhase_ = 0;
    alarmTimer_.start();
}

void ClockWindow::applyDesignGeometry()
{
    if (designs::isAnalog(model_.settings().design)) {
        face_.hidePanels();
    }
}

void ClockWindow::redrawIfSecondChanged()
{
    now_ = platform_.now();
    if (lastDrawnSecond_ == now_.second) {
        return;
    }
    const ClockSettings& settings = model_.settings();
    face_.redraw(picture_, ClockFace::Inputs{
                               .design = settings.design,
                               .time = now_,
                               .secondHand = settings.secondHand,
                               .bellShown = model_.bellShown(),
                               .hourColour = settings.hourHandColour,
                               .minuteColour = settings.minuteHandColour,
                               .secondColour = settings.secondHandColour,
                               .readoutColour = settings.readoutColour,
                           });
    lastDrawnSecond_ = now_.second;
    update();
}

void ClockWindow::displayTick()
{
    redrawIfSecondChanged();
    colonPhase_ = (colonPhase_ + 1) % 4;
    const ClockSettings& settings = model_.settings();
    if (face_.refreshReadout(settings.design, now_, settings.colonStyle, colonPhase_)) {
        update(face_.panelRect());
    }
}

void ClockWindow::alarmTick()
{
    const LocalTime now = platform_.now();
    const int interval = AlarmSchedule::nextInterval(now.second, alarmTimer_.interval());
    if (interval != alarmTimer_.interval()) {
        alarmTimer_.setInterval(interval);
    }
    model_.checkAlarms(now);
}

void ClockWindow::loadPicture()
{
    const int design = model_.settings().design;
    if (designs::isDesign(design)) {
        picture_ = designs::picture(design, artwork::pictureScale(devicePixelRatioF()));
    }
}

void ClockWindow::showDesign()
{
    loadPicture();
    resizeToPicture();
    lastDrawnSecond_ = -1;
    applyDesignGeometry();
    redrawIfSecondChanged();
    applyOutline();
}

void ClockWindow::showNewColours()
{
    lastDrawnSecond_ = -1;
    redrawIfSecondChanged();
    const ClockSettings& settings = model_.settings();
    if (face_.refreshReadout(settings.design, now_, settings.colonStyle, colonPhase_)) {
        update(face_.panelRect());
    }
}

void ClockWindow::resizeToPicture()
{
    setFixedSize(picture_.deviceIndependentSize().toSize());
}

void ClockWindow::applyOutline()
{
    QRegion outline = window_outline::outlineOf(picture_);
    // An empty mask would mean "no mask" to Qt; a picture with no opaque pixel leaves
    // the window without any visible or clickable pixel instead.
    if (outline.isEmpty()) {
        outline = QRegion(-1, -1, 1, 1);
    }
    setMask(outline);
}

void ClockWindow::applyStackingOrder()
{
    const int alwaysOnTop = model_.settings().alwaysOnTop;
    if (alwaysOnTop != 0 && alwaysOnTop != 1) {
        return;
    }
    const Qt::WindowFlags flags =
        alwaysOnTop == 1 ? baseWindowFlags | Qt::WindowStaysOnTopHint : baseWindowFlags;
    // Telling the native window directly keeps the clock visible; QWidget::setWindowFlags
    // would hide and recreate it.
    overrideWindowFlags(flags);
    if (QWindow* handle = windowHandle()) {
        handle->setFlags(flags);
    }
    show();
    raise();
}

void ClockWindow::savePosition()
{
    model_.savePosition(pos());
}

void ClockWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    face_.paint(painter);
}

void ClockWindow::mousePressEvent(QMouseEvent* event)
{
    drag_.press(*event);
}

void ClockWindow::mouseMoveEvent(QMouseEvent* event)
{
    drag_.move(*event);
}

void ClockWindow::mouseReleaseEvent(QMouseEvent* event)
{
    drag_.release();
    savePosition();
    // A left press hands the button to the window move, so the menu comes from a
    // click with the other buttons.
    if (event->button() != Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit menuRequested(event->globalPosition().toPoint());
    }
}

void ClockWindow::updateTrayIcon()
{
    if (model_.settings().trayIcon == 1) {
        addTrayIcon();
    } else {
        removeTrayIcon();
    }
}

void ClockWindow::addTrayIcon()
{
    platform_.addTrayIcon(programIcon(), QStringLiteral("ふわまる　ぽてりん"),
                          [this](Platform::TrayPress press) {
                              if (press == Platform::TrayPress::Left) {
                                  raise();
                                  activateWindow();
                              }
                              emit menuRequested(QCursor::pos());
                          });
}

void ClockWindow::removeTrayIcon()
{
    platform_.removeTrayIcon();
}

void ClockWindow::quit()
{
    savePosition();
    unload(false);
    close();
}

void ClockWindow::closeEvent(QCloseEvent* event)
{
    unload(true);
    event->accept();
}

void ClockWindow::unload(bool writePosition)
{
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    alarmTimer_.stop();
    displayTimer_.stop();
    clearMask();
    removeTrayIcon();
    if (writePosition) {
        savePosition();
    }
    platform_.stopSound();
    emit unloaded();
}
