#pragma once

#include "ui/settings_layout.h"
#include "widgets/image_button.h"
#include "widgets/picture_dialog.h"

class ChoiceFrame;
class ChoiceGroup;
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
    // Two options that belong together, each standing in its frame: `first` is the
    // group's id 0, `second` its id 1.
    ChoiceGroup* addChoice(ImageButton* first, ChoiceFrame* firstFrame, ImageButton* second,
                           ChoiceFrame* secondFrame);
    void showHelp(ImageButton* button, QLabel* help, const QString& helpText);
    // The frames of the four choices, from the model.
    void showChoices();
    // The frames of the start-up buttons: whether the desktop starts this copy at log-on.
    void showStartupRegistration();
    // The design's name and its own panel (analog or digital).
    void showDesignPanel();
    // The colon button's animation step, on each tick of the window's 250 ms timer.
    void animateColonButton();
    void resetButton(ImageButton* button, QLabel* help);

    ClockModel& model_;
    Dialogs& dialogs_;
    DesktopShell& shell_;
    Questions& questions_;
    ButtonFace colonShownFace_;
    ButtonFace colonHiddenFace_;
    int colonPhase_ = 0;
    QTimer* colonTimer_;

    QLabel* helpText_;
    QLabel* panelHelpText_;
    QLabel* designTitle_;
    QWidget* analogPanel_;
    QWidget* digitalPanel_;
    ChoiceGroup* stackingChoice_;
    ChoiceGroup* trayIconChoice_;
    ChoiceGroup* startupChoice_;
    ChoiceGroup* secondHandChoice_;
    ChoiceGroup* colonChoice_;
    ColonBlinkButton* colonBlinkButton_;
};
