#include "ui/clock_window.h"

#include "core/artwork.h"
#include "face/window_outline.h"
#include "model/clock_model.h"
#include "platform/app_identity.h"
#include "platform/desktop_shell.h"
#include "ui/notice_texts.h"
#include "ui/spoken_time.h"
#include "ui/window_placement.h"
#include "widgets/accessible_widgets.h"

#include <QCloseEvent>
#include <QDebug>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>

namespace {

constexpr Qt::WindowFlags baseWindowFlags = Qt::FramelessWindowHint | Qt::Tool;

// How long after the clock shows a move without a drag of it counts as the window
// system's placement (a loaded machine maps windows slowly).
constexpr qint64 placementMilliseconds = 3000;

// A notch of a mouse wheel; finer wheels and touchpads send parts of it.
constexpr int wheelNotch = 120;

// The screens as the placement sees them, the primary first: a clock on no screen at all
// goes there.
QList<ScreenArea> screenAreas()
{
    QList<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const ScreenArea area{screen->geometry(), screen->availableGeometry()};
        if (screen == QGuiApplication::primaryScreen()) {
            screens.prepend(area);
        } else {
            screens.append(area);
        }
    }
    return screens;
}

} // namespace

ClockWindow::ClockWindow(ClockModel& model, const DesktopShell& shell)
    : QWidget(nullptr, baseWindowFlags), model_(model), shell_(shell), drag_(this)
{
    // Where the mask does not cut the window (Wayland), the pixels outside the cat are left
    // transparent instead.
    const bool maskCutsTheWindow = shell_.windowsPlaceAndShapeThemselves();
    setAttribute(Qt::WA_OpaquePaintEvent, maskCutsTheWindow);
    setAttribute(Qt::WA_TranslucentBackground, !maskCutsTheWindow);
    setWindowTitle(applicationTitle());
    // The dialogs share the title; window managers and scripts tell the clock by its role.
    setWindowRole(QStringLiteral("clock"));

    connect(&drag_, &WindowDrag::moveStarted, this, [this] {
        draggedSinceShown_ = true;
        // Moved by the user: where it goes is its place, whatever screen was lost.
        awayFrom_.reset();
    });
    connect(&drag_, &WindowDrag::moveEnded, this, &ClockWindow::savePosition);
    connect(&model_, &ClockModel::alwaysOnTopChanged, this, &ClockWindow::applyStackingOrder);
    connect(&model_, &ClockModel::designChanged, this, &ClockWindow::showDesign);
    connect(&model_, &ClockModel::clockSizeChanged, this, &ClockWindow::showSize);
    connect(&model_, &ClockModel::seeThroughChanged, this, &ClockWindow::applySeeThrough);
    connect(&model_, &ClockModel::clickThroughChanged, this, &ClockWindow::applyClickThrough);
    // Hovering the clock tells the next alarm, as the tray icon's tip does.
    connect(&model_, &ClockModel::nextAlarmChanged, this, [this] {
        setToolTip(notice_text::nextAlarm(model_.nextAlarm()));
        accessibility::descriptionChanged(this);
    });
}

void ClockWindow::start()
{
    face_.setPanelColour(model_.settings().readoutColour);
    loadPicture();
    resizeToPicture();

    const QRect stored(model_.position(), size());
    homeScreen_ = model_.homeScreen().value_or(QRect());
    const Standing standing = standingOn(stored, homeScreen_, screenAreas());
    placed_ = standing.at;
    if (standing.away) {
        awayFrom_ = stored.topLeft();
    } else if (const QScreen* screen = QGuiApplication::screenAt(QRect(placed_, size()).center())) {
        homeScreen_ = screen->geometry();
    }
    move(placed_);

    applyOutline();
    // A desktop gadget, not a task: no taskbar button, nothing in the pager.
    create();
    shell_.keepOffTaskbar(*windowHandle());
    applySeeThrough();
    shownFor_.start();
    show();
    // Nor does it go when the user shows the desktop.
    shell_.keepOnShownDesktop(*windowHandle());
    // A screen of another device pixel ratio wants the pictures at its scale.
    connect(windowHandle(), &QWindow::screenChanged, this, &ClockWindow::showDesign);
    // A screen that goes is still listed as it goes: the clock looks once Qt has let go.
    connect(qApp, &QGuiApplication::screenAdded, this, &ClockWindow::followScreens, Qt::QueuedConnection);
    connect(qApp, &QGuiApplication::screenRemoved, this, &ClockWindow::followScreens, Qt::QueuedConnection);
    applyStackingOrder();
    if (model_.clickThrough()) {
        applyClickThrough();
    }
}

void ClockWindow::showReading(const LocalTime& now, int colonPhase, bool whole)
{
    const ClockSettings& settings = model_.settings();
    const long long second = now.secondKey();
    if (whole || second != drawnSecond_) {
        const QRect changed = face_.redraw(picture_, ClockFace::Inputs{
                                                         .design = settings.design,
                                                         .time = now,
                                                         .secondHand = settings.secondHand,
                                                         .bellShown = model_.bellShown(),
                                                         .hourColour = settings.hourHandColour,
                                                         .minuteColour = settings.minuteHandColour,
                                                         .secondColour = settings.secondHandColour,
                                                         .readoutColour = settings.readoutColour,
                                                     });
        drawnSecond_ = second;
        // Only what changed goes to the screen: a larger clock sends no more each second.
        update(whole ? rect() : toWindow().mapRect(QRectF(changed)).toAlignedRect());
    }
    if (face_.refreshReadout(settings.design, now, settings.colonStyle, colonPhase)) {
        update(toWindow().mapRect(QRectF(face_.panelRect())).toAlignedRect());
    }
    // What a screen reader hears changes with the minute, and with the bell (a whole redraw).
    const bool newMinute = now.minuteKey() != shown_.minuteKey();
    shown_ = now;
    if (newMinute || whole) {
        accessibility::descriptionChanged(this);
    }
}

QString ClockWindow::spokenReading() const
{
    const QString reading = spokenTime(shown_, model_.bellShown());
    return toolTip().isEmpty() ? reading : reading + QStringLiteral("、") + toolTip();
}

void ClockWindow::openMenu()
{
    emit menuRequested(mapToGlobal(rect().center()), MenuOpening::Keyboard);
}

void ClockWindow::loadPicture()
{
    // An unknown design keeps the picture shown: the first design's bare picture at start.
    const DesignIndex design = model_.settings().design;
    if (designs::find(design)) {
        pictureDesign_ = design;
    }
    picture_ =
        designs::picture(pictureDesign_, designs::drawingScale(devicePixelRatioF(), model_.clockSize()));
}

QTransform ClockWindow::toWindow() const
{
    const double factor = model_.clockSize().factor();
    return QTransform::fromScale(factor, factor);
}

void ClockWindow::showSize()
{
    showDesign();
    // The clock grows from its top-left corner, and stays on its screen.
    const QPoint kept = keptInside(geometry(), screen()->availableGeometry());
    if (kept != pos()) {
        move(kept);
        if (!movedSinceShown_) {
            placed_ = kept;
        }
    }
}

void ClockWindow::showDesign()
{
    loadPicture();
    resizeToPicture();
    applyOutline();
    emit pictureChanged();
}

void ClockWindow::resizeToPicture()
{
    setFixedSize(designs::find(pictureDesign_)->size * model_.clockSize().factor());
    // Clicks that passed through the clock once leave its input region a rectangle of the
    // size it had when they stopped (Qt's X11 window): passing them through for a moment
    // gives it the new size, or a grown clock would pass clicks on its new part.
    QWindow* handle = windowHandle();
    if (clickedThrough_ && !model_.clickThrough() && handle) {
        handle->setFlags(windowFlags() | Qt::WindowTransparentForInput);
        handle->setFlags(windowFlags());
    }
}

void ClockWindow::applyOutline()
{
    QRegion outline = window_outline::outlineOf(designs::picture(pictureDesign_, 1), size());
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
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, stacking == Stacking::InFront);
    setNativeFlags(flags);
}

void ClockWindow::applyClickThrough()
{
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowTransparentForInput, model_.clickThrough());
    setNativeFlags(flags);
    clickedThrough_ = clickedThrough_ || model_.clickThrough();
}

void ClockWindow::setNativeFlags(Qt::WindowFlags flags)
{
    // Telling the native window directly keeps the clock visible; QWidget::setWindowFlags
    // would hide and recreate it.
    overrideWindowFlags(flags);
    if (QWindow* handle = windowHandle()) {
        handle->setFlags(flags);
    }
    show();
    raise();
}

void ClockWindow::applySeeThrough()
{
    const double wanted = pointerOver_ && model_.opaqueUnderPointer() ? 1.0 : model_.opacity().factor();
    // Left alone while it is as asked (to the percent: Qt keeps it in 255 steps): an untouched clock never
    // sets an opacity at all.
    if (qRound(windowOpacity() * 100) != qRound(wanted * 100)) {
        setWindowOpacity(wanted);
    }
}

QPoint ClockWindow::positionToStore() const
{
    if (awayFrom_) {
        return *awayFrom_;
    }
    return movedSinceShown_ ? pos() : placed_;
}

void ClockWindow::followScreens()
{
    const QPoint home = positionToStore();
    const Standing standing = standingOn(QRect(home, size()), homeScreen_, screenAreas());
    if (standing.away == awayFrom_.has_value()) {
        return;
    }
    // Its screen gone, the clock keeps its place for the screen's return; back, it goes there.
    awayFrom_ = standing.away ? std::optional(home) : std::nullopt;
    move(standing.at);
    if (!standing.away && !movedSinceShown_) {
        placed_ = home;
    }
}

void ClockWindow::savePosition()
{
    if (!shell_.windowsPlaceAndShapeThemselves()) {
        return;
    }
    const QPoint position = positionToStore();
    model_.savePosition(position);
    // The screen the clock stands on, to find its way back to; kept where several are.
    const QScreen* screen = QGuiApplication::screenAt(QRect(position, size()).center());
    if (!awayFrom_ && screen) {
        homeScreen_ = screen->geometry();
        if (QGuiApplication::screens().size() > 1 && homeScreen_ != model_.homeScreen()) {
            model_.setHomeScreen(homeScreen_);
        }
    }
}

void ClockWindow::savePositionAtExit()
{
    if (!shell_.windowsPlaceAndShapeThemselves()) {
        return;
    }
    for (const FileFailure& failure : model_.savePositionAtExit(positionToStore())) {
        qWarning().noquote() << notice_text::settingsNotSaved(failure);
    }
}

void ClockWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (testAttribute(Qt::WA_TranslucentBackground)) {
        painter.setClipRegion(mask());
    }
    painter.setTransform(toWindow());
    face_.paint(painter);
}

void ClockWindow::moveEvent(QMoveEvent*)
{
    // The window system places the clock as it maps it, which may come after the clock
    // shows, even after a first click on it on a slow machine; the user moves it with a
    // drag, or later.
    if (draggedSinceShown_ || shownFor_.hasExpired(placementMilliseconds)) {
        movedSinceShown_ = true;
    }
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
        emit menuRequested(event->globalPosition().toPoint(), MenuOpening::Pointer);
    }
}

void ClockWindow::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() != Qt::ControlModifier) {
        QWidget::wheelEvent(event);
        return;
    }
    // Up makes the clock larger, down smaller, a step a notch.
    wheelTurned_ += event->angleDelta().y();
    ClockSize size = model_.clockSize();
    for (; wheelTurned_ >= wheelNotch; wheelTurned_ -= wheelNotch) {
        size = size.larger();
    }
    for (; wheelTurned_ <= -wheelNotch; wheelTurned_ += wheelNotch) {
        size = size.smaller();
    }
    if (size != model_.clockSize()) {
        model_.setClockSize(size);
    }
    event->accept();
}

void ClockWindow::enterEvent(QEnterEvent* event)
{
    pointerOver_ = true;
    applySeeThrough();
    QWidget::enterEvent(event);
}

void ClockWindow::leaveEvent(QEvent* event)
{
    pointerOver_ = false;
    applySeeThrough();
    QWidget::leaveEvent(event);
}

void ClockWindow::keyPressEvent(QKeyEvent* event)
{
    // The keys that open a context menu wherever the desktop has one.
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        openMenu();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClockWindow::comeForward()
{
    raise();
    activateWindow();
}

void ClockWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    event->accept();
}
