#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_window.h"
#include "ui/message_window.h"
#include "ui/settings_window.h"
#include "widgets/highlight_bar.h"
#include "widgets/image_button.h"
#include "widgets/toggle_chip.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray alarmLine(const QString& time, int enabled, const QString& sound = u"標準"_s,
                     const QString& display = u" 表示 "_s, const QString& message = u"時間になりました。"_s)
{
    return u"\"%1\",%2,\"%3\",\"%4\",\"%5\"\r\n"_s.arg(time)
        .arg(enabled)
        .arg(sound, display, message)
        .toUtf8();
}

QByteArray alarms(int count)
{
    QByteArray file;
    for (int i = 0; i < count; ++i) {
        file += alarmLine(u"%1:00"_s.arg(i, 2, 10, QLatin1Char('0')), 1);
    }
    return file;
}

class AlarmWindows : public ProgramTest
{
protected:
    void open(const QByteArray& file)
    {
        folder.write(u"alm.zdt"_s, file);
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(13, 5, 0)));
        ASSERT_TRUE(app.start());
        settings = dialogs.openSettings();
        clicks::click(child(settings, "alarmButton"));
        list = dialogs.find<AlarmListWindow>();
        ASSERT_NE(list, nullptr);
    }

    void press(HighlightBar* bar)
    {
        const QPoint at = bar->captionRect().center();
        clicks::moveTo(bar, at);
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    }

    QListView* entries() const { return child<QListView>(list, "alarmList"); }
    QModelIndex entry(int row) const { return entries()->model()->index(row, 0); }
    int entryCount() const { return entries()->model()->rowCount(); }
    QString entryText(int row) const { return entry(row).data().toString(); }
    bool isMarked(int row) const { return entry(row).data(Qt::CheckStateRole) == Qt::Checked; }
    void unmark(int row) const { entries()->model()->setData(entry(row), Qt::Unchecked, Qt::CheckStateRole); }
    int currentRow() const
    {
        return entries()->currentIndex().isValid() ? entries()->currentIndex().row() : -1;
    }
    QString detail(const char* name) const { return child<QLabel>(list, name)->text(); }
    HighlightBar* bar(const char* name) const { return child<HighlightBar>(list, name); }
    ImageButton* button(const char* name) const { return child<ImageButton>(list, name); }

    void select(int row)
    {
        entries()->setCurrentIndex(entry(row));
        emit entries()->clicked(entry(row));
    }

    void closeMessage()
    {
        MessageWindow* message = dialogs.find<MessageWindow>();
        ASSERT_NE(message, nullptr);
        clicks::click(child(message, "closeButton"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The edit window and its parts.
    AlarmEditWindow* edit() const { return dialogs.find<AlarmEditWindow>(); }
    QString editText(const char* name) const { return child<QLabel>(edit(), name)->text(); }
    QLineEdit* editField(const char* name) const { return child<QLineEdit>(edit(), name); }
    QCheckBox* showMessageBox() const { return child<QCheckBox>(edit(), "showMessage"); }
    HighlightBar* editBar(const char* name) const { return child<HighlightBar>(edit(), name); }
    void clickEdit(const char* name) const { clicks::click(child(edit(), name)); }

    QString file() const { return QString::fromUtf8(folder.read(u"alm.zdt"_s)); }

    SettingsWindow* settings = nullptr;
    AlarmListWindow* list = nullptr;
};

TEST_F(AlarmWindows, ListShowsTheAlarmsWithTheirMarks)
{
    open(alarmLine(u"07:30"_s, 1) + alarmLine(u"08:00"_s, 0) +
         alarmLine(u"09:00"_s, 1).replace(",1,", ",\"x\","));
    EXPECT_FALSE(settings->isEnabled());
    ASSERT_EQ(entryCount(), 3);
    EXPECT_EQ(entryText(0), u"07:30"_s);
    EXPECT_TRUE(isMarked(0));
    EXPECT_FALSE(isMarked(1));
    EXPECT_FALSE(isMarked(2));
    EXPECT_TRUE(detail("timeDetail").isEmpty());
    EXPECT_EQ(entries()->geometry(), QRect(8, 56, 60, 144));
}

TEST_F(AlarmWindows, ClickingAnEntryShowsItsDetails)
{
    open(alarmLine(u"07:30"_s, 1, u"/snd/bell.wav"_s, u"非表示"_s, u"起きて"_s) + alarmLine(u"08:00"_s, 1));
    select(0);
    EXPECT_EQ(detail("timeDetail"), u"07:30"_s);
    EXPECT_EQ(detail("displayDetail"), u"非表示"_s);
    EXPECT_EQ(detail("messageDetail"), u"起きて"_s);
    EXPECT_EQ(detail("soundDetail"), u"/snd/bell.wav"_s);
}

TEST_F(AlarmWindows, AMessageTooLongForItsLineEndsInAnEllipsisAndIsWholeInItsTooltip)
{
    const QString shortMessage = u"起きて"_s;
    const QString longMessage = u"10時から会議室Bで定例ミーティングです。資料を忘れずに"_s.repeated(2);
    open(alarmLine(u"07:30"_s, 1, u"標準"_s, u" 表示 "_s, shortMessage) +
         alarmLine(u"08:00"_s, 1, u"標準"_s, u" 表示 "_s, longMessage));
    auto* label = child<QLabel>(list, "messageDetail");
    for (const auto& [row, message, cut] :
         {std::tuple{1, longMessage, true}, std::tuple{0, shortMessage, false}}) {
        select(row);
        EXPECT_EQ(label->text().endsWith(u'…'), cut) << label->text().toStdString();
        EXPECT_TRUE(message.startsWith(label->text().chopped(cut ? 1 : 0))) << label->text().toStdString();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        EXPECT_EQ(label->toolTip(), cut ? message : QString());
        EXPECT_EQ(label->accessibleName(), message);
    }
}

TEST_F(AlarmWindows, TenAlarmsAreTheLimit)
{
    struct Case
    {
        int count;
        bool message;
        bool editWindow;
    };
    for (const Case& c : {Case{9, false, true}, Case{10, true, false}, Case{11, true, false}}) {
        TempProgramFolder folder;
        folder.write(u"alm.zdt"_s, alarms(c.count));
        FakeDesktop desktop(folder.path());
        Application app(desktop.parts());
        ASSERT_TRUE(app.start());
        clicks::click(child(app.dialogs().openSettings(), "alarmButton"));
        AlarmListWindow* list = app.dialogs().find<AlarmListWindow>();
        press(child<HighlightBar>(list, "addButton"));
        ASSERT_EQ(desktop.questions.messages.size(), c.message ? 1u : 0u) << c.count;
        if (c.message) {
            EXPECT_EQ(desktop.questions.messages[0].text, u"アラームは10個までです。"_s);
            EXPECT_EQ(desktop.questions.messages[0].caption, u"設定エラー"_s);
        }
        EXPECT_EQ(app.dialogs().find<AlarmEditWindow>() != nullptr, c.editWindow) << c.count;
        EXPECT_EQ(list->isEnabled(), !c.editWindow) << c.count;
    }
}

// Every time in the 60-pixel list stays whole, with any style there is, with one alarm
// and with the most there may be: no scroll bar takes its room, and no text reaches the
// list's right edge, where it would be cut.
TEST_F(AlarmWindows, EveryTimeInTheListStaysWhole)
{
    const QString ownStyle = QApplication::style()->name();
    for (const QString& style : QStyleFactory::keys()) {
        QApplication::setStyle(style);
        for (const int count : {1, AlarmListWindow::mostAlarms}) {
            TempProgramFolder folder;
            folder.write(u"alm.zdt"_s, alarms(count));
            FakeDesktop desktop(folder.path());
            Application app(desktop.parts());
            ASSERT_TRUE(app.start());
            clicks::click(child(app.dialogs().openSettings(), "alarmButton"));
            auto* list = child<QListView>(app.dialogs().find<AlarmListWindow>(), "alarmList");
            QCoreApplication::processEvents();
            EXPECT_FALSE(list->verticalScrollBar()->isVisible()) << style.toStdString() << ' ' << count;
            const QImage shot = list->viewport()->grab().toImage();
            const QColor base = list->palette().color(QPalette::Base);
            const auto inked = [&](int x, int y) {
                const QColor pixel = shot.pixelColor(QPoint(x, y) * shot.devicePixelRatio());
                return std::abs(pixel.red() - base.red()) + std::abs(pixel.green() - base.green()) +
                           std::abs(pixel.blue() - base.blue()) >
                       150;
            };
            const int width = list->viewport()->width();
            for (int row = 0; row < count; ++row) {
                const QRect entry = list->visualRect(list->model()->index(row, 0));
                // Inside the focus frame some styles draw around the whole entry.
                int rightmostInk = -1;
                for (int y = entry.top() + 1; y < entry.bottom(); ++y) {
                    for (int x = 0; x < width - 1; ++x) {
                        rightmostInk = inked(x, y) ? std::max(rightmostInk, x) : rightmostInk;
                    }
                }
                EXPECT_GE(rightmostInk, 0) << style.toStdString() << " row " << row << ": nothing drawn";
                EXPECT_LT(rightmostInk, width - 2)
                    << style.toStdString() << " row " << row << " of " << count;
            }
        }
    }
    QApplication::setStyle(ownStyle);
}

TEST_F(AlarmWindows, UnmarkingThenClosingKeepsTheAlarm)
{
    open(alarmLine(u"07:30"_s, 1));
    const QString before = file();
    unmark(0);
    clicks::click(button("closeButton"));
    EXPECT_EQ(file(), before);
    EXPECT_TRUE(model.alarms()[0].enabled);
    EXPECT_TRUE(settings->isEnabled());
}

// The mark answers a click on it, the time beside it only selects.
TEST_F(AlarmWindows, AClickOnTheMarkSwitchesIt)
{
    open(alarmLine(u"07:30"_s, 1));
    list->show();
    QWidget* viewport = entries()->viewport();
    const QRect entryRect = entries()->visualRect(entry(0));
    const QPoint mark(entryRect.left() + 6, entryRect.center().y());
    const QPoint time(entryRect.left() + 30, entryRect.center().y());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, time);
    EXPECT_TRUE(isMarked(0));
    EXPECT_EQ(currentRow(), 0);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, mark);
    EXPECT_FALSE(isMarked(0));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, mark);
    EXPECT_TRUE(isMarked(0));
}

TEST_F(AlarmWindows, UnmarkingThenSavingDisablesTheAlarmAndTheBell)
{
    open(alarmLine(u"07:30"_s, 1, u"/snd/bell.wav"_s));
    ASSERT_TRUE(model.bellShown());
    unmark(0);
    clicks::click(button("saveButton"));

    EXPECT_EQ(file(), QString::fromUtf8(alarmLine(u"07:30"_s, 0, u"/snd/bell.wav"_s)));
    EXPECT_FALSE(model.alarms()[0].enabled);
    EXPECT_FALSE(model.bellShown());
    ASSERT_NE(dialogs.find<MessageWindow>(), nullptr);
    EXPECT_EQ(dialogs.find<MessageWindow>()->text(), u"アラームの設定を保存しました。"_s);
    EXPECT_FALSE(list->isEnabled());
    closeMessage();
    EXPECT_TRUE(list->isEnabled());
    EXPECT_FALSE(clock.isEnabled()); // the settings window is still open
}

TEST_F(AlarmWindows, DeletingTheOnlyAlarmThenSavingEmptiesTheFile)
{
    open(alarmLine(u"07:30"_s, 1));
    select(0);
    press(bar("deleteButton"));
    EXPECT_EQ(entryCount(), 0);
    clicks::click(button("saveButton"));
    EXPECT_EQ(folder.read(u"alm.zdt"_s), "");
    EXPECT_TRUE(model.alarms().empty());
    EXPECT_FALSE(model.bellShown());
}

TEST_F(AlarmWindows, DeletingNeedsACurrentEntry)
{
    open(alarmLine(u"07:30"_s, 1) + alarmLine(u"08:00"_s, 1));
    press(bar("deleteButton"));
    EXPECT_EQ(entryCount(), 2);
    select(1);
    press(bar("deleteButton"));
    EXPECT_EQ(entryCount(), 1);
    press(bar("deleteButton")); // nothing is current after a delete
    EXPECT_EQ(entryCount(), 1);
    press(bar("changeButton"));
    EXPECT_EQ(edit(), nullptr);
    select(0);
    EXPECT_EQ(detail("timeDetail"), u"07:30"_s);
}

TEST_F(AlarmWindows, AddingOpensTheEditWindowAtTheCurrentTimeAndSavesAtOnce)
{
    open(alarmLine(u"07:30"_s, 0));
    press(bar("addButton"));
    ASSERT_NE(edit(), nullptr);
    EXPECT_EQ(edit()->size(), QSize(352, 270));
    EXPECT_EQ(editText("hour"), u"13"_s);
    EXPECT_EQ(editText("minute"), u"05"_s);
    EXPECT_EQ(editField("messageField")->text(), u"時間になりました。"_s);
    EXPECT_TRUE(showMessageBox()->isChecked());
    EXPECT_EQ(editField("soundField")->text(), u"標準"_s);
    EXPECT_FALSE(list->isEnabled());

    press(editBar("hourUp"));
    press(editBar("minuteDown"));
    clickEdit("applyButton");

    EXPECT_EQ(file(), QString::fromUtf8(alarmLine(u"07:30"_s, 0) + alarmLine(u"14:04"_s, 1)));
    EXPECT_EQ(model.alarms().size(), 2u);
    EXPECT_TRUE(model.bellShown());
    EXPECT_EQ(entryText(1), u"14:04   表示 "_s);
    EXPECT_TRUE(isMarked(1));
    EXPECT_EQ(detail("timeDetail"), u"14:04"_s);
    EXPECT_TRUE(list->isEnabled()); // while the confirmation is still open
    EXPECT_EQ(dialogs.find<MessageWindow>()->text(), u"アラームの設定を保存しました。"_s);

    // Closing the list afterwards does not undo the addition.
    clicks::click(button("closeButton"));
    EXPECT_EQ(model.alarms().size(), 2u);
}

// The days are chosen in the edit window's row; the list says them in words, and they
// stay with their alarm when another is deleted.
TEST_F(AlarmWindows, TheDaysAreChosenInTheRowAndFollowTheirAlarm)
{
    open(alarmLine(u"07:30"_s, 1) + alarmLine(u"08:00"_s, 1));
    struct Case
    {
        std::vector<const char*> clicks; // after 毎日
        QString words;
        const char* chipsOn; // day0..day6, everyDay, workdays, once
    };
    const std::vector<Case> cases = {
        {{}, u"毎日"_s, "1111111100"},
        {{"workdays"}, u"平日"_s, "0111110010"},
        {{"day0", "day6"}, u"平日"_s, "0111110010"},
        {{"workdays", "day2", "day4"}, u"月・水・金"_s, "0101010000"},
        {{"workdays", "day1", "day2", "day3", "day4", "day5"}, u"金"_s, "0000010000"},
        {{"once"}, u"一度だけ"_s, "0000000001"},
        {{"once", "day3"}, u"水"_s, "0001000000"},
        {{"workdays", "once", "once"}, u"平日"_s, "0111110010"},
    };
    const char* chips[] = {"day0", "day1", "day2",     "day3",     "day4",
                           "day5", "day6", "everyDay", "workdays", "once"};
    for (const Case& c : cases) {
        select(1);
        press(bar("changeButton"));
        ASSERT_NE(edit(), nullptr);
        clickEdit("everyDay");
        for (const char* chip : c.clicks) {
            clickEdit(chip);
        }
        QString on;
        for (const char* chip : chips) {
            on += child<ToggleChip>(edit(), chip)->isChecked() ? u'1' : u'0';
        }
        EXPECT_EQ(on, QString::fromLatin1(c.chipsOn)) << c.words.toStdString();
        clickEdit("applyButton");
        closeMessage();
        EXPECT_EQ(detail("daysDetail"), c.words);
    }

    select(0);
    press(bar("deleteButton"));
    clicks::click(button("saveButton"));
    closeMessage();
    ASSERT_EQ(model.alarms().size(), 1u);
    EXPECT_EQ(model.alarms()[0].days, (AlarmDays{.weekdays = AlarmDays::workdays}));
    EXPECT_EQ(file(), QString::fromUtf8(alarmLine(u"08:00"_s, 1)));
    select(0);
    press(bar("changeButton"));
    EXPECT_TRUE(child<ToggleChip>(edit(), "workdays")->isChecked());
}

TEST_F(AlarmWindows, TheDetailsAlwaysShowTheHighlightedAlarm)
{
    open(alarmLine(u"07:30"_s, 1) + alarmLine(u"07:32"_s, 1));
    select(1);
    press(bar("addButton")); // 13:05, the current time
    clickEdit("applyButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(currentRow(), 2);
    EXPECT_EQ(detail("timeDetail"), u"13:05"_s);

    press(bar("changeButton")); // opens the highlighted alarm
    ASSERT_NE(edit(), nullptr);
    EXPECT_EQ(editText("hour"), u"13"_s);
    clickEdit("cancelButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    select(0);
    press(bar("deleteButton"));
    EXPECT_EQ(currentRow(), -1);
    for (const char* name : {"timeDetail", "displayDetail", "messageDetail", "soundDetail"}) {
        EXPECT_TRUE(detail(name).isEmpty()) << name;
    }
}

struct MessageChoice
{
    const char* name;
    const char* stored;  // display flag in the file
    bool untick;         // the user unticks the message box
    bool tickedOnOpen;   // how the edit window shows it
    const char* written; // display flag after 適用

    friend void PrintTo(const MessageChoice& c, std::ostream* os) { *os << c.name; }
};

class ChangingAnAlarm : public AlarmWindows, public ::testing::WithParamInterface<MessageChoice>
{};

TEST_P(ChangingAnAlarm, StoresItEnabledWithItsMessageChoice)
{
    const MessageChoice& c = GetParam();
    const QString written = QString::fromUtf8(c.written);
    open(alarmLine(u"07:30"_s, 0, u"標準"_s, QString::fromUtf8(c.stored), u"起きて"_s));
    select(0);
    press(bar("changeButton"));
    ASSERT_NE(edit(), nullptr);
    EXPECT_EQ(editText("hour"), u"07"_s);
    EXPECT_EQ(editText("minute"), u"30"_s);
    EXPECT_EQ(editField("messageField")->text(), u"起きて"_s);
    EXPECT_EQ(showMessageBox()->isChecked(), c.tickedOnOpen);
    EXPECT_EQ(editField("messageField")->isEnabled(), c.tickedOnOpen);

    if (c.untick) {
        showMessageBox()->setChecked(false);
        EXPECT_FALSE(editField("messageField")->isEnabled());
    }
    clickEdit("applyButton");

    EXPECT_EQ(file(), QString::fromUtf8(alarmLine(u"07:30"_s, 1, u"標準"_s, written, u"起きて"_s)));
    EXPECT_EQ(entryText(0), u"07:30  "_s + written);
    EXPECT_EQ(detail("displayDetail"), written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangingAnAlarm,
    ::testing::Values(MessageChoice{"UntickingSwitchesTheMessageOff", " 表示 ", true, true, "非表示"},
                      MessageChoice{"AMessageSwitchedOffStaysOff", "非表示", false, false, "非表示"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AlarmWindows, ClosingAnEarlierConfirmationLeavesTheListWaitingForItsEditWindow)
{
    open(alarmLine(u"07:30"_s, 1));
    press(bar("addButton"));
    clicks::click(child(edit(), "applyButton"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(dialogs.find<MessageWindow>(), nullptr); // the confirmation stays open
    ASSERT_TRUE(list->isEnabled());

    press(bar("addButton")); // a second edit while the confirmation is still up
    ASSERT_NE(edit(), nullptr);
    ASSERT_FALSE(list->isEnabled());
    closeMessage();
    EXPECT_FALSE(list->isEnabled());
    EXPECT_FALSE(settings->isEnabled());
    EXPECT_FALSE(clock.isEnabled());

    clicks::click(child(edit(), "cancelButton"));
    EXPECT_TRUE(list->isEnabled());
}

TEST_F(AlarmWindows, AWaveFileShowsShortenedWhileItsFullPathIsStored)
{
    open(QByteArray());
    press(bar("addButton"));
    const QString longPath =
        u"/home/someone/very/long/folder/names/that/go/on/and/on/for/ever/and/ever/alarm.wav"_s;
    desktop.questions.fileChoices = {longPath, QString()};

    press(editBar("chooseWave"));
    ASSERT_EQ(desktop.questions.fileDialogs.size(), 1);
    EXPECT_EQ(desktop.questions.fileDialogs[0], u"ファイルを開く|wavファイル(*.wav,*.WAV) (*.wav *.WAV)"_s);
    EXPECT_NE(editField("soundField")->text(), longPath);
    EXPECT_TRUE(editField("soundField")->text().contains(u'…'));
    EXPECT_TRUE(editField("soundField")->text().endsWith(u"alarm.wav"_s));
    EXPECT_LE(QFontMetrics(edit()->font()).horizontalAdvance(editField("soundField")->text()),
              AlarmEditWindow::pathWidth);

    press(editBar("chooseWave")); // cancelled: the chosen file stays
    // The second chooser opens where the chosen file is.
    EXPECT_EQ(desktop.questions.fileDialogStarts, (QStringList{QString(), longPath}));

    clickEdit("applyButton");
    EXPECT_EQ(model.alarms()[0].waveFile, longPath);

    // A path the file format cannot hold as it is comes back with a full-width quote.
    select(0);
    press(bar("changeButton"));
    desktop.questions.fileChoices = {u"/snd/\"x\".wav"_s};
    press(editBar("chooseWave"));
    clicks::click(child(edit(), "applyButton"));
    EXPECT_EQ(model.alarms()[0].waveFile, u"/snd/＂x＂.wav"_s);
    select(0);
    EXPECT_EQ(detail("soundDetail"), u"/snd/＂x＂.wav"_s);

    // Back to the standard sound.
    press(bar("changeButton"));
    press(editBar("standardSound"));
    EXPECT_EQ(editField("soundField")->text(), u"標準"_s);
    clickEdit("applyButton");
    EXPECT_EQ(model.alarms()[0].waveFile, std::nullopt);
}

TEST_F(AlarmWindows, CancellingTheFirstFileDialogKeepsTheStandardSound)
{
    open(QByteArray());
    press(bar("addButton"));
    press(editBar("chooseWave"));
    EXPECT_EQ(editField("soundField")->text(), u"標準"_s);
    clickEdit("applyButton");
    EXPECT_EQ(model.alarms()[0].waveFile, std::nullopt);
}

TEST_F(AlarmWindows, AFileThatCannotBePlayedIsRefusedAndTheSoundBeforeStays)
{
    open(alarmLine(u"07:30"_s, 1, u"/snd/bell.wav"_s));
    select(0);
    press(bar("changeButton"));
    const QString text = u"/home/someone/メモ.wav"_s;
    desktop.sound.unplayableWaves.insert(text, WaveProblem::NotWave);
    desktop.questions.fileChoices = {text};

    press(editBar("chooseWave"));
    ASSERT_EQ(desktop.questions.messages.size(), 1u);
    EXPECT_EQ(desktop.questions.messages[0].caption, u"設定エラー"_s);
    EXPECT_TRUE(desktop.questions.messages[0].text.contains(QDir::toNativeSeparators(text)));
    EXPECT_TRUE(desktop.questions.messages[0].text.contains(u"wavファイルではありません。"_s));
    EXPECT_EQ(editField("soundField")->text(), u"/snd/bell.wav"_s);
    clickEdit("applyButton");
    EXPECT_EQ(model.alarms()[0].waveFile, u"/snd/bell.wav"_s);
}

TEST_F(AlarmWindows, HoldingAStepperRepeatsEveryTickAndOnceMoreOnRelease)
{
    open(QByteArray());
    press(bar("addButton"));
    HighlightBar* hourUp = editBar("hourUp");
    QTimer* repeat = child<QTimer>(edit(), "repeatTimer");
    // The window's own timer ticks, without waiting for it.
    const auto tick = [repeat] {
        QMetaObject::invokeMethod(repeat, "timeout");
    };
    const QPoint at = hourUp->captionRect().center();
    QTest::mousePress(hourUp, Qt::LeftButton, {}, at);
    EXPECT_TRUE(repeat->isActive());
    EXPECT_EQ(repeat->interval(), 100);
    for (int n = 0; n < 10; ++n) { // one second held
        tick();
    }
    QTest::mouseRelease(hourUp, Qt::LeftButton, {}, at);
    EXPECT_EQ(editText("hour"), u"00"_s); // 13 + 11 wraps past 23
    tick();
    EXPECT_FALSE(repeat->isActive());

    // Letting go off the bar stops the repeat without a last step.
    HighlightBar* minuteUp = editBar("minuteUp");
    QTest::mousePress(minuteUp, Qt::LeftButton, {}, at);
    tick();
    QTest::mouseRelease(minuteUp, Qt::LeftButton, {}, QPoint(200, 5));
    tick();
    EXPECT_EQ(editText("minute"), u"06"_s);
    EXPECT_FALSE(repeat->isActive());
}

TEST_F(AlarmWindows, ClosingTheEditWindowChangesNothing)
{
    open(alarmLine(u"07:30"_s, 1));
    const QString before = file();
    press(bar("addButton"));
    clicks::click(child(edit(), "cancelButton"));
    EXPECT_EQ(file(), before);
    EXPECT_TRUE(list->isEnabled());
    EXPECT_EQ(entryCount(), 1);
}

} // namespace
