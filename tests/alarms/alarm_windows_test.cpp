#include "alarms/form4.h"
#include "alarms/form5.h"
#include "alarms/form8.h"
#include "alarms/time_step.h"
#include "clock/form1.h"
#include "settings_ui/form3.h"
#include "support/clicks.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"
#include "widgets/highlight_bar.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

TEST(TimeStep, WrapsAndKeepsTwoDigits)
{
    struct Case
    {
        TimeStep step;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {TimeStep::HourUp, "23", "00"},     {TimeStep::HourUp, "08", "09"},
        {TimeStep::HourUp, "09", "10"},     {TimeStep::HourUp, "00", "01"},
        {TimeStep::HourDown, "00", "23"},   {TimeStep::HourDown, "10", "09"},
        {TimeStep::HourDown, "11", "10"},   {TimeStep::HourDown, "01", "00"},
        {TimeStep::MinuteUp, "59", "00"},   {TimeStep::MinuteUp, "58", "59"},
        {TimeStep::MinuteUp, "08", "09"},   {TimeStep::MinuteUp, "09", "10"},
        {TimeStep::MinuteDown, "00", "59"}, {TimeStep::MinuteDown, "10", "09"},
        {TimeStep::MinuteDown, "30", "29"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stepTime(c.step, QString::fromLatin1(c.from)), QString::fromLatin1(c.to))
            << int(c.step) << " from " << c.from;
    }
}

class AlarmWindows : public ::testing::Test
{
protected:
    void open(const QByteArray& file)
    {
        folder.write(u"alm.zdt"_s, file);
        platform.setNow(QDateTime(QDate(2024, 5, 17), QTime(13, 5, 0)));
        ASSERT_TRUE(clock.start());
        clock.setEnabled(false);
        clock.Fm3Show = 1;
        form3 = Form3::open(clock);
        clicks::click(form3->BtnSet2_a);
        list = clock.windows.form8;
        ASSERT_NE(list, nullptr);
    }

    void TearDown() override
    {
        delete clock.windows.form5.data();
        delete clock.windows.form8.data();
        delete clock.windows.form4.data();
        delete clock.windows.form3.data();
    }

    void press(HighlightBar* bar)
    {
        const QPoint at = bar->captionRect().center();
        clicks::moveTo(bar, at);
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    }

    void select(int row)
    {
        QListWidgetItem* item = list->List1->item(row);
        list->List1->setCurrentItem(item);
        emit list->List1->itemClicked(item);
    }

    void closeMessage()
    {
        Form4* message = clock.windows.form4;
        ASSERT_NE(message, nullptr);
        clicks::click(message->closeButton());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString file() const { return QString::fromUtf8(folder.read(u"alm.zdt"_s)); }

    TempProgramFolder folder;
    FakePlatform platform{folder.path()};
    Form1 clock{platform};
    Form3* form3 = nullptr;
    Form8* list = nullptr;
};

TEST_F(AlarmWindows, ListShowsTheAlarmsWithTheirMarks)
{
    open(alarmLine(u"07:30"_s, 1) + alarmLine(u"08:00"_s, 0) +
         alarmLine(u"09:00"_s, 1).replace(",1,", ",\"x\","));
    EXPECT_FALSE(form3->isEnabled());
    ASSERT_EQ(list->entryCount(), 3);
    EXPECT_EQ(list->List1->item(0)->text(), u"07:30"_s);
    EXPECT_TRUE(list->isMarked(0));
    EXPECT_FALSE(list->isMarked(1));
    EXPECT_FALSE(list->isMarked(2));
    EXPECT_TRUE(list->SetTime->text().isEmpty());
    EXPECT_EQ(list->List1->geometry(), QRect(8, 56, 60, 144));
}

TEST_F(AlarmWindows, ClickingAnEntryShowsItsDetails)
{
    open(alarmLine(u"07:30"_s, 1, u"/snd/bell.wav"_s, u"非表示"_s, u"起きて"_s) + alarmLine(u"08:00"_s, 1));
    select(0);
    EXPECT_EQ(list->LstIdx, 0);
    EXPECT_EQ(list->SetTime->text(), u"07:30"_s);
    EXPECT_EQ(list->SetMesP->text(), u"非表示"_s);
    EXPECT_EQ(list->SetMes->text(), u"起きて"_s);
    EXPECT_EQ(list->SetMsc->text(), u"/snd/bell.wav"_s);
}

TEST_F(AlarmWindows, TenAlarmsAreTheLimit)
{
    struct Case
    {
        int count;
        bool message;
        bool editWindow;
    };
    for (const Case& c : {Case{9, false, true}, Case{10, true, false}, Case{11, false, false}}) {
        TempProgramFolder folder;
        folder.write(u"alm.zdt"_s, alarms(c.count));
        FakePlatform platform(folder.path());
        Form1 clock(platform);
        ASSERT_TRUE(clock.start());
        Form3* settings = Form3::open(clock);
        clicks::click(settings->BtnSet2_a);
        Form8* list = clock.windows.form8;
        press(list->AlmPlus);
        ASSERT_EQ(platform.messages.size(), c.message ? 1u : 0u) << c.count;
        if (c.message) {
            EXPECT_EQ(platform.messages[0].text, u"アラームは10個までです。"_s);
            EXPECT_EQ(platform.messages[0].caption, u"設定エラー"_s);
        }
        EXPECT_EQ(clock.windows.form5 != nullptr, c.editWindow) << c.count;
        EXPECT_EQ(list->isEnabled(), !c.editWindow) << c.count;
        delete clock.windows.form5.data();
        delete list;
        delete settings;
    }
}

TEST_F(AlarmWindows, UnmarkingThenClosingKeepsTheAlarm)
{
    open(alarmLine(u"07:30"_s, 1));
    const QString before = file();
    list->List1->item(0)->setCheckState(Qt::Unchecked);
    clicks::click(list->BtnCl);
    EXPECT_EQ(file(), before);
    EXPECT_EQ(clock.alarms[0].enabled, u"1"_s);
    EXPECT_TRUE(form3->isEnabled());
}

TEST_F(AlarmWindows, UnmarkingThenSavingDisablesTheAlarmAndTheBell)
{
    open(alarmLine(u"07:30"_s, 1, u"/snd/bell.wav"_s));
    ASSERT_EQ(clock.SuzuOn, 1);
    list->List1->item(0)->setCheckState(Qt::Unchecked);
    clicks::click(list->BtnAl);

    EXPECT_EQ(file(), QString::fromUtf8(alarmLine(u"07:30"_s, 0, u"/snd/bell.wav"_s)));
    EXPECT_EQ(clock.alarms[0].enabled, u"0"_s);
    EXPECT_EQ(clock.SuzuOn, 0);
    ASSERT_NE(clock.windows.form4, nullptr);
    EXPECT_EQ(clock.windows.form4->text(), u"アラームの設定を保存しました。"_s);
    EXPECT_FALSE(list->isEnabled());
    EXPECT_GE(platform.beeps, 1);
    closeMessage();
    EXPECT_TRUE(list->isEnabled());
    EXPECT_FALSE(clock.isEnabled()); // the settings window is still open
}

TEST_F(AlarmWindows, DeletingTheOnlyAlarmThenSavingEmptiesTheFile)
{
    open(alarmLine(u"07:30"_s, 1));
    select(0);
    press(list->BtnAlmDel);
    EXPECT_EQ(list->entryCount(), 0);
    EXPECT_EQ(list->SetTime->text(), u"07:30"_s); // the labels keep the deleted alarm
    clicks::click(list->BtnAl);
    EXPECT_EQ(folder.read(u"alm.zdt"_s), "");
    EXPECT_TRUE(clock.alarms.empty());
    EXPECT_EQ(clock.SuzuOn, 0);
}

TEST_F(AlarmWindows, DeletingNeedsACurrentEntry)
{
    open(alarmLine(u"07:30"_s, 1) + alarmLine(u"08:00"_s, 1));
    press(list->BtnAlmDel);
    EXPECT_EQ(list->entryCount(), 2);
    select(1);
    press(list->BtnAlmDel);
    EXPECT_EQ(list->entryCount(), 1);
    press(list->BtnAlmDel); // nothing is current after a delete
    EXPECT_EQ(list->entryCount(), 1);
    press(list->SetHen);
    EXPECT_EQ(clock.windows.form5, nullptr);
    select(0);
    EXPECT_EQ(list->SetTime->text(), u"07:30"_s);
}

TEST_F(AlarmWindows, AddingOpensTheEditWindowAtTheCurrentTimeAndSavesAtOnce)
{
    open(alarmLine(u"07:30"_s, 0));
    press(list->AlmPlus);
    Form5* edit = clock.windows.form5;
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->size(), QSize(352, 270));
    EXPECT_EQ(edit->Label5->text(), u"13"_s);
    EXPECT_EQ(edit->Label6->text(), u"05"_s);
    EXPECT_EQ(edit->Text2->text(), u"時間になりました。"_s);
    EXPECT_TRUE(edit->Check1->isChecked());
    EXPECT_EQ(edit->Text1->text(), u"標準"_s);
    EXPECT_FALSE(list->isEnabled());

    press(edit->BtnTimH1);
    press(edit->BtnTimM2);
    clicks::click(edit->BtnAl);

    EXPECT_EQ(file(), QString::fromUtf8(alarmLine(u"07:30"_s, 0) + alarmLine(u"14:04"_s, 1)));
    EXPECT_EQ(clock.alarms.size(), 2u);
    EXPECT_EQ(clock.SuzuOn, 1);
    EXPECT_EQ(list->List1->item(1)->text(), u"14:04   表示 "_s);
    EXPECT_TRUE(list->isMarked(1));
    EXPECT_EQ(list->SetTime->text(), u"14:04"_s);
    EXPECT_TRUE(list->isEnabled()); // while the confirmation is still open
    EXPECT_EQ(clock.windows.form4->text(), u"アラームの設定を保存しました。"_s);

    // Closing the list afterwards does not undo the addition.
    clicks::click(list->BtnCl);
    EXPECT_EQ(clock.alarms.size(), 2u);
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
    press(list->SetHen);
    Form5* edit = clock.windows.form5;
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Label5->text(), u"07"_s);
    EXPECT_EQ(edit->Label6->text(), u"30"_s);
    EXPECT_EQ(edit->Text2->text(), u"起きて"_s);
    EXPECT_EQ(edit->Check1->isChecked(), c.tickedOnOpen);
    EXPECT_EQ(edit->Text2->isEnabled(), c.tickedOnOpen);

    if (c.untick) {
        edit->Check1->setChecked(false);
        EXPECT_FALSE(edit->Text2->isEnabled());
    }
    clicks::click(edit->BtnAl);

    EXPECT_EQ(file(), QString::fromUtf8(alarmLine(u"07:30"_s, 1, u"標準"_s, written, u"起きて"_s)));
    EXPECT_EQ(list->List1->item(0)->text(), u"07:30  "_s + written);
    EXPECT_EQ(list->SetMesP->text(), written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangingAnAlarm,
    ::testing::Values(MessageChoice{"UntickingSwitchesTheMessageOff", " 表示 ", true, true, "非表示"},
                      MessageChoice{"AMessageSwitchedOffStaysOff", "非表示", false, false, "非表示"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AlarmWindows, ClosingAnEarlierConfirmationLeavesTheListWaitingForItsEditWindow)
{
    open(alarmLine(u"07:30"_s, 1));
    press(list->AlmPlus);
    clicks::click(clock.windows.form5->BtnAl);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(clock.windows.form4, nullptr); // the confirmation stays open
    ASSERT_TRUE(list->isEnabled());

    press(list->AlmPlus); // a second edit while the confirmation is still up
    ASSERT_NE(clock.windows.form5, nullptr);
    ASSERT_FALSE(list->isEnabled());
    closeMessage();
    EXPECT_FALSE(list->isEnabled());
    EXPECT_FALSE(form3->isEnabled());
    EXPECT_FALSE(clock.isEnabled());

    clicks::click(clock.windows.form5->BtnCl);
    EXPECT_TRUE(list->isEnabled());
}

TEST_F(AlarmWindows, AWaveFileShowsShortenedWhileItsFullPathIsStored)
{
    open(QByteArray());
    press(list->AlmPlus);
    Form5* edit = clock.windows.form5;
    const QString longPath =
        u"/home/someone/very/long/folder/names/that/go/on/and/on/for/ever/and/ever/alarm.wav"_s;
    platform.fileChoices = {longPath, QString()};

    press(edit->HenWav);
    ASSERT_EQ(platform.fileDialogs.size(), 1);
    EXPECT_EQ(platform.fileDialogs[0], u"ファイルを開く|wavファイル(*.wav,*.WAV) (*.wav *.WAV)"_s);
    EXPECT_EQ(edit->storedSound(), longPath);
    EXPECT_NE(edit->Text1->text(), longPath);
    EXPECT_TRUE(edit->Text1->text().contains(u'…'));
    EXPECT_TRUE(edit->Text1->text().endsWith(u"alarm.wav"_s));
    EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(edit->Text1->text()), Form5::pathWidth);

    press(edit->HenWav); // cancelled: the chosen file stays
    EXPECT_EQ(edit->storedSound(), longPath);

    clicks::click(edit->BtnAl);
    EXPECT_EQ(clock.alarms[0].sound, longPath);

    // A path the file format cannot hold as it is comes back with a full-width quote.
    select(0);
    press(list->SetHen);
    platform.fileChoices = {u"/snd/\"x\".wav"_s};
    press(clock.windows.form5->HenWav);
    clicks::click(clock.windows.form5->BtnAl);
    EXPECT_EQ(clock.alarms[0].sound, u"/snd/＂x＂.wav"_s);
    EXPECT_EQ(list->workingCopy()[0].sound, u"/snd/＂x＂.wav"_s);

    // Back to the standard sound.
    select(0);
    press(list->SetHen);
    edit = clock.windows.form5;
    press(edit->FutWav);
    EXPECT_EQ(edit->storedSound(), u"標準"_s);
    EXPECT_EQ(edit->Text1->text(), u"標準"_s);
}

TEST_F(AlarmWindows, CancellingTheFirstFileDialogKeepsTheStandardSound)
{
    open(QByteArray());
    press(list->AlmPlus);
    Form5* edit = clock.windows.form5;
    press(edit->HenWav);
    EXPECT_EQ(edit->storedSound(), u"標準"_s);
    EXPECT_EQ(edit->Text1->text(), u"標準"_s);
}

TEST_F(AlarmWindows, HoldingAStepperRepeatsEveryTickAndOnceMoreOnRelease)
{
    open(QByteArray());
    press(list->AlmPlus);
    Form5* edit = clock.windows.form5;
    const QPoint at = edit->BtnTimH1->captionRect().center();
    QTest::mousePress(edit->BtnTimH1, Qt::LeftButton, {}, at);
    EXPECT_EQ(edit->heldStep(), TimeStep::HourUp);
    EXPECT_TRUE(edit->Timer1.isActive());
    EXPECT_EQ(edit->Timer1.interval(), 100);
    for (int tick = 0; tick < 10; ++tick) { // one second held
        edit->repeatTick();
    }
    QTest::mouseRelease(edit->BtnTimH1, Qt::LeftButton, {}, at);
    EXPECT_EQ(edit->Label5->text(), u"00"_s); // 13 + 11 wraps past 23
    edit->repeatTick();
    EXPECT_FALSE(edit->Timer1.isActive());

    // Letting go off the bar stops the repeat without a last step.
    QTest::mousePress(edit->BtnTimM1, Qt::LeftButton, {}, at);
    edit->repeatTick();
    QTest::mouseRelease(edit->BtnTimM1, Qt::LeftButton, {}, QPoint(200, 5));
    edit->repeatTick();
    EXPECT_EQ(edit->Label6->text(), u"06"_s);
    EXPECT_EQ(edit->heldStep(), TimeStep::None);
}

TEST_F(AlarmWindows, ClosingTheEditWindowChangesNothing)
{
    open(alarmLine(u"07:30"_s, 1));
    const QString before = file();
    press(list->AlmPlus);
    clicks::click(clock.windows.form5->BtnCl);
    EXPECT_EQ(file(), before);
    EXPECT_TRUE(list->isEnabled());
    EXPECT_EQ(list->entryCount(), 1);
}

} // namespace
