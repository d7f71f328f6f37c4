#include "ui/alarm_list_window.h"

#include "core/artwork.h"
#include "model/clock_model.h"
#include "platform/platform.h"
#include "ui/alarm_edit_window.h"
#include "widgets/engraved_line.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"

#include <QLabel>
#include <QListWidget>

namespace {

constexpr ColourRef headingColour = 0x00F19B72;
constexpr ColourRef textColour = 0x00E0E0E0;

HighlightBar* addBar(QWidget* parent, const char* caption, QPoint at, const char* name)
{
    auto* bar = new HighlightBar(caption, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->move(at);
    return bar;
}

QLabel* addDetail(QWidget* parent, const QRect& geometry, const char* name)
{
    QLabel* label = addLabel(parent, QString(), geometry, textColour);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

AlarmListWindow::AlarmListWindow(ClockModel& model, Dialogs& dialogs, Platform& platform)
    : PictureDialog(artwork::background::alarmList, QStringLiteral("アラーム")), model_(model),
      dialogs_(dialogs), platform_(platform)
{
    setObjectName(QStringLiteral("alarmListWindow"));
    addLabel(this, QStringLiteral("設定アラーム一覧"), {8, 37, 120, 14}, textColour);
    addLabel(this, QStringLiteral("アラーム設定内容"), {72, 56, 110, 14}, textColour);
    addLabel(this, QStringLiteral("設定時刻"), {72, 72, 60, 14}, headingColour);
    addLabel(this, QStringLiteral("メッセージの表示"), {184, 72, 110, 14}, headingColour);
    addLabel(this, QStringLiteral("メッセージ内容"), {72, 96, 100, 14}, headingColour);
    addLabel(this, QStringLiteral("アラーム音色"), {72, 136, 100, 14}, headingColour);
    timeDetail_ = addDetail(this, {136, 72, 53, 17}, "timeDetail");
    displayDetail_ = addDetail(this, {296, 72, 57, 17}, "displayDetail");
    messageDetail_ = addDetail(this, {75, 112, 258, 18}, "messageDetail");
    soundDetail_ = addDetail(this, {75, 152, 258, 49}, "soundDetail");
    soundDetail_->setWordWrap(true);
    addEngravedLine(this, QPoint(176, 60), QPoint(328, 60));

    alarmList_ = new QListWidget(this);
    alarmList_->setObjectName(QStringLiteral("alarmList"));
    alarmList_->setGeometry(8, 56, 60, 144);
    alarmList_->setFont(QFont(dialogFace, 9));
    alarmList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The list is only 60 pixels wide: tight marks and margins keep "hh:mm" whole.
    alarmList_->setTextElideMode(Qt::ElideNone);
    alarmList_->setStyleSheet(QStringLiteral("QListWidget { padding: 0px; }"
                                             "QListWidget::item { padding: 0px; margin: 0px; }"
                                             "QListWidget::indicator { width: 11px; height: 11px; }"));
    for (const AlarmRecord& alarm : model_.alarms()) {
        addEntry(alarm, alarm.time, !alarm.time.isEmpty() && alarm.enabled == alarm_text::enabledOn);
    }
    alarmList_->setCurrentRow(-1);
    connect(alarmList_, &QListWidget::itemClicked, this, &AlarmListWindow::listClicked);
    connect(alarmList_, &QListWidget::currentRowChanged, this, &AlarmListWindow::listClicked);
    // Every save rebuilds the copy from the file as written.
    connect(&model_, &ClockModel::alarmsChanged, this, [this] { copy_ = model_.alarms(); });

    addBar_ = addBar(this, artwork::caption::addAlarm, {344, 56}, "addButton");
    changeBar_ = addBar(this, artwork::caption::changeAlarm, {344, 84}, "changeButton");
    auto* deleteBar = addBar(this, artwork::caption::deleteAlarm, {344, 104}, "deleteButton");
    connect(addBar_, &HighlightBar::released, this, &AlarmListWindow::addAlarm);
    connect(changeBar_, &HighlightBar::released, this, &AlarmListWindow::changeAlarm);
    connect(deleteBar, &HighlightBar::released, this, &AlarmListWindow::deleteAlarm);

    ImageButton* saveButton = addImageButton(artwork::face::apply, {344, 163}, "saveButton");
    connect(saveButton, &ImageButton::released, this, [this, saveButton] {
        save(Dialogs::Notice::AlarmsSavedFromList);
        buttonHeld_ = false;
        saveButton->setLook(ImageButton::Look::Normal);
        saveButton->setCursor(Qt::ArrowCursor);
    });
    addCloseButton(artwork::face::cancel, {408, 163});
}

void AlarmListWindow::listClicked()
{
    selectedRow_ = alarmList_->currentRow();
    showDetails(selectedRow_);
}

void AlarmListWindow::showDetails(int row)
{
    const bool valid = row >= 0 && row < int(copy_.size());
    const AlarmRecord none;
    const AlarmRecord& alarm = valid ? copy_[std::size_t(row)] : none;
    timeDetail_->setText(alarm.time);
    displayDetail_->setText(alarm.display);
    messageDetail_->setText(alarm.message);
    soundDetail_->setText(alarm.sound);
}

void AlarmListWindow::addAlarm()
{
    // A file can hold more than ten (written by hand): the limit is said all the same.
    if (alarmList_->count() >= 10) {
        platform_.showMessage(QStringLiteral("アラームは10個までです。"), QStringLiteral("設定エラー"));
        return;
    }
    openEditor(std::nullopt, addBar_);
}

void AlarmListWindow::changeAlarm()
{
    if (alarmList_->currentRow() >= 0) {
        openEditor(selectedRow_, changeBar_);
    }
}

void AlarmListWindow::openEditor(std::optional<int> row, HighlightBar* bar)
{
    editedRow_ = row;
    const std::optional<AlarmRecord> alarm =
        row ? std::optional<AlarmRecord>(copy_[std::size_t(*row)]) : std::nullopt;
    AlarmEditWindow* editor = dialogs_.openAlarmEdit(alarm);
    connect(editor, &AlarmEditWindow::accepted, this, &AlarmListWindow::applyEdit, Qt::UniqueConnection);
    bar->unlight();
}

void AlarmListWindow::deleteAlarm()
{
    const int current = alarmList_->currentRow();
    if (current < 0) {
        return;
    }
    // Removing the current entry leaves the list without one, and the details empty.
    const QSignalBlocker blocker(alarmList_);
    delete alarmList_->takeItem(current);
    copy_.erase(copy_.begin() + current);
    alarmList_->setCurrentRow(-1);
    selectedRow_ = -1;
    showDetails(-1);
}

void AlarmListWindow::addEntry(const AlarmRecord& alarm, const QString& listText, bool marked)
{
    auto* item = new QListWidgetItem(listText, alarmList_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
    copy_.push_back(alarm);
}

void AlarmListWindow::applyEdit(const AlarmRecord& alarm)
{
    const QString listText = alarm.time + QStringLiteral("  ") + alarm.display;
    int row = 0;
    if (editedRow_) {
        row = *editedRow_;
        QListWidgetItem* item = alarmList_->item(row);
        item->setText(listText);
        item->setCheckState(Qt::Checked);
        copy_[std::size_t(row)] = alarm;
    } else {
        addEntry(alarm, listText, true);
        row = alarmList_->count() - 1;
    }
    save(Dialogs::Notice::AlarmsSavedFromEditor);
    // The details always show the highlighted alarm: the one just added or changed.
    alarmList_->setCurrentRow(row);
    selectedRow_ = row;
    showDetails(row);
}

void AlarmListWindow::save(Dialogs::Notice notice)
{
    AlarmTable table = copy_;
    for (int i = 0; i < int(table.size()); ++i) {
        table[std::size_t(i)].enabled =
            alarmList_->item(i)->checkState() == Qt::Checked ? alarm_text::enabledOn : alarm_text::enabledOff;
    }
    if (!model_.saveAlarms(table)) {
        return;
    }
    dialogs_.showMessage(QStringLiteral("アラームの設定を保存しました。"), notice);
    platform_.beep();
}
