#include "ui/settings_window.h"

#include "core/artwork.h"
#include "face/designs.h"
#include "model/clock_model.h"
#include "platform/app_identity.h"
#include "platform/platform.h"
#include "ui/colon_blink_button.h"
#include "ui/dialogs.h"
#include "widgets/choice_frame.h"
#include "widgets/engraved_line.h"
#include "widgets/label_style.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr ColourRef white = 0x00FFFFFF;
constexpr ColourRef lightGrey = 0x00E0E0E0;
constexpr ColourRef panelColour = 0x00424242;

QWidget* addPanel(QWidget* parent, const char* name)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(8, 176, 353, 73);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, toQColor(panelColour));
    panel->setPalette(palette);
    return panel;
}

// Marks the frame of the chosen one of two values; a value that is neither leaves both
// frames as they are.
template <typename T>
void showChoice(T value, T first, ChoiceFrame* firstFrame, T second, ChoiceFrame* secondFrame)
{
    if (value == first || value == second) {
        firstFrame->setSelected(value == first);
        secondFrame->setSelected(value == second);
    }
}

} // namespace

SettingsWindow::SettingsWindow(ClockModel& model, Dialogs& dialogs, Platform& platform)
    : PictureDialog(artwork::background::settings, QStringLiteral("設定")), model_(model), dialogs_(dialogs),
      platform_(platform), colonShownFace_(ButtonFace::load(artwork::face::colonShown)),
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
    connect(this, &PictureDialog::pointerOverBackground, this, [this] { colonHovered_ = false; });
    buildDigitalPanel();

    for (const int x : {63, 120, 228, 340}) {
        addEngravedLine(this, QPoint(x, 56), QPoint(x, 112));
    }
    addEngravedLine(this, QPoint(75, 41), QPoint(440, 41));
    addEngravedLine(this, QPoint(144, 164), QPoint(360, 164));

    addCloseButton(artwork::face::close, {384, 232})->setToolTip(QStringLiteral("閉じる"));

    showDesignPanel();
    showChoices();
    for (const auto changed : {&ClockModel::alwaysOnTopChanged, &ClockModel::trayIconChanged,
                               &ClockModel::secondHandChanged, &ClockModel::colonStyleChanged}) {
        connect(&model_, changed, this, &SettingsWindow::showChoices);
    }
    connect(&model_, &ClockModel::designChanged, this, &SettingsWindow::showDesignPanel);

    colonTimer_ = new QTimer(this);
    colonTimer_->setInterval(250);
    connect(colonTimer_, &QTimer::timeout, this, &SettingsWindow::animateColonButton);
    colonTimer_->start();
}

void SettingsWindow::buildTopRow()
{
    ImageButton* alarmButton =
        addButton(this, {16, 58}, artwork::face::alarms, "alarmButton", QStringLiteral("アラーム設定"),
                  helpText_, QStringLiteral("アラームの設定を行います。"));
    connect(alarmButton, &ImageButton::released, this, [this, alarmButton] {
        resetButton(alarmButton, helpText_);
        dialogs_.openAlarmList();
    });

    ImageButton* designButton =
        addButton(this, {72, 58}, artwork::face::design, "designButton", QStringLiteral("ねこ画像変更"),
                  helpText_, QStringLiteral("ねこ画像を変更します。"));
    connect(designButton, &ImageButton::released, this, [this, designButton] {
        resetButton(designButton, helpText_);
        dialogs_.openDesignChooser();
    });

    alwaysOnTopFrame_ = addFrame(this, {130, 56}, "alwaysOnTopFrame");
    normalStackingFrame_ = addFrame(this, {178, 56}, "normalStackingFrame");
    ImageButton* alwaysOnTop = addButton(
        alwaysOnTopFrame_, ChoiceFrame::buttonOffset, artwork::face::alwaysOnTop, "alwaysOnTopButton",
        QStringLiteral("前面に表示"), helpText_, QStringLiteral("ぽてりんを前面に表示します。"));
    ImageButton* normalStacking =
        addButton(normalStackingFrame_, ChoiceFrame::buttonOffset, artwork::face::normalStacking,
                  "normalStackingButton", QStringLiteral("前面に表示しない"), helpText_,
                  QStringLiteral("ぽてりんを前面に表示しないようにします。"));
    for (const auto& [button, value] :
         {std::pair{alwaysOnTop, Stacking::InFront}, std::pair{normalStacking, Stacking::Normal}}) {
        connect(button, &ImageButton::released, this, [this, value = value] {
            model_.setAlwaysOnTop(value);
            helpText_->clear();
        });
    }

    trayIconOnFrame_ = addFrame(this, {239, 56}, "trayIconOnFrame");
    trayIconOffFrame_ = addFrame(this, {288, 56}, "trayIconOffFrame");
    trayIconOffFrame_->setToolTip(QStringLiteral("タスクトレイアイコン削除"));
    ImageButton* trayIconOn =
        addButton(trayIconOnFrame_, ChoiceFrame::buttonOffset, artwork::face::trayIconOn, "trayIconOnButton",
                  QStringLiteral("タスクトレイ常駐"), helpText_,
                  QStringLiteral("タスクトレイにぽてりんのアイコンを表示させます。\r\n"
                                 "アイコンをクリックするとメニューが表示されます。"));
    ImageButton* trayIconOff = addButton(trayIconOffFrame_, ChoiceFrame::buttonOffset,
                                         artwork::face::trayIconOff, "trayIconOffButton", QString(),
                                         helpText_, QStringLiteral("タスクトレイのアイコンを削除します。"));
    for (const auto& [button, value] : {std::pair{trayIconOn, true}, std::pair{trayIconOff, false}}) {
        connect(button, &ImageButton::released, this, [this, button = button, value = value] {
            model_.setTrayIcon(value);
            button->setLook(ImageButton::Look::Normal);
            helpText_->clear();
        });
    }

    ImageButton* registerButton =
        addButton(this, {348, 58}, artwork::face::registerStartup, "registerStartupButton",
                  QStringLiteral("スタートアップ登録"), helpText_, startupRegistrationHelp());
    ImageButton* unregisterButton =
        addButton(this, {396, 58}, artwork::face::unregisterStartup, "unregisterStartupButton",
                  QStringLiteral("スタートアップ削除"), helpText_,
                  QStringLiteral("スタートアップの登録を削除します。"));
    connect(registerButton, &ImageButton::released, this, [this, registerButton] {
        const bool created = platform_.registerStartup();
        platform_.showMessage(created ? QStringLiteral("登録が完了しました。")
                                      : QStringLiteral("ショートカットが作成できませんでした。"));
        resetButton(registerButton, helpText_);
    });
    connect(unregisterButton, &ImageButton::released, this, [this, unregisterButton] {
        const bool removed = platform_.unregisterStartup();
        platform_.showMessage(removed ? QStringLiteral("削除が完了しました。")
                                      : QStringLiteral("ショートカットが削除できませんでした。\r\n"
                                                       "もしくはすでにファイルは削除されています。"));
        resetButton(unregisterButton, helpText_);
    });

    addLabel(this, QStringLiteral("アラーム"), {11, 102, 48, 12}, white);
    addLabel(this, QStringLiteral("画像変更"), {69, 102, 48, 12}, white);
    addLabel(this, QStringLiteral("前面表示／非表示"), {128, 102, 96, 12}, white);
    addLabel(this, QStringLiteral("トレイ常駐/非常駐"), {233, 102, 102, 12}, white);
    addLabel(this, QStringLiteral("スタートアップ"), {350, 102, 84, 12}, white);
}

void SettingsWindow::buildAnalogPanel()
{
    secondHandOnFrame_ = addFrame(analogPanel_, {8, 8}, "secondHandOnFrame");
    secondHandOffFrame_ = addFrame(analogPanel_, {64, 8}, "secondHandOffFrame");
    ImageButton* secondHandOn = addButton(
        secondHandOnFrame_, ChoiceFrame::buttonOffset, artwork::face::secondHandOn, "secondHandOnButton",
        QStringLiteral("秒針表示"), panelHelpText_, QStringLiteral("秒針を表示するようにします。"));
    ImageButton* secondHandOff = addButton(
        secondHandOffFrame_, ChoiceFrame::buttonOffset, artwork::face::secondHandOff, "secondHandOffButton",
        QStringLiteral("秒針非表示"), panelHelpText_, QStringLiteral("秒針を表示しないようにします。"));
    for (const auto& [button, value] : {std::pair{secondHandOn, true}, std::pair{secondHandOff, false}}) {
        connect(button, &ImageButton::released, this, [this, value = value] { model_.setSecondHand(value); });
    }

    ImageButton* handColourButton = addButton(
        analogPanel_, {136, 10}, artwork::face::handColour, "handColourButton", QStringLiteral("針の色変更"),
        panelHelpText_, QStringLiteral("長針、短針、秒針の色を変更します。"));
    connect(handColourButton, &ImageButton::released, this, [this, handColourButton] {
        resetButton(handColourButton, panelHelpText_);
        dialogs_.openHandColour();
    });

    addEngravedLine(analogPanel_, QPoint(119, 8), QPoint(119, 64));
    addLabel(analogPanel_, QStringLiteral("秒針表示／非表示"), {11, 54, 96, 12}, white);
    addLabel(analogPanel_, QStringLiteral("針の色変更"), {127, 54, 60, 12}, white);
}

void SettingsWindow::buildDigitalPanel()
{
    colonBlinkFrame_ = addFrame(digitalPanel_, {8, 6}, "colonBlinkFrame");
    colonSteadyFrame_ = addFrame(digitalPanel_, {64, 6}, "colonSteadyFrame");
    colonBlinkButton_ = new ColonBlinkButton(colonShownFace_, buttonPress(), colonHovered_, colonBlinkFrame_);
    colonBlinkButton_->setObjectName(QStringLiteral("colonBlinkButton"));
    colonBlinkButton_->move(ChoiceFrame::buttonOffset);
    colonBlinkButton_->setToolTip(QStringLiteral("：点滅あり"));
    showHelp(colonBlinkButton_, panelHelpText_, QStringLiteral("：を点滅するようにします。"));
    connect(colonBlinkButton_, &ImageButton::released, this, [this] {
        colonBlinkButton_->setLook(ImageButton::Look::Hover);
        model_.setColonStyle(ColonStyle::Blinking);
    });

    ImageButton* colonSteady = addButton(
        colonSteadyFrame_, ChoiceFrame::buttonOffset, artwork::face::colonShown, "colonSteadyButton",
        QStringLiteral("：点滅なし"), panelHelpText_, QStringLiteral("：を点滅させないようにします。"));
    connect(colonSteady, &ImageButton::hovered, this, [this] { colonHovered_ = false; });
    connect(colonSteady, &ImageButton::released, this, [this] { model_.setColonStyle(ColonStyle::Steady); });

    ImageButton* readoutColourButton =
        addButton(digitalPanel_, {136, 8}, artwork::face::readoutColour, "readoutColourButton",
                  QStringLiteral("時刻・日付の色変更"), panelHelpText_,
                  QStringLiteral("デジタルの時刻と日付の色を変更します。"));
    connect(readoutColourButton, &ImageButton::released, this, [this, readoutColourButton] {
        resetButton(readoutColourButton, panelHelpText_);
        dialogs_.openReadoutColour();
    });

    addEngravedLine(digitalPanel_, QPoint(120, 8), QPoint(120, 64));
    addLabel(digitalPanel_, QStringLiteral("：点滅あり／なし"), {9, 52, 96, 12}, white);
    addLabel(digitalPanel_, QStringLiteral("色変更"), {138, 52, 36, 12}, white);
}

ImageButton* SettingsWindow::addButton(QWidget* parent, QPoint at, const char* face, const char* name,
                                       const QString& tooltip, QLabel* help, const QString& helpText)
{
    ImageButton* button = addImageButton(face, at, name, parent);
    button->setToolTip(tooltip);
    showHelp(button, help, helpText);
    return button;
}

ChoiceFrame* SettingsWindow::addFrame(QWidget* parent, QPoint at, const char* name)
{
    auto* frame = new ChoiceFrame(parent, at);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

void SettingsWindow::showHelp(ImageButton* button, QLabel* help, const QString& helpText)
{
    QString shown = helpText;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    connect(button, &ImageButton::hovered, help,
            [help, shown](bool inside) { help->setText(inside ? shown : QString()); });
}

void SettingsWindow::showChoices()
{
    const ClockSettings& settings = model_.settings();
    showChoice(settings.alwaysOnTop.value(), Stacking::InFront, alwaysOnTopFrame_, Stacking::Normal,
               normalStackingFrame_);
    showChoice(settings.secondHand.value(), true, secondHandOnFrame_, false, secondHandOffFrame_);
    showChoice(settings.trayIcon.value(), true, trayIconOnFrame_, false, trayIconOffFrame_);
    showChoice(settings.colonStyle.value(), ColonStyle::Steady, colonSteadyFrame_, ColonStyle::Blinking,
               colonBlinkFrame_);
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
    if (!colonHovered_) {
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
