#pragma once

#include "clock/cat_designs.h"
#include "settings_store/colour.h"
#include "settings_store/settings_files.h"
#include "widgets/window_drag.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>

class Platform;

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

    // Hand colours and the digital colour.
    ColourRef PicH = 0;
    ColourRef PicM = 5197647;
    ColourRef PicS = 255;
    ColourRef TimPcBGbase = 16711680;

    // The seven designs, and the picture in use.
    std::array<QImage, cat_designs::count> D_Pic;
    QImage Pic;

    // Reads the clock into HH, MM, SS and redraws the face when the second has changed.
    void Tokei();
    // Cuts the window's outline from Pic.
    void ImgRgn_Main();
    // Makes the window exactly as large as Pic.
    void resizeToPicture();
    // Puts the window above other windows (1) or in the normal stacking order (0);
    // any other value changes nothing.
    void applyStackingOrder(int fomMae);
    // Writes the window's left and top, in twips, to the position file.
    void savePosition();

    SettingsStore& settingsStore() { return settings_; }

    // Pixels of the window image as last drawn (for tests and screenshots alike).
    const QImage& faceImage() const { return face_; }

    // Time between two display ticks.
    static constexpr int displayTickMilliseconds = 250;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void readClock();
    void displayTick();
    void unload();

    Platform& platform_;
    SettingsStore settings_;
    WindowDrag drag_;
    QTimer Timer2;
    int BlinkCnt = 0;
    QImage face_;
    bool unloaded_ = false;
};
