#include "ui/settings_window.h"

#include "core/artwork.h"
#include "face/designs.h"
#include "model/clock_model.h"
#include "platform/app_identity.h"
#include "platform/desktop_shell.h"
#include "ui/colon_blink_button.h"
#include "ui/desktop_words.h"
#include "ui/dialogs.h"
#include "ui/notice_texts.h"
#include "ui/questions.h"
#include "ui/settings_layout.h"
#include "widgets/choice_frame.h"
#include "widgets/choice_group.h"
#include "widgets/engraved_line.h"
#include "widgets/label_style.h"

#include <QLabel>
#include <QTimer>

using settings_layout::Control;

namespace {

constexpr ColourRef white = 0x00FFFFFF;
constexpr ColourRef lightGrey = 0x00E0E0E0;
constexpr ColourRef panelColour = 0x00424242;

QWidget* addPanel(QWidget* parent, const char* name)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(settings_layout::designPanel);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, toQColor(panelColour));
    panel->setPalette(palette);
    return panel;
}

// Shows which of two values is the current one; a value that is neither checks neither.
template <typename T>
void showChoice(ChoiceGroup* choice, T value, T first, T second)
{
    choice->showChosen(value == first ? 0 : value == second ? 1 : -1);
}

} // namespace

SettingsWindow::SettingsWindow(ClockModel& model, Dialogs& dialogs, DesktopShell& shell, Questions& questions)
    : PictureDialog(artwork::background::settings), model_(model), dialogs_(dialogs), shell_(shell),
      questions_(questions), colonShownFace_(ButtonFace::load(artwork::face::colonShown)),
      colonHiddenFace_(ButtonFace::load(artwork::face::colonHidden))
{
    setObjectName(QStringLiteral("settingsWindow"));
    addLabel(this, QStringLiteral("各種設定"), {8, 36, 134, 13}, white, 9.75);
    helpText_ = addLabel(this, QString(), {8, 123, 417, 33}, lightGrey);
    helpText_->setObjectName(QStringLiteral("helpText"));
    panelHelpText_ = addLabel(this, QString(), {16, 250, 337, 17}, lightGrey);
    panelHelpText_->setObjectName(QStringLiteral("panelHelpText"));
    designTitle_ = addLabel(this, QString(), {8, 160, 126, 12}, white);
    designTitle_->setObjectName(QStringLiteral("designTitle"));

    buildTopRow();
    analogPanel_ = addPanel(this, "analogPanel");
    buildAnalogPanel();
    digitalPanel_ = addPanel(this, "digitalPanel");
    countAsBackground(digitalPanel_);
    buildDigitalPanel();

    for (const settings_layout::Separator& separator : settings_layout::separators) {
        addEngravedLine(parentOf(separator.parent), separator.from, separator.to);
    }
    for (const settings_layout::Caption& caption : settings_layout::captions) {
        addLabel(parentOf(caption.parent), QString::fromUtf8(caption.text), caption.box, white)
            ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    ImageButton* optionsButton = addButton(Control::Options, "optionsButton", QStringLiteral("オプション"),
                                           helpText_, QStringLiteral("スヌーズの長さや時報を設定します。"));
    connect(optionsButton, &ImageButton::clicked, this, [this, optionsButton] {
        resetButton(optionsButton, helpText_);
        dialogs_.openOptions();
    });

    const settings_layout::Place& close = settings_layout::place(Control::Close);
    addCloseButton(close.face, close.at)->setToolTip(QStringLiteral("閉じる"));

    showDesignPanel();
    showChoices();
    showStartupRegistration();
    for (const auto changed : {&ClockModel::alwaysOnTopChanged, &ClockModel::trayIconChanged,
                               &ClockModel::secondHandChanged, &ClockModel::colonStyleChanged}) {
        connect(&model_, changed, this, &SettingsWindow::showChoices);
    }
    connect(&model_, &ClockModel::designChanged, this, &SettingsWindow::showDesignPanel);

    colonTimer_ = new QTimer(this);
    colonTimer_->setObjectName(QStringLiteral("colonTimer"));
    colonTimer_->setInterval(250);
    connect(colonTimer_, &QTimer::timeout, this, &SettingsWindow::animateColonButton);
    colonTimer_->start();
}

void SettingsWindow::buildTopRow()
{
    ImageButton* alarmButton = addButton(Control::Alarms, "alarmButton", QStringLiteral("アラーム設定"),
                                         helpText_, QStringLiteral("アラームの設定を行います。"));
    connect(alarmButton, &ImageButton::clicked, this, [this, alarmButton] {
        resetButton(alarmButton, helpText_);
        dialogs_.openAlarmList();
    });

    ImageButton* designButton = addButton(Control::Design, "designButton", QStringLiteral("ねこ画像変更"),
                                          helpText_, QStringLiteral("ねこ画像を変更します。"));
    connect(designButton, &ImageButton::clicked, this, [this, designButton] {
        resetButton(designButton, helpText_);
        dialogs_.openDesignChooser();
    });

    ChoiceFrame* alwaysOnTopFrame = addFrame(Control::AlwaysOnTop, "alwaysOnTopFrame");
    ChoiceFrame* normalStackingFrame = addFrame(Control::NormalStacking, "normalStackingFrame");
    ImageButton* alwaysOnTop =
        addButton(Control::AlwaysOnTop, "alwaysOnTopButton", QStringLiteral("前面に表示"), helpText_,
                  QStringLiteral("ぽてりんを前面に表示します。"), alwaysOnTopFrame);
    ImageButton* normalStacking =
        addButton(Control::NormalStacking, "normalStackingButton", QStringLiteral("前面に表示しない"),
                  helpText_, QStringLiteral("ぽてりんを前面に表示しないようにします。"), normalStackingFrame);
    stackingChoice_ = addChoice(alwaysOnTop, alwaysOnTopFrame, normalStacking, normalStackingFrame);
    for (const auto& [button, value] :
         {std::pair{alwaysOnTop, Stacking::InFront}, std::pair{normalStacking, Stacking::Normal}}) {
        connect(button, &ImageButton::clicked, this, [this, value = value] {
            model_.setAlwaysOnTop(value);
            helpText_->clear();
        });
    }

    ChoiceFrame* trayIconOnFrame = addFrame(Control::TrayIconOn, "trayIconOnFrame");
    ChoiceFrame* trayIconOffFrame = addFrame(Control::TrayIconOff, "trayIconOffFrame");
    trayIconOffFrame->setToolTip(QStringLiteral("タスクトレイアイコン削除"));
    ImageButton* trayIconOn =
        addButton(Control::TrayIconOn, "trayIconOnButton", QStringLiteral("タスクトレイ常駐"), helpText_,
                  QStringLiteral("タスクトレイにぽてりんのアイコンを表示させます。\r\n"
                                 "アイコンをクリックするとメニューが表示されます。"),
                  trayIconOnFrame);
    ImageButton* trayIconOff =
        addButton(Control::TrayIconOff, "trayIconOffButton", QString(), helpText_,
                  QStringLiteral("タスクトレイのアイコンを削除します。"), trayIconOffFrame);
    // Its tooltip is its frame's.
    trayIconOff->setAccessibleName(trayIconOffFrame->toolTip());
    trayIconChoice_ = addChoice(trayIconOn, trayIconOnFrame, trayIconOff, trayIconOffFrame);
    for (const auto& [button, value] : {std::pair{trayIconOn, true}, std::pair{trayIconOff, false}}) {
        connect(button, &ImageButton::clicked, this, [this, button = button, value = value] {
            model_.setTrayIcon(value);
            button->setLook(ImageButton::Look::Normal);
            helpText_->clear();
        });
    }

    ChoiceFrame* registerStartupFrame = addFrame(Control::RegisterStartup, "registerStartupFrame");
    ChoiceFrame* unregisterStartupFrame = addFrame(Control::UnregisterStartup, "unregisterStartupFrame");
    ImageButton* registerButton =
        addButton(Control::RegisterStartup, "registerStartupButton", QStringLiteral("スタートアップ登録"),
                  helpText_, desktop_words::startupRegistrationHelp(shell_.family()), registerStartupFrame);
    ImageButton* unregisterButton =
        addButton(Control::UnregisterStartup, "unregisterStartupButton", QStringLiteral("スタートアップ削除"),
                  helpText_, QStringLiteral("スタートアップの登録を削除します。"), unregisterStartupFrame);
    startupChoice_ =
        addChoice(registerButton, registerStartupFrame, unregisterButton, unregisterStartupFrame);
    connect(registerButton, &ImageButton::clicked, this, [this, registerButton] {
        questions_.showMessage(notice_text::startupRegistered(shell_.registerStartup(), shell_.family()));
        showStartupRegistration();
        resetButton(registerButton, helpText_);
    });
    connect(unregisterButton, &ImageButton::clicked, this, [this, unregisterButton] {
        questions_.showMessage(notice_text::startupUnregistered(shell_.unregisterStartup(), shell_.family()));
        showStartupRegistration();
        resetButton(unregisterButton, helpText_);
    });
}

void SettingsWindow::buildAnalogPanel()
{
    ChoiceFrame* secondHandOnFrame = addFrame(Control::SecondHandOn, "secondHandOnFrame");
    ChoiceFrame* secondHandOffFrame = addFrame(Control::SecondHandOff, "secondHandOffFrame");
    ImageButton* secondHandOn =
        addButton(Control::SecondHandOn, "secondHandOnButton", QStringLiteral("秒針表示"), panelHelpText_,
                  QStringLiteral("秒針を表示するようにします。"), secondHandOnFrame);
    ImageButton* secondHandOff =
        addButton(Control::SecondHandOff, "secondHandOffButton", QStringLiteral("秒針非表示"), panelHelpText_,
                  QStringLiteral("秒針を表示しないようにします。"), secondHandOffFrame);
    secondHandChoice_ = addChoice(secondHandOn, secondHandOnFrame, secondHandOff, secondHandOffFrame);
    for (const auto& [button, value] : {std::pair{secondHandOn, true}, std::pair{secondHandOff, false}}) {
        connect(button, &ImageButton::clicked, this, [this, value = value] { model_.setSecondHand(value); });
    }

    ImageButton* handColourButton =
        addButton(Control::HandColour, "handColourButton", QStringLiteral("針の色変更"), panelHelpText_,
                  QStringLiteral("長針、短針、秒針の色を変更します。"));
    connect(handColourButton, &ImageButton::clicked, this, [this, handColourButton] {
        resetButton(handColourButton, panelHelpText_);
        dialogs_.openHandColour();
    });
}

void SettingsWindow::buildDigitalPanel()
{
    ChoiceFrame* colonBlinkFrame = addFrame(Control::ColonBlink, "colonBlinkFrame");
    ChoiceFrame* colonSteadyFrame = addFrame(Control::ColonSteady, "colonSteadyFrame");
    colonBlinkButton_ = new ColonBlinkButton(colonShownFace_, buttonPress(), colonBlinkFrame);
    colonBlinkButton_->setObjectName(QStringLiteral("colonBlinkButton"));
    colonBlinkButton_->move(ChoiceFrame::buttonOffset);
    colonBlinkButton_->setToolTip(QStringLiteral("：点滅あり"));
    colonBlinkButton_->setAccessibleName(colonBlinkButton_->toolTip());
    showHelp(colonBlinkButton_, panelHelpText_, QStringLiteral("：を点滅するようにします。"));
    connect(this, &PictureDialog::pointerOverBackground, colonBlinkButton_, &ColonBlinkButton::forgetHover);
    connect(colonBlinkButton_, &ImageButton::clicked, this, [this] {
        colonBlinkButton_->setLook(ImageButton::Look::Hover);
        model_.setColonStyle(ColonStyle::Blinking);
    });

    ImageButton* colonSteady =
        addButton(Control::ColonSteady, "colonSteadyButton", QStringLiteral("：点滅なし"), panelHelpText_,
                  QStringLiteral("：を点滅させないようにします。"), colonSteadyFrame);
    colonChoice_ = addChoice(colonBlinkButton_, colonBlinkFrame, colonSteady, colonSteadyFrame);
    connect(colonSteady, &ImageButton::hovered, colonBlinkButton_, &ColonBlinkButton::forgetHover);
    connect(colonSteady, &ImageButton::clicked, this, [this] { model_.setColonStyle(ColonStyle::Steady); });

    ImageButton* readoutColourButton =
        addButton(Control::ReadoutColour, "readoutColourButton", QStringLiteral("時刻・日付の色変更"),
                  panelHelpText_, QStringLiteral("デジタルの時刻と日付の色を変更します。"));
    connect(readoutColourButton, &ImageButton::clicked, this, [this, readoutColourButton] {
        resetButton(readoutColourButton, panelHelpText_);
        dialogs_.openReadoutColour();
    });
}

QWidget* SettingsWindow::parentOf(settings_layout::Parent parent)
{
    switch (parent) {
    case settings_layout::Parent::AnalogPanel:
        return analogPanel_;
    case settings_layout::Parent::DigitalPanel:
        return digitalPanel_;
    case settings_layout::Parent::Window:
        break;
    }
    return this;
}

ImageButton* SettingsWindow::addButton(Control control, const char* name, const QString& tooltip,
                                       QLabel* help, const QString& helpText, ChoiceFrame* frame)
{
    const settings_layout::Place& place = settings_layout::place(control);
    Q_ASSERT(place.option == (frame != nullptr));
    ImageButton* button = frame ? addImageButton(place.face, ChoiceFrame::buttonOffset, name, frame)
                                : addImageButton(place.face, place.at, name, parentOf(place.parent));
    button->setToolTip(tooltip);
    // A picture without words is named by its tooltip.
    if (button->text().isEmpty()) {
        button->setAccessibleName(tooltip);
    }
    showHelp(button, help, helpText);
    return button;
}

ChoiceFrame* SettingsWindow::addFrame(Control control, const char* name)
{
    const settings_layout::Place& place = settings_layout::place(control);
    auto* frame = new ChoiceFrame(parentOf(place.parent), place.at);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

ChoiceGroup* SettingsWindow::addChoice(ImageButton* first, ChoiceFrame* firstFrame, ImageButton* second,
                                       ChoiceFrame* secondFrame)
{
    auto* choice = new ChoiceGroup(this);
    choice->addOption(first, firstFrame);
    choice->addOption(second, secondFrame);
    return choice;
}

void SettingsWindow::showHelp(ImageButton* button, QLabel* help, const QString& helpText)
{
    QString shown = helpText;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // What the help says on hover, a screen reader says of the button.
    button->setAccessibleDescription(shown);
    connect(button, &ImageButton::hovered, help,
            [help, shown](bool inside) { help->setText(inside ? shown : QString()); });
}

void SettingsWindow::showChoices()
{
    const ClockSettings& settings = model_.settings();
    showChoice(stackingChoice_, settings.alwaysOnTop.value(), Stacking::InFront, Stacking::Normal);
    showChoice(secondHandChoice_, settings.secondHand.value(), true, false);
    showChoice(trayIconChoice_, settings.trayIcon.value(), true, false);
    showChoice(colonChoice_, settings.colonStyle.value(), ColonStyle::Blinking, ColonStyle::Steady);
}

void SettingsWindow::showStartupRegistration()
{
    // The desktop's start-up folder says it, not a setting: it is read afresh.
    showChoice(startupChoice_, shell_.startsAtLogOn(), true, false);
}

void SettingsWindow::showDesignPanel()
{
    const designs::Design* design = designs::find(model_.settings().design);
    if (!design) {
        return;
    }
    const bool analog = design->hands.has_value();
    analogPanel_->setVisible(analog);
    digitalPanel_->setVisible(!analog);
    designTitle_->setText(QString::fromLatin1(design->name) + QStringLiteral(" カスタマイズ"));
}

void SettingsWindow::animateColonButton()
{
    colonPhase_ = colonPhase_ + 1 >= 4 ? 0 : colonPhase_ + 1;
    colonBlinkButton_->setFace(colonPhase_ <= 1 ? colonShownFace_ : colonHiddenFace_);
    if (!colonBlinkButton_->isHovered()) {
        colonBlinkButton_->setLook(ImageButton::Look::Normal);
    } else {
        colonBlinkButton_->setLook(buttonPress().isHeld() ? ImageButton::Look::Pressed
                                                          : ImageButton::Look::Hover);
    }
}

void SettingsWindow::resetButton(ImageButton* button, QLabel* help)
{
    button->setLook(ImageButton::Look::Normal);
    button->setCursor(Qt::ArrowCursor);
    help->clear();
}
