#pragma once

#include "ui/settings_layout.h"
#include "widgets/image_button.h"
#include "widgets/picture_dialog.h"

class ChoiceFrame;
class ClockModel;
class ColonBlinkButton;
class Dialogs;
class DesktopShell;
class Questions;
class QLabel;
class QTimer;

// The settings window: every choice takes effect on the clock at once and is written
// at once; there is no OK and no cancel. The clock window stays disabled while it is open.
class SettingsWindow final : public PictureDialog
{
    Q_OBJECT

public:
    SettingsWindow(ClockModel& model, Dialogs& dialogs, DesktopShell& shell, Questions& questions);

    // The colon button's animation step (the window's 250 ms timer). Public so that tests step it instead of
    // waiting.
    void animateColonButton();

private:
    void buildTopRow();
    void buildAnalogPanel();
    void buildDigitalPanel();
    // The widget a part of the layout table stands in.
    QWidget* parentOf(settings_layout::Parent parent);
    // A button at its place in the layout table; an option's button stands in its frame.
    ImageButton* addButton(settings_layout::Control control, const char* name, const QString& tooltip,
                           QLabel* help, const QString& helpText, ChoiceFrame* frame = nullptr);
    ChoiceFrame* addFrame(settings_layout::Control control, const char* name);
    void showHelp(ImageButton* button, QLabel* help, const QString& helpText);
    // The frames of the four choices, from the model.
    void showChoices();
    // The frames of the start-up buttons: whether the desktop starts this copy at log-on.
    void showStartupRegistration();
    // The design's name and its own panel (analog or digital).
    void showDesignPanel();
    void resetButton(ImageButton* button, QLabel* help);

    ClockModel& model_;
    Dialogs& dialogs_;
    DesktopShell& shell_;
    Questions& questions_;
    ButtonFace colonShownFace_;
    ButtonFace colonHiddenFace_;
    bool colonHovered_ = false;
    int colonPhase_ = 0;
    QTimer* colonTimer_;

    QLabel* helpText_;
    QLabel* panelHelpText_;
    QLabel* designTitle_;
    QWidget* analogPanel_;
    QWidget* digitalPanel_;
    ChoiceFrame* alwaysOnTopFrame_;
    ChoiceFrame* normalStackingFrame_;
    ChoiceFrame* trayIconOnFrame_;
    ChoiceFrame* trayIconOffFrame_;
    ChoiceFrame* secondHandOnFrame_;
    ChoiceFrame* secondHandOffFrame_;
    ChoiceFrame* colonBlinkFrame_;
    ChoiceFrame* colonSteadyFrame_;
    ChoiceFrame* registerStartupFrame_;
    ChoiceFrame* unregisterStartupFrame_;
    ColonBlinkButton* colonBlinkButton_;
};
