#include "ui/clock_window.h"

#include "core/artwork.h"
#include "face/window_outline.h"
#include "model/clock_model.h"
#include "platform/app_identity.h"
#include "platform/platform.h"
#include "ui/notice_texts.h"
#include "ui/window_placement.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

constexpr Qt::WindowFlags baseWindowFlags = Qt::FramelessWindowHint | Qt::Tool;

} // namespace

ClockWindow::ClockWindow(ClockModel& model, Platform& platform)
    : QWidget(nullptr, baseWindowFlags), model_(model), platform_(platform), drag_(this)
{
    // Where the mask does not cut the window (Wayland), the pixels outside the cat are left
    // transparent instead.
    const bool maskCutsTheWindow = platform_.windowsPlaceAndShapeThemselves();
    setAttribute(Qt::WA_OpaquePaintEvent, maskCutsTheWindow);
    setAttribute(Qt::WA_TranslucentBackground, !maskCutsTheWindow);
    setWindowTitle(QStringLiteral("nekotokei"));

    tickTimer_.setTimerType(Qt::PreciseTimer);
    connect(&tickTimer_, &QTimer::timeout, this, &ClockWindow::tick);
    connect(&drag_, &WindowDrag::moveEnded, this, &ClockWindow::savePosition);

    connect(&model_, &ClockModel::alwaysOnTopChanged, this, &ClockWindow::applyStackingOrder);
    connect(&model_, &ClockModel::trayIconChanged, this, &ClockWindow::updateTrayIcon);
    connect(&model_, &ClockModel::designChanged, this, &ClockWindow::showDesign);
    // The clock sleeps until its next tick: what a setting changes is shown at once.
    connect(&model_, &ClockModel::handColoursChanged, this, &ClockWindow::showNow);
    connect(&model_, &ClockModel::readoutColourChanged, this, &ClockWindow::showNow);
    connect(&model_, &ClockModel::secondHandChanged, this, &ClockWindow::showNow);
    connect(&model_, &ClockModel::colonStyleChanged, this, &ClockWindow::showNow);
    connect(&model_, &ClockModel::alarmsChanged, this, &ClockWindow::showNow);
}

void ClockWindow::start()
{
    const ClockSettings& settings = model_.settings();
    face_.setPanelColour(settings.readoutColour);
    loadPicture();
    now_ = platform_.now();
    // The colon's rhythm starts with the clock.
    blinkStart_ = now_.millisecond;
    showReading();
    resizeToPicture();

    // The primary screen first: a clock on no screen at all goes there.
    QList<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const ScreenArea area{screen->geometry(), screen->availableGeometry()};
        if (screen == QGuiApplication::primaryScreen()) {
            screens.prepend(area);
        } else {
            screens.append(area);
        }
    }
    move(placeOnScreens(QRect(model_.position(), size()), screens));

    applyOutline();
    drawnSecond_ = -1;
    show();
    // A screen of another device pixel ratio wants the pictures at its scale.
    connect(windowHandle(), &QWindow::screenChanged, this, &ClockWindow::showDesign);
    applyStackingOrder();
    if (settings.trayIcon) {
        addTrayIcon();
    }

    scheduleTick(false);
}

void ClockWindow::showReading()
{
    const ClockSettings& settings = model_.settings();
    const long long second = now_.secondKey();
    if (second != drawnSecond_) {
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
        drawnSecond_ = second;
        update();
    }
    const int colonPhase = tick_schedule::colonPhase(now_, blinkStart_);
    if (face_.refreshReadout(settings.design, now_, settings.colonStyle, colonPhase)) {
        update(face_.panelRect());
    }
}

void ClockWindow::tick()
{
    now_ = platform_.now();
    showReading();
    scheduleTick(true);
    model_.checkAlarms(now_);
}

void ClockWindow::showNow()
{
    if (!tickTimer_.isActive()) {
        return; // not started yet, or closed
    }
    now_ = platform_.now();
    drawnSecond_ = -1;
    showReading();
    scheduleTick(false);
}

tick_schedule::Motion ClockWindow::motion() const
{
    const ClockSettings& settings = model_.settings();
    return tick_schedule::Motion{
        .seconds = designs::isAnalog(settings.design) && settings.secondHand,
        .colonBlinks = designs::isDigital(settings.design) && settings.colonStyle == ColonStyle::Blinking,
        .blinkStart = blinkStart_,
    };
}

void ClockWindow::scheduleTick(bool timerJustFired)
{
    const tick_schedule::Motion motion = this->motion();
    const int delay = tick_schedule::delayAfter(now_, motion);
    // The timer repeats at the motion's rhythm while its ticks fall where the schedule
    // wants them: at most tickTolerance later, and never before the boundary. A timer
    // that has just fired then fires again one interval from now, and is left alone.
    const int period = tick_schedule::period(motion);
    const bool onRhythm = period - delay >= -tick_schedule::lateness && period - delay <= tickTolerance;
    const int interval = onRhythm ? period : delay;
    if (timerJustFired && tickTimer_.isActive() && tickTimer_.interval() == interval) {
        return;
    }
    tickTimer_.start(interval);
}

void ClockWindow::loadPicture()
{
    // An unknown design keeps the picture shown: the first design's bare picture at start.
    const DesignIndex design = model_.settings().design;
    if (designs::find(design) || picture_.isNull()) {
        picture_ = designs::picture(designs::find(design) ? design : DesignIndex{},
                                    artwork::pictureScale(devicePixelRatioF()));
    }
}

void ClockWindow::showDesign()
{
    loadPicture();
    resizeToPicture();
    showNow();
    applyOutline();
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
    const Stacking stacking = model_.settings().alwaysOnTop;
    if (stacking == Stacking::Untouched) {
        return;
    }
    const Qt::WindowFlags flags =
        stacking == Stacking::InFront ? baseWindowFlags | Qt::WindowStaysOnTopHint : baseWindowFlags;
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
    if (platform_.windowsPlaceAndShapeThemselves()) {
        model_.savePosition(pos());
    }
}

void ClockWindow::savePositionAtExit()
{
    if (!platform_.windowsPlaceAndShapeThemselves()) {
        return;
    }
    for (const FileFailure& failure : model_.savePositionAtExit(pos())) {
        qWarning().noquote() << notice_text::settingsNotSaved(failure);
    }
}

void ClockWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (testAttribute(Qt::WA_TranslucentBackground)) {
        painter.setClipRegion(mask());
    }
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
    if (model_.settings().trayIcon) {
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
    savePositionAtExit();
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
    tickTimer_.stop();
    clearMask();
    removeTrayIcon();
    if (writePosition) {
        savePositionAtExit();
    }
    platform_.stopSound();
    emit unloaded();
}
