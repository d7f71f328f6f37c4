#include "clock/form1.h"

#include "clock/window_outline.h"
#include "clock/window_placement.h"
#include "platform/platform.h"

#include <QApplication>
#include <QCloseEvent>
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

Form1::Form1(Platform& platform, QWidget* parent)
    : QWidget(parent, baseWindowFlags), platform_(platform), settings_(platform.programFolder(), platform),
      drag_(this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("nekotokei"));
    for (int type = 0; type < cat_designs::count; ++type) {
        D_Pic[std::size_t(type)] = cat_designs::picture(type);
    }
    Pic = D_Pic[0];
    face_ = Pic;

    Timer2.setInterval(displayTickMilliseconds);
    connect(&Timer2, &QTimer::timeout, this, &Form1::displayTick);
    connect(&drag_, &WindowDrag::moveEnded, this, &Form1::savePosition);
}

bool Form1::start()
{
    Fm3Show = 0;
    readClock();

    const SettingsLoad loaded = settings_.load();
    if (!loaded.settings) {
        platform_.showMessage(loaded.error);
        return false;
    }
    const StoredSettings& stored = *loaded.settings;

    const QPoint storedPosition(pixelsFromTwips(stored.posX), pixelsFromTwips(stored.posY));
    FomMae = stored.fomMae;
    SsHari = stored.ssHari;
    Task = stored.task;
    PicH = stored.hariColH;
    PicM = stored.hariColM;
    PicS = stored.hariColS;
    DodaiPic = stored.dodaiPic;
    CoronON = stored.coronOn;

    // A stored 0 always means white: black cannot be the digital colour.
    TimPcBGbase = stored.digiCol == 0 ? 0xFFFFFF : stored.digiCol;

    if (cat_designs::isDesign(DodaiPic)) {
        Pic = D_Pic[std::size_t(DodaiPic)];
    }
    Tokei();
    resizeToPicture();

    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->geometry());
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    move(placeOnScreens(QRect(storedPosition, size()), screens,
                        primary ? primary->availableGeometry() : QRect()));

    ImgRgn_Main();
    SS = -1;
    SO = -1;
    show();
    applyStackingOrder(FomMae);

    Timer2.start(displayTickMilliseconds);
    BlinkCnt = 0;
    return true;
}

void Form1::readClock()
{
    const LocalTime now = platform_.now();
    HH = now.hour;
    MM = now.minute;
    SS = now.second;
}

void Form1::Tokei()
{
    readClock();
    if (SO == SS) {
        return;
    }
    face_ = Pic;
    SO = SS;
    update();
}

void Form1::displayTick()
{
    Tokei();
    BlinkCnt = (BlinkCnt + 1) % 4;
}

void Form1::resizeToPicture()
{
    setFixedSize(Pic.size());
}

void Form1::ImgRgn_Main()
{
    QRegion outline = window_outline::outlineOf(Pic);
    // An empty mask would mean "no mask" to Qt; a picture with no opaque pixel leaves
    // the window without any visible or clickable pixel instead.
    if (outline.isEmpty()) {
        outline = QRegion(-1, -1, 1, 1);
    }
    setMask(outline);
}

void Form1::applyStackingOrder(int fomMae)
{
    if (fomMae != 0 && fomMae != 1) {
        return;
    }
    const Qt::WindowFlags flags = fomMae == 1 ? baseWindowFlags | Qt::WindowStaysOnTopHint : baseWindowFlags;
    // Telling the native window directly keeps the clock visible; QWidget::setWindowFlags
    // would hide and recreate it.
    overrideWindowFlags(flags);
    if (QWindow* handle = windowHandle()) {
        handle->setFlags(flags);
    }
    show();
    raise();
}

void Form1::savePosition()
{
    settings_.savePosition(pos().x() * twipsPerPixel, pos().y() * twipsPerPixel);
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, face_);
}

void Form1::mousePressEvent(QMouseEvent* event)
{
    drag_.press(*event);
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    drag_.move(*event);
}

void Form1::mouseReleaseEvent(QMouseEvent*)
{
    drag_.release();
    savePosition();
}

void Form1::closeEvent(QCloseEvent* event)
{
    unload();
    event->accept();
}

void Form1::unload()
{
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    Timer2.stop();
    clearMask();
    savePosition();
    QCoreApplication::quit();
}
