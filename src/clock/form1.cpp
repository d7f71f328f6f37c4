#include "clock/form1.h"

#include "alarms/alarm_file.h"
#include "alarms/form4.h"
#include "alarms/form5.h"
#include "alarms/form8.h"
#include "clock/window_outline.h"
#include "clock/window_placement.h"
#include "platform/app_identity.h"
#include "platform/platform.h"
#include "settings_ui/form3.h"
#include "settings_ui/seihin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
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

    Timer2.setInterval(displayTickMilliseconds);
    connect(&Timer2, &QTimer::timeout, this, &Form1::displayTick);
    Timer1.setInterval(alarmTickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &Form1::alarmTick);
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

    DodaiChk();
    // A stored 0 always means white: black cannot be the digital colour.
    TimPcBGbase = stored.digiCol == 0 ? 0xFFFFFF : stored.digiCol;
    face_.setPanelColour(TimPcBGbase);

    if (cat_designs::isDesign(DodaiPic)) {
        Pic = D_Pic[std::size_t(DodaiPic)];
    }
    Tokei();
    alarms = alarm_file::load(alarmFilePath(), platform_);
    Suzu();
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
    if (Task == 1) {
        TaskTry();
    }

    Timer2.start(displayTickMilliseconds);
    BlinkCnt = 0;
    Timer1.start();
    return true;
}

void Form1::readClock()
{
    const LocalTime now = platform_.now();
    HH = now.hour;
    MM = now.minute;
    SS = now.second;
}

void Form1::DodaiChk()
{
    if (const std::optional<HandGeometry> geometry = handGeometryFor(DodaiPic)) {
        hands_ = *geometry;
        face_.hidePanels();
    }
}

void Form1::Tokei()
{
    const LocalTime now = platform_.now();
    HH = now.hour;
    MM = now.minute;
    SS = now.second;
    if (SO == SS) {
        return;
    }
    face_.redraw(Pic, ClockFace::Inputs{
                          .type = DodaiPic,
                          .time = now,
                          .SsHari = SsHari,
                          .SuzuOn = SuzuOn,
                          .hands = hands_,
                          .hourColour = PicH,
                          .minuteColour = PicM,
                          .secondColour = PicS,
                          .digitalColour = TimPcBGbase,
                      });
    SO = SS;
    readClock();
    update();
}

void Form1::DigiDraw()
{
    if (face_.DigiDraw(DodaiPic, platform_.now(), CoronON, BlinkCnt)) {
        update(face_.panelRect());
    }
}

void Form1::displayTick()
{
    Tokei();
    BlinkCnt = (BlinkCnt + 1) % 4;
    if (cat_designs::isDigital(DodaiPic)) {
        DigiDraw();
    }
}

void Form1::alarmTick()
{
    const LocalTime now = platform_.now();
    const int interval = AlarmCheck::nextInterval(now.second, Timer1.interval());
    if (interval != Timer1.interval()) {
        Timer1.setInterval(interval);
    }
    for (const AlarmCheck::Due& due : alarmCheck_.check(alarms, now)) {
        ring(due);
    }
}

void Form1::ring(const AlarmCheck::Due& due)
{
    const AlarmRecord& alarm = *due.record;
    if (!alarm.sound.isEmpty() && alarm.sound != alarm_text::standardSound) {
        Fm1Show = 1;
        // A wave file that cannot be played gives the standard sound in its place; the
        // message window then does not beep a second time.
        if (!platform_.playWave(alarm.sound)) {
            platform_.beep();
        }
    } else {
        Fm1Show = 0;
    }
    if (alarm.display == alarm_text::displayOn) {
        setEnabled(false);
        const QString MsgTxt = alarm.message + QStringLiteral("\r\n\r\n設定時刻  ") + due.hour.toString() +
                               u'：' + due.minute.toString();
        Form4::showMessage(*this, MsgTxt);
    }
}

void Form1::Suzu()
{
    const bool anyEnabled = std::any_of(alarms.begin(), alarms.end(), [](const AlarmRecord& alarm) {
        return alarm.enabled == alarm_text::enabledOn;
    });
    SuzuOn = anyEnabled ? 1 : 0;
}

QString Form1::alarmFilePath() const
{
    return QDir(platform_.programFolder()).filePath(QString::fromLatin1(alarm_file::fileName));
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
    face_.paint(painter);
}

void Form1::mousePressEvent(QMouseEvent* event)
{
    drag_.press(*event);
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    drag_.move(*event);
}

void Form1::mouseReleaseEvent(QMouseEvent* event)
{
    drag_.release();
    savePosition();
    // A left press hands the button to the window move, so the menu comes from a
    // click with the other buttons.
    if (event->button() != Qt::LeftButton && rect().contains(event->position().toPoint())) {
        openMenu(event->globalPosition().toPoint());
    }
}

void Form1::openMenu(QPoint at)
{
    menu_.open(at);
}

void Form1::TaskTry()
{
    platform_.addTrayIcon(programIcon(), QStringLiteral("ふわまる　ぽてりん"),
                          [this](Platform::TrayPress press) {
                              if (press == Platform::TrayPress::Left) {
                                  raise();
                                  activateWindow();
                              }
                              openMenu(QCursor::pos());
                          });
}

void Form1::removeTrayIcon()
{
    platform_.removeTrayIcon();
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
    Timer1.stop();
    Timer2.stop();
    clearMask();
    removeTrayIcon();
    savePosition();
    platform_.stopSound();
    // The dialogs go with the clock; they close without their own closing steps.
    delete windows.form5.data();
    delete windows.form8.data();
    delete windows.form3.data();
    delete windows.form4.data();
    delete windows.seihin.data();
    QCoreApplication::quit();
}
