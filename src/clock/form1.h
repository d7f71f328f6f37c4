#pragma once

#include "alarms/alarm_check.h"
#include "alarms/alarm_record.h"
#include "clock/cat_designs.h"
#include "clock/clock_face.h"
#include "clock/hand_geometry.h"
#include "clock/kt_menu.h"
#include "settings_store/colour.h"
#include "settings_store/settings_files.h"
#include "widgets/window_drag.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

class Form3;
class Form4;
class Form5;
class Form8;
class Platform;
class Seihin;

// The dialogs that are open, at most one of each.
struct OpenWindows
{
    QPointer<Form3> form3;
    QPointer<Form4> form4;
    QPointer<Form5> form5;
    QPointer<Form8> form8;
    QPointer<Seihin> seihin;
};

// The clock window: the program's main window and the owner of its running state.
// The other windows read and assign the public state directly and call the public
// procedures, as the clock itself does at start-up.
class Form1 final : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);

    // The start-up sequence. Returns false when a settings file stops it: the message
    // has been shown, no window appears and no file has been written.
    bool start();

    // Hour, minute and second of the last clock reading; SO is the second the face was
    // last drawn for (-1 forces the next display tick to redraw).
    int HH = 0;
    int MM = 0;
    int SS = 0;
    int SO = -1;

    int FomMae = 0;   // always in front: 1 on, 0 off
    int SsHari = 0;   // second hand: 1 drawn
    int Task = 0;     // notification-area icon: 1 shown
    int CoronON = 0;  // colon: 1 steady, 0 blinking, anything else none
    int DodaiPic = 0; // cat picture type
    int Fm3Show = 0;  // 1 while the settings window is open
    int Fm1Show = 0;  // 1 when the alarm that rang last played a wave file
    int SuzuOn = 0;   // 1 while at least one alarm is enabled: the bell shows

    // Hand colours and the digital colour.
    ColourRef PicH = 0;
    ColourRef PicM = 5197647;
    ColourRef PicS = 255;
    ColourRef TimPcBGbase = 16711680;

    // The alarm table, as loaded from the alarm file and replaced by each save.
    AlarmTable alarms;

    // The seven designs, and the picture in use.
    std::array<QImage, cat_designs::count> D_Pic;
    QImage Pic;

    // Applies the hand geometry of the current design; hides the digit panel on analog ones.
    void DodaiChk();
    // Reads the clock into HH, MM, SS and redraws the face when the second has changed.
    void Tokei();
    // Draws the time into the digit panel of a digital design.
    void DigiDraw();
    // Cuts the window's outline from Pic.
    void ImgRgn_Main();
    // Makes the window exactly as large as Pic.
    void resizeToPicture();
    // Puts the window above other windows (1) or in the normal stacking order (0);
    // any other value changes nothing.
    void applyStackingOrder(int fomMae);
    // Writes the window's left and top, in twips, to the position file.
    void savePosition();
    // Recomputes SuzuOn from the alarm table.
    void Suzu();
    // Puts the program's icon into the notification area.
    void TaskTry();
    void removeTrayIcon();
    // Shows the popup menu at a screen position.
    void openMenu(QPoint at);

    // Where the alarm file lives.
    QString alarmFilePath() const;

    // The handlers of the display tick (Timer2) and the alarm tick (Timer1).
    void displayTick();
    void alarmTick();
    int alarmTickInterval() const { return Timer1.interval(); }

    Platform& platform() { return platform_; }
    OpenWindows windows;

    SettingsStore& settingsStore() { return settings_; }

    // The window's pixels as last drawn.
    const ClockFace& face() const { return face_; }

    // Time between two display ticks, and between two alarm ticks outside the turn of a minute.
    static constexpr int displayTickMilliseconds = 250;
    static constexpr int alarmTickMilliseconds = 250;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void readClock();
    void ring(const AlarmCheck::Due& due);
    void unload();

    Platform& platform_;
    SettingsStore settings_;
    WindowDrag drag_;
    QTimer Timer1;
    QTimer Timer2;
    AlarmCheck alarmCheck_;
    int BlinkCnt = 0;
    HandGeometry hands_{};
    KT_Menu menu_{*this};
    ClockFace face_;
    bool unloaded_ = false;
};
