#include "ui/alarm_edit_window.h"

#include "core/artwork.h"
#include "face/face_layout.h"
#include "platform/clock.h"
#include "platform/sound_output.h"
#include "storage/alarm_file.h"
#include "ui/alarm_list_model.h"
#include "ui/choose_wave.h"
#include "ui/questions.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"
#include "widgets/step_field.h"
#include "widgets/toggle_chip.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

constexpr ColourRef white = 0x00FFFFFF;
constexpr ColourRef textColour = 0x00E0E0E0;

} // namespace

AlarmEditWindow::AlarmEditWindow(const Clock& clock, const SoundOutput& sound, Questions& questions,
                                 const std::optional<Alarm>& alarm)
    : PictureDialog(artwork::background::alarmEdit), sound_(sound), questions_(questions)
{
    setObjectName(QStringLiteral("alarmEditWindow"));
    addLabel(this, QStringLiteral("アラーム時刻"), {13, 34, 100, 14}, white);
    hourText_ = addField(23, {14, 54, 40, 33}, TimeStep::HourUp, TimeStep::HourDown, "hour");
    QLabel* hourUnit =
        addLabel(this, QStringLiteral("時"), {54, 70, 20, 17}, textColour, 12, dialogFace, true);
    hourUnit->setBuddy(hourText_);
    minuteText_ = addField(59, {142, 54, 40, 33}, TimeStep::MinuteUp, TimeStep::MinuteDown, "minute");
    QLabel* minuteUnit =
        addLabel(this, QStringLiteral("分"), {179, 70, 20, 17}, textColour, 12, dialogFace, true);
    minuteUnit->setBuddy(minuteText_);
    addStepper(artwork::caption::stepUp, {78, 54}, TimeStep::HourUp, hourUnit, "hourUp");
    addStepper(artwork::caption::stepDown, {78, 70}, TimeStep::HourDown, hourUnit, "hourDown");
    addStepper(artwork::caption::stepUp, {201, 54}, TimeStep::MinuteUp, minuteUnit, "minuteUp");
    addStepper(artwork::caption::stepDown, {201, 70}, TimeStep::MinuteDown, minuteUnit, "minuteDown");

    QLabel* soundLabel = addLabel(this, QStringLiteral("アラーム音色"), {10, 102, 86, 14}, white);
    auto* standardSoundBar = new HighlightBar(artwork::caption::standardSound, this);
    standardSoundBar->setObjectName(QStringLiteral("standardSound"));
    standardSoundBar->move(96, 101);
    connect(standardSoundBar, &HighlightBar::clicked, this, [this] { setSound(std::nullopt); });
    soundField_ = addSoundField(this, {10, 119, 267, 18}, "soundField");
    soundLabel->setBuddy(soundField_);
    chooseWaveBar_ = new HighlightBar(artwork::caption::chooseWave, this);
    chooseWaveBar_->setObjectName(QStringLiteral("chooseWave"));
    chooseWaveBar_->move(280, 120);
    connect(chooseWaveBar_, &HighlightBar::clicked, this, &AlarmEditWindow::chooseWave);

    showMessageBox_ =
        new QCheckBox(QStringLiteral("アラーム設定時刻になったら確認メッセージを表示する"), this);
    showMessageBox_->setObjectName(QStringLiteral("showMessage"));
    showMessageBox_->setGeometry(14, 160, 333, 18);
    showMessageBox_->setFont(QFont(dialogFace, 9));
    QPalette checkPalette = showMessageBox_->palette();
    checkPalette.setColor(QPalette::WindowText, toQColor(textColour));
    showMessageBox_->setPalette(checkPalette);
    showMessageBox_->setChecked(true);

    QLabel* messageLabel = addLabel(this, QStringLiteral("アラームメッセージ"), {12, 196, 116, 14}, white);
    messageField_ = new QLineEdit(this);
    messageLabel->setBuddy(messageField_);
    messageField_->setObjectName(QStringLiteral("messageField"));
    messageField_->setGeometry(128, 192, 201, 17);
    connect(showMessageBox_, &QCheckBox::toggled, messageField_, &QLineEdit::setEnabled);
    addDayRow();

    ImageButton* applyButton = addImageButton(artwork::face::apply, {222, 222}, "applyButton");
    connect(applyButton, &ImageButton::clicked, this, &AlarmEditWindow::accept);
    setDefaultButton(applyButton);
    addCloseButton(artwork::face::cancel, {286, 222}, "cancelButton");

    if (alarm) {
        // A time the file could not read as one starts at midnight.
        time_ = alarm->at.isValid() ? alarm->at : QTime(0, 0);
        setSound(alarm->waveFile);
        messageField_->setText(alarm->message);
        showMessageBox_->setChecked(alarm->showsMessage);
        days_ = alarm->days;
    } else {
        const LocalTime now = clock.now();
        time_ = QTime(now.hour, now.minute);
        setSound(std::nullopt);
        messageField_->setText(defaultAlarmMessage);
    }
    showTime();
    showDays();
    messageField_->setEnabled(showMessageBox_->isChecked());

    repeatTimer_ = new QTimer(this);
    repeatTimer_->setObjectName(QStringLiteral("repeatTimer"));
    repeatTimer_->setInterval(500);
    connect(repeatTimer_, &QTimer::timeout, this, &AlarmEditWindow::repeatHeldStep);
    repeatTimer_->start();
}

StepField* AlarmEditWindow::addField(int maximum, const QRect& geometry, TimeStep up, TimeStep down,
                                     const char* name)
{
    auto* field = new StepField(0, maximum, this);
    field->setObjectName(QString::fromLatin1(name));
    styleLabel(field, fixedFace, 24, textColour);
    field->setGeometry(geometry);
    field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(field, &StepField::stepRequested, this,
            [this, up, down](int direction) { step(direction > 0 ? up : down); });
    connect(field, &StepField::valueRequested, this, [this, field](int value) {
        time_ = field == hourText_ ? QTime(value, time_.minute()) : QTime(time_.hour(), value);
        showTime();
    });
    return field;
}

HighlightBar* AlarmEditWindow::addStepper(const artwork::Caption& caption, QPoint at, TimeStep step,
                                          const QLabel* unit, const char* name)
{
    auto* bar = new HighlightBar(caption, this);
    bar->setObjectName(QString::fromLatin1(name));
    // A screen reader tells which field an arrow steps by the unit beside that field.
    bar->setAccessibleDescription(unit->text());
    bar->move(at);
    connect(bar, &HighlightBar::captionPressed, this, [this, step] {
        heldStep_ = step;
        repeatTimer_->start(100);
    });
    // Letting go anywhere ends the repeat; a release over the bar steps once more.
    connect(bar, &HighlightBar::letGo, this, [this] { heldStep_ = TimeStep::None; });
    connect(bar, &HighlightBar::clicked, this, [this, step] { this->step(step); });
    return bar;
}

void AlarmEditWindow::repeatHeldStep()
{
    if (heldStep_ == TimeStep::None) {
        repeatTimer_->stop();
        return;
    }
    step(heldStep_);
}

void AlarmEditWindow::step(TimeStep step)
{
    time_ = stepTime(step, time_);
    showTime();
}

void AlarmEditWindow::showTime()
{
    hourText_->setValue(time_.hour());
    minuteText_->setValue(time_.minute());
}

void AlarmEditWindow::setSound(const std::optional<QString>& waveFile)
{
    waveFile_ = waveFile;
    showSound(soundField_, waveFile, pathWidth);
    // The bar that changes the sound says the sound it has now.
    chooseWaveBar_->setAccessibleDescription(AlarmListModel::soundName(waveFile));
}

void AlarmEditWindow::chooseWave()
{
    chooseWaveBar_->unlight();
    if (const std::optional<QString> path = ::chooseWave(questions_, sound_, waveFile_)) {
        setSound(*path);
    }
}

void AlarmEditWindow::addDayRow()
{
    QLabel* heading = addLabel(this, QStringLiteral("曜日"), {12, 221, 26, 14}, white);
    // One group, not exclusive: the arrow keys move along the row.
    auto* row = new QButtonGroup(this);
    row->setExclusive(false);
    const auto addChip = [this, row](const artwork::Chip& chip, const QString& words, QPoint at,
                                     const QString& name) {
        auto* added = new ToggleChip(chip, words, this);
        added->setObjectName(name);
        added->move(at);
        row->addButton(added);
        return added;
    };
    for (int day = 0; day < 7; ++day) {
        const QString character(face_layout::weekdayCharacter(day));
        ToggleChip* chip = addChip(artwork::chip::days[day], character, {40 + 24 * day, 219},
                                   QStringLiteral("day%1").arg(day));
        connect(chip, &ToggleChip::clicked, this, [this, day] { toggleDay(day); });
        dayChips_[std::size_t(day)] = chip;
    }
    heading->setBuddy(dayChips_[0]);
    const auto textOf = [](const artwork::Chip& chip) {
        return QString::fromUtf8(chip.text);
    };
    everyDayChip_ = addChip(artwork::chip::everyDay, textOf(artwork::chip::everyDay), {40, 240},
                            QStringLiteral("everyDay"));
    workdaysChip_ = addChip(artwork::chip::workdays, textOf(artwork::chip::workdays), {77, 240},
                            QStringLiteral("workdays"));
    onceChip_ = addChip(artwork::chip::once, textOf(artwork::chip::once), {114, 240}, QStringLiteral("once"));
    connect(everyDayChip_, &ToggleChip::clicked, this,
            [this] { setDays({.weekdays = AlarmDays::everyDay}); });
    connect(workdaysChip_, &ToggleChip::clicked, this,
            [this] { setDays({.weekdays = AlarmDays::workdays}); });
    connect(onceChip_, &ToggleChip::clicked, this,
            [this] { setDays({.weekdays = days_.weekdays, .once = !days_.once}); });
}

void AlarmEditWindow::toggleDay(int day)
{
    const auto bit = std::uint8_t(1 << day);
    if (days_.once) {
        setDays({.weekdays = bit});
    } else if (days_.weekdays != bit) {
        setDays({.weekdays = std::uint8_t(days_.weekdays ^ bit)});
    } else {
        showDays(); // an alarm rings on one day at least
    }
}

void AlarmEditWindow::setDays(AlarmDays days)
{
    days_ = days;
    showDays();
}

void AlarmEditWindow::showDays()
{
    for (int day = 0; day < 7; ++day) {
        dayChips_[std::size_t(day)]->showOn(!days_.once && (days_.weekdays >> day & 1) != 0);
    }
    everyDayChip_->showOn(!days_.once && days_.weekdays == AlarmDays::everyDay);
    workdaysChip_->showOn(!days_.once && days_.weekdays == AlarmDays::workdays);
    onceChip_->showOn(days_.once);
}

void AlarmEditWindow::accept()
{
    emit accepted(Alarm{
        .at = time_,
        .enabled = true,
        .waveFile = waveFile_,
        .showsMessage = showMessageBox_->isChecked(),
        .message = messageField_->text(),
        .days = days_,
    });
    close();
}
