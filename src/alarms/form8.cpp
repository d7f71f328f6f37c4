#include "alarms/form8.h"

#include "alarms/alarm_file.h"
#include "alarms/form4.h"
#include "alarms/form5.h"
#include "clock/form1.h"
#include "platform/platform.h"
#include "settings_ui/form3.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/label_style.h"
#include "widgets/line_pair.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>

namespace {

constexpr ColourRef headingColour = 0x00F19B72;
constexpr ColourRef textColour = 0x00E0E0E0;

HighlightBar* addBar(QWidget* parent, const QString& caption, QPoint at)
{
    auto* bar = new HighlightBar(caption, parent);
    bar->move(at);
    return bar;
}

} // namespace

Form8* Form8::open(Form1& form1, const Form3& form3)
{
    if (Form8* open = form1.windows.form8) {
        open->raise();
        return open;
    }
    auto* window = new Form8(form1);
    form1.windows.form8 = window;
    window->showCentred(&form3);
    return window;
}

Form8::Form8(Form1& form1) : PictureDialog(QStringLiteral("Form8"), QStringLiteral("アラーム")), form1_(form1)
{
    addLabel(this, QStringLiteral("設定アラーム一覧"), {8, 37, 120, 14}, textColour);
    addLabel(this, QStringLiteral("アラーム設定内容"), {72, 56, 110, 14}, textColour);
    addLabel(this, QStringLiteral("設定時刻"), {72, 72, 60, 14}, headingColour);
    addLabel(this, QStringLiteral("メッセージの表示"), {184, 72, 110, 14}, headingColour);
    addLabel(this, QStringLiteral("メッセージ内容"), {72, 96, 100, 14}, headingColour);
    addLabel(this, QStringLiteral("アラーム音色"), {72, 136, 100, 14}, headingColour);
    SetTime = addLabel(this, QString(), {136, 72, 53, 17}, textColour);
    SetMesP = addLabel(this, QString(), {296, 72, 57, 17}, textColour);
    SetMes = addLabel(this, QString(), {75, 112, 258, 18}, textColour);
    SetMsc = addLabel(this, QString(), {75, 152, 258, 49}, textColour);
    SetMsc->setWordWrap(true);
    addEngravedLine(this, QPoint(176, 60), QPoint(328, 60));

    List1 = new QListWidget(this);
    List1->setGeometry(8, 56, 60, 144);
    List1->setFont(QFont(dialogFace, 9));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The list is only 60 pixels wide: tight marks and margins keep "hh:mm" whole.
    List1->setTextElideMode(Qt::ElideNone);
    List1->setStyleSheet(QStringLiteral("QListWidget { padding: 0px; }"
                                        "QListWidget::item { padding: 0px; margin: 0px; }"
                                        "QListWidget::indicator { width: 11px; height: 11px; }"));
    for (const AlarmRecord& alarm : form1_.alarms) {
        addEntry(alarm, alarm.time, !alarm.time.isEmpty() && alarm.enabled == alarm_text::enabledOn);
    }
    List1->setCurrentRow(-1);
    connect(List1, &QListWidget::itemClicked, this, &Form8::listClicked);
    connect(List1, &QListWidget::currentRowChanged, this, &Form8::listClicked);

    AlmPlus = addBar(this, QStringLiteral("AlmPlus"), {344, 56});
    SetHen = addBar(this, QStringLiteral("SetHen"), {344, 84});
    BtnAlmDel = addBar(this, QStringLiteral("BtnAlmDel"), {344, 104});
    connect(AlmPlus, &HighlightBar::released, this, &Form8::addAlarm);
    connect(SetHen, &HighlightBar::released, this, &Form8::changeAlarm);
    connect(BtnAlmDel, &HighlightBar::released, this, &Form8::deleteAlarm);

    BtnAl = new ImageButton(ButtonFace::load(QStringLiteral("Apply")), BtnDown, this);
    BtnAl->move(344, 163);
    connect(BtnAl, &ImageButton::released, this, [this] {
        AlmSaveTeki();
        BtnDown = 0;
        BtnAl->setLook(ImageButton::Look::Normal);
        BtnAl->setCursor(Qt::ArrowCursor);
    });
    BtnCl = new ImageButton(ButtonFace::load(QStringLiteral("Cancel")), BtnDown, this);
    BtnCl->move(408, 163);
    connect(BtnCl, &ImageButton::released, this, [this] {
        BtnDown = 0;
        close();
    });
}

bool Form8::isMarked(int index) const
{
    return List1->item(index)->checkState() == Qt::Checked;
}

int Form8::entryCount() const
{
    return List1->count();
}

void Form8::listClicked()
{
    LstIdx = List1->currentRow();
    showDetails(LstIdx);
}

void Form8::showDetails(int index)
{
    const bool valid = index >= 0 && index < int(copy_.size());
    const AlarmRecord none;
    const AlarmRecord& alarm = valid ? copy_[std::size_t(index)] : none;
    SetTime->setText(alarm.time);
    SetMesP->setText(alarm.display);
    SetMes->setText(alarm.message);
    SetMsc->setText(alarm.sound);
}

void Form8::addAlarm()
{
    if (List1->count() > 9) {
        if (List1->count() == 10) {
            form1_.platform().showMessage(QStringLiteral("アラームは10個までです。"),
                                          QStringLiteral("設定エラー"));
        }
        return;
    }
    openEditWindow(0, AlmPlus);
}

void Form8::changeAlarm()
{
    if (List1->currentRow() >= 0) {
        openEditWindow(1, SetHen);
    }
}

void Form8::openEditWindow(int mode, HighlightBar* bar)
{
    setEnabled(false);
    SetPlpty = mode;
    Form5::open(form1_, *this);
    bar->unlight();
}

void Form8::deleteAlarm()
{
    const int current = List1->currentRow();
    if (current < 0) {
        return;
    }
    // Removing the current entry leaves the list without one; the detail labels keep
    // showing the deleted alarm until another entry is clicked.
    const QSignalBlocker blocker(List1);
    delete List1->takeItem(current);
    copy_.erase(copy_.begin() + current);
    List1->setCurrentRow(-1);
}

void Form8::appendAlarm(const AlarmRecord& alarm, const QString& listText)
{
    addEntry(alarm, listText, true);
}

void Form8::addEntry(const AlarmRecord& alarm, const QString& listText, bool marked)
{
    auto* item = new QListWidgetItem(listText, List1);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
    copy_.push_back(alarm);
}

void Form8::replaceAlarm(int index, const AlarmRecord& alarm, const QString& listText)
{
    QListWidgetItem* item = List1->item(index);
    item->setText(listText);
    item->setCheckState(Qt::Checked);
    copy_[std::size_t(index)] = alarm;
}

void Form8::AlmSaveTeki()
{
    AlarmTable table = copy_;
    for (int i = 0; i < int(table.size()); ++i) {
        table[std::size_t(i)].enabled = isMarked(i) ? alarm_text::enabledOn : alarm_text::enabledOff;
    }
    const QString path = form1_.alarmFilePath();
    if (!alarm_file::save(path, table, form1_.platform())) {
        return;
    }
    // Both tables are rebuilt from the file as written.
    QFile file(path);
    const AlarmTable saved =
        file.open(QIODevice::ReadOnly) ? alarm_file::parseSaved(alarm_file::decode(file.readAll())) : table;
    form1_.alarms = saved;
    copy_ = saved;
    form1_.Suzu();

    Fm8Show = QStringLiteral("0");
    Form4::showMessage(form1_, QStringLiteral("アラームの設定を保存しました。"));
    form1_.platform().beep();
    setEnabled(false);
}

void Form8::closeEvent(QCloseEvent* event)
{
    PictureDialog::closeEvent(event);
    if (event->isAccepted()) {
        if (Form3* settings = form1_.windows.form3) {
            settings->setEnabled(true);
        }
    }
}
