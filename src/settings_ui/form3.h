#pragma once

#include "widgets/image_button.h"
#include "widgets/picture_dialog.h"

#include <QTimer>

class ColonBlinkButton;
class Form1;
class MarkerFrame;
class QLabel;

// The settings window: every choice takes effect on the clock at once and is written
// at once; there is no OK and no cancel. The clock window stays disabled while it is open.
class Form3 final : public PictureDialog
{
    Q_OBJECT

public:
    // Shows the window; when it is already open, brings that one forward.
    static Form3* open(Form1& form1);

    // Writes set.zdt, set1.zdt and set2.zdt, and set3.zdt, from the clock's state.
    void SetSave();
    void Set3Save();

    // Shows the title and the option panel of the current cat picture type.
    void TypeSETING();

    // The colon button's animation step (the window's 250 ms timer).
    void colonTick();

    int ColonHover = 0;
    int ColonPhase = 0;
    QString TypeTitle;

    // The window's parts, named as on the window.
    ImageButton *BtnSet2_a, *NekoPic, *BtnSet1_a, *BtnSet1_b, *Btn_TaskOn, *Btn_TaskOff, *Btn_StartUp_On,
        *Btn_StartUp_Off, *Btn_SsOn, *Btn_SsOff, *Btn_Hari, *Btn_ColonOff, *Btn_DigiColor, *Btn_Close3;
    ColonBlinkButton* Btn_ColonOn;
    MarkerFrame *Set1a, *Set1b, *TskY, *TskN, *SsY, *SsN, *ColonOn, *ColonOff;
    QWidget *TypeSetA, *TypeSetD;
    QLabel *Label1, *Label5, *Label6;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit Form3(Form1& form1);

    void buildTopRow();
    void buildAnalogPanel();
    void buildDigitalPanel();
    ImageButton* addButton(QWidget* parent, QPoint at, const QString& face, const QString& tooltip,
                           QLabel* help, const QString& helpText);
    void showHelp(ImageButton* button, QLabel* help, const QString& helpText);
    void select(MarkerFrame* on, MarkerFrame* off);
    void showFrames();
    void resetButton(ImageButton* button, QLabel* help);

    // The actions of the buttons, on their release.
    void alwaysInFront(int value);
    void trayIcon(int value);
    void secondHand(int value);
    void colon(int value);
    void registerStartup();
    void unregisterStartup();

    Form1& form1_;
    QTimer Timer1;
    ButtonFace colonSetA_;
    ButtonFace colonSetB_;
};
