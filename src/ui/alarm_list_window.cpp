#include "ui/alarm_list_window.h"

#include "core/artwork.h"
#include "model/clock_model.h"
#include "storage/alarm_file.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_model.h"
#include "ui/questions.h"
#include "widgets/check_entry_delegate.h"
#include "widgets/engraved_line.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"
#include "widgets/spoken_list.h"

#include <QLabel>

namespace {

constexpr ColourRef headingColour = 0x00F19B72;
constexpr ColourRef textColour = 0x00E0E0E0;

HighlightBar* addBar(QWidget* parent, const artwork::Caption& caption, QPoint at, const char* name)
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

AlarmListWindow::AlarmListWindow(ClockModel& model, Dialogs& dialogs, Questions& questions)
    : PictureDialog(artwork::background::alarmList), model_(model), dialogs_(dialogs), questions_(questions)
{
    setObjectName(QStringLiteral("alarmListWindow"));
    const QString caption = QStringLiteral("設定アラーム一覧");
    addLabel(this, caption, {8, 37, 120, 14}, textColour);
    addLabel(this, QStringLiteral("アラーム設定内容"), {72, 56, 110, 14}, textColour);
    addLabel(this, QStringLiteral("設定時刻"), {72, 72, 60, 14}, headingColour);
    addLabel(this, AlarmListModel::displayHeading, {184, 72, 110, 14}, headingColour);
    addLabel(this, AlarmListModel::messageHeading, {72, 96, 100, 14}, headingColour);
    addLabel(this, AlarmListModel::soundHeading, {72, 136, 100, 14}, headingColour);
    addLabel(this, AlarmListModel::daysHeading, {184, 96, 30, 14}, headingColour);
    timeDetail_ = addDetail(this, {136, 72, 53, 17}, "timeDetail");
    displayDetail_ = addDetail(this, {296, 72, 57, 17}, "displayDetail");
    messageDetail_ = addDetail(this, {75, 112, 258, 18}, "messageDetail");
    daysDetail_ = addDetail(this, {216, 96, 120, 17}, "daysDetail");
    soundDetail_ = addDetail(this, {75, 152, 258, 49}, "soundDetail");
    soundDetail_->setWordWrap(true);
    addEngravedLine(this, QPoint(176, 60), QPoint(328, 60));

    entries_ = new AlarmListModel(model_.alarms(), this);
    alarmList_ = new SpokenList(this);
    alarmList_->setObjectName(QStringLiteral("alarmList"));
    // Qt's list takes no label as buddy: a screen reader has the caption as its name.
    alarmList_->setAccessibleName(caption);
    alarmList_->setGeometry(8, 56, 60, 144);
    alarmList_->setFont(QFont(dialogFace, 9));
    alarmList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The list is only 60 pixels wide: its own entries keep "hh:mm" whole with any
    // style's margins, and the most alarms there may be fit without a scroll bar.
    alarmList_->setUniformItemSizes(true);
    alarmList_->setItemDelegate(new CheckEntryDelegate(
        (alarmList_->height() - 2 * alarmList_->frameWidth()) / mostAlarms, alarmList_));
    alarmList_->setModel(entries_);
    connect(alarmList_, &QListView::clicked, this, &AlarmListWindow::showDetails);
    connect(alarmList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &AlarmListWindow::showDetails);
    // A check mark changed from the keyboard: Orca says nothing of a list entry's check.
    connect(entries_, &AlarmListModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex&, const QList<int>& roles) {
                if (roles == QList<int>{Qt::CheckStateRole}) {
                    const Alarm& alarm = entries_->alarm(first.row());
                    announce(alarm_file::timeText(alarm) + u' ' + AlarmListModel::onOrOff(alarm));
                }
            });
    // Every save rebuilds the copy from the file as written.
    connect(&model_, &ClockModel::alarmsChanged, this, [this] { entries_->takeSaved(model_.alarms()); });
    connect(&model_, &ClockModel::snoozeChanged, this, &AlarmListWindow::showDetails);

    addBar_ = addBar(this, artwork::caption::addAlarm, {344, 56}, "addButton");
    changeBar_ = addBar(this, artwork::caption::changeAlarm, {344, 84}, "changeButton");
    auto* deleteBar = addBar(this, artwork::caption::deleteAlarm, {344, 104}, "deleteButton");
    connect(addBar_, &HighlightBar::clicked, this, &AlarmListWindow::addAlarm);
    connect(changeBar_, &HighlightBar::clicked, this, &AlarmListWindow::changeAlarm);
    connect(deleteBar, &HighlightBar::clicked, this, &AlarmListWindow::deleteAlarm);

    ImageButton* saveButton = addImageButton(artwork::face::apply, {344, 163}, "saveButton");
    connect(saveButton, &ImageButton::clicked, this, [this, saveButton] {
        save(Dialogs::Notice::AlarmsSavedFromList);
        saveButton->setLook(ImageButton::Look::Normal);
        saveButton->setCursor(Qt::ArrowCursor);
    });
    addCloseButton(artwork::face::cancel, {408, 163});
}

int AlarmListWindow::currentRow() const
{
    const QModelIndex current = alarmList_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void AlarmListWindow::setCurrentRow(int row)
{
    alarmList_->setCurrentIndex(entries_->index(row));
}

void AlarmListWindow::showDetails()
{
    const int row = currentRow();
    if (row < 0) {
        for (QLabel* detail : {timeDetail_, displayDetail_, soundDetail_}) {
            detail->clear();
        }
        showElided(messageDetail_, QString());
        showElided(daysDetail_, QString());
        return;
    }
    const Alarm& alarm = entries_->alarm(row);
    timeDetail_->setText(alarm_file::timeText(alarm));
    displayDetail_->setText(alarm_file::displayText(alarm));
    showElided(messageDetail_, alarm.message);
    QString days = AlarmListModel::daysInWords(alarm.days);
    if (const std::optional<QTime> snoozed = model_.snoozedUntil(alarm)) {
        days += QStringLiteral("　スヌーズ ") + snoozed->toString(QStringLiteral("H:mm"));
    }
    showElided(daysDetail_, days);
    soundDetail_->setText(alarm_file::soundText(alarm));
}

void AlarmListWindow::showElided(QLabel* detail, const QString& text)
{
    const QString shown = detail->fontMetrics().elidedText(text, Qt::ElideRight, detail->width());
    detail->setText(shown);
    detail->setToolTip(shown == text ? QString() : text);
    detail->setAccessibleName(text);
}

void AlarmListWindow::addAlarm()
{
    // A file can hold more than ten (written by hand): the limit is said all the same.
    if (entries_->rowCount() >= mostAlarms) {
        questions_.showMessage(QStringLiteral("アラームは10個までです。"), QStringLiteral("設定エラー"));
        return;
    }
    openEditor(std::nullopt, addBar_);
}

void AlarmListWindow::changeAlarm()
{
    if (const int row = currentRow(); row >= 0) {
        openEditor(row, changeBar_);
    }
}

void AlarmListWindow::openEditor(std::optional<int> row, HighlightBar* bar)
{
    editedRow_ = row;
    const std::optional<Alarm> alarm = row ? std::optional<Alarm>(entries_->alarm(*row)) : std::nullopt;
    AlarmEditWindow* editor = dialogs_.openAlarmEdit(alarm);
    connect(editor, &AlarmEditWindow::accepted, this, &AlarmListWindow::applyEdit, Qt::UniqueConnection);
    bar->unlight();
}

void AlarmListWindow::deleteAlarm()
{
    const int current = currentRow();
    if (current < 0) {
        return;
    }
    // The list shows nothing of it but a missing line: a screen reader hears which.
    announce(
        QStringLiteral("%1 のアラームを削除しました").arg(alarm_file::timeText(entries_->alarm(current))));
    // Removing the current entry leaves the list without one, and the details empty.
    {
        const QSignalBlocker blocker(alarmList_->selectionModel());
        entries_->remove(current);
        setCurrentRow(-1);
    }
    showDetails();
}

void AlarmListWindow::applyEdit(const Alarm& alarm)
{
    int row = 0;
    if (editedRow_) {
        row = *editedRow_;
        entries_->replace(row, alarm);
    } else {
        row = entries_->append(alarm);
    }
    save(Dialogs::Notice::AlarmsSavedFromEditor);
    // The details always show the highlighted alarm: the one just added or changed.
    setCurrentRow(row);
    showDetails();
}

void AlarmListWindow::save(Dialogs::Notice notice)
{
    if (!model_.saveAlarms(entries_->alarms())) {
        return;
    }
    dialogs_.showMessage(QStringLiteral("アラームの設定を保存しました。"), notice);
}
