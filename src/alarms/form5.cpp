#include "alarms/form5.h"

#include "alarms/alarm_record.h"
#include "alarms/form8.h"
#include "clock/form1.h"
#include "platform/platform.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr ColourRef white = 0x00FFFFFF;
constexpr ColourRef textColour = 0x00E0E0E0;

} // namespace

Form5* Form5::open(Form1& form1, Form8& form8)
{
    if (Form5* open = form1.windows.form5) {
        open->raise();
        return open;
    }
    auto* window = new Form5(form1, form8);
    form1.windows.form5 = window;
    window->showCentred();
    return window;
}

Form5::Form5(Form1& form1, Form8& form8)
    : PictureDialog(QStringLiteral("Form5"), QStringLiteral("アラームの設定")), form1_(form1), form8_(form8)
{
    addLabel(this, QStringLiteral("アラーム時刻"), {13, 34, 100, 14}, white);
    Label5 = addLabel(this, QStringLiteral("00"), {14, 54, 40, 33}, textColour, 24, fixedFace);
    addLabel(this, QStringLiteral("時"), {54, 70, 20, 17}, textColour, 12, dialogFace, true);
    Label6 = addLabel(this, QStringLiteral("00"), {142, 54, 40, 33}, textColour, 24, fixedFace);
    addLabel(this, QStringLiteral("分"), {179, 70, 20, 17}, textColour, 12, dialogFace, true);
    BtnTimH1 = addStepper(QStringLiteral("TimeUp"), {78, 54}, TimeStep::HourUp);
    BtnTimH2 = addStepper(QStringLiteral("TimeDown"), {78, 70}, TimeStep::HourDown);
    BtnTimM1 = addStepper(QStringLiteral("TimeUp"), {201, 54}, TimeStep::MinuteUp);
    BtnTimM2 = addStepper(QStringLiteral("TimeDown"), {201, 70}, TimeStep::MinuteDown);

    addLabel(this, QStringLiteral("アラーム音色"), {10, 102, 86, 14}, white);
    FutWav = new HighlightBar(QStringLiteral("FutWav"), this);
    FutWav->move(96, 101);
    connect(FutWav, &HighlightBar::released, this, [this] { setSound(alarm_text::standardSound); });
    Text1 = new QLineEdit(this);
    Text1->setGeometry(10, 119, 267, 18);
    Text1->setReadOnly(true);
    HenWav = new HighlightBar(QStringLiteral("HenWav"), this);
    HenWav->move(280, 120);
    connect(HenWav, &HighlightBar::released, this, &Form5::chooseWave);

    Check1 = new QCheckBox(QStringLiteral("アラーム設定時刻になったら確認メッセージを表示する"), this);
    Check1->setGeometry(14, 160, 333, 18);
    Check1->setFont(QFont(dialogFace, 9));
    QPalette checkPalette = Check1->palette();
    checkPalette.setColor(QPalette::WindowText, toQColor(textColour));
    Check1->setPalette(checkPalette);
    Check1->setChecked(true);

    addLabel(this, QStringLiteral("アラームメッセージ"), {12, 196, 116, 14}, white);
    Text2 = new QLineEdit(this);
    Text2->setGeometry(128, 192, 201, 17);
    connect(Check1, &QCheckBox::toggled, Text2, &QLineEdit::setEnabled);

    BtnAl = new ImageButton(ButtonFace::load(QStringLiteral("Apply")), BtnDown, this);
    BtnAl->move(222, 222);
    connect(BtnAl, &ImageButton::released, this, &Form5::accept);
    BtnCl = new ImageButton(ButtonFace::load(QStringLiteral("Cancel")), BtnDown, this);
    BtnCl->move(286, 222);
    connect(BtnCl, &ImageButton::released, this, [this] {
        BtnDown = 0;
        close();
    });

    if (form8_.SetPlpty == 1) {
        const AlarmRecord& alarm = form8_.workingCopy()[std::size_t(form8_.LstIdx)];
        Label5->setText(alarm.time.left(2));
        Label6->setText(alarm.time.right(2));
        setSound(alarm.sound);
        Text2->setText(alarm.message);
        if (alarm.display == alarm_text::displayOn) {
            Check1->setChecked(true);
        } else if (alarm.display == alarm_text::displayOff) {
            Check1->setChecked(false);
        }
    } else {
        setSound(alarm_text::standardSound);
        const LocalTime now = form1_.platform().now();
        Label5->setText(QStringLiteral("%1").arg(now.hour, 2, 10, QLatin1Char('0')));
        Label6->setText(QStringLiteral("%1").arg(now.minute, 2, 10, QLatin1Char('0')));
        Text2->setText(alarm_text::defaultMessage);
    }
    Text2->setEnabled(Check1->isChecked());

    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &Form5::repeatTick);
    Timer1.start();
}

HighlightBar* Form5::addStepper(const QString& caption, QPoint at, TimeStep step)
{
    auto* bar = new HighlightBar(caption, this);
    bar->move(at);
    connect(bar, &HighlightBar::pressed, this, [this, step] {
        Label9 = step;
        Timer1.start(100);
    });
    // Letting go anywhere ends the repeat; a release over the bar steps once more.
    connect(bar, &HighlightBar::letGo, this, [this] { Label9 = TimeStep::None; });
    connect(bar, &HighlightBar::released, this, [this, step] { this->step(step); });
    return bar;
}

void Form5::repeatTick()
{
    if (Label9 == TimeStep::None) {
        Timer1.stop();
        return;
    }
    step(Label9);
}

void Form5::step(TimeStep step)
{
    QLabel* label = step == TimeStep::HourUp || step == TimeStep::HourDown ? Label5 : Label6;
    label->setText(stepTime(step, label->text()));
}

void Form5::setSound(const QString& sound)
{
    Label4 = sound;
    Text1->setText(QFontMetrics(font()).elidedText(sound, Qt::ElideMiddle, pathWidth));
}

void Form5::chooseWave()
{
    HenWav->unlight();
    const QString path = form1_.platform().chooseOpenFile(
        QStringLiteral("ファイルを開く"), QStringLiteral("wavファイル(*.wav,*.WAV) (*.wav *.WAV)"));
    if (!path.isEmpty()) {
        setSound(path);
    } else if (Text1->text().isEmpty() || Text1->text() == alarm_text::standardSound) {
        setSound(alarm_text::standardSound);
    }
}

void Form5::accept()
{
    const QString display = Check1->isChecked() ? alarm_text::displayOn : alarm_text::displayOff;
    const QString time = Label5->text() + u':' + Label6->text();
    const QString listText = time + QStringLiteral("  ") + display;
    const AlarmRecord alarm{time, alarm_text::enabledOn, Label4, display, Text2->text()};
    int current = form8_.LstIdx;
    if (form8_.SetPlpty == 0) {
        form8_.appendAlarm(alarm, listText);
        form8_.AlmSaveTeki();
        current = form8_.entryCount() - 1;
    } else {
        form8_.replaceAlarm(current, alarm, listText);
        form8_.AlmSaveTeki();
    }
    form8_.showDetails(current);
    BtnDown = 0;
    close();
}

void Form5::closeEvent(QCloseEvent* event)
{
    PictureDialog::closeEvent(event);
    if (event->isAccepted()) {
        form8_.setEnabled(true);
    }
}
