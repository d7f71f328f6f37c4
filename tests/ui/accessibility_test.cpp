// The windows as a screen reader reads them, through Qt's accessibility interfaces.
#include "face/designs.h"
#include "support/accessibility_events.h"
#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/about_window.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_window.h"
#include "ui/design_chooser_window.h"
#include "ui/hand_colour_window.h"
#include "ui/message_window.h"
#include "ui/options_window.h"
#include "ui/readout_colour_window.h"
#include "ui/settings_window.h"
#include "ui/spoken_time.h"
#include "widgets/choice_frame.h"
#include "widgets/picture_button.h"
#include "widgets/step_field.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface* of(QObject* object)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(interface, nullptr);
    return interface;
}

TEST(SpokenTime, SaysTheReadingAsAPersonWould)
{
    const struct
    {
        QDateTime at;
        bool bell;
        QString spoken;
    } cases[] = {
        {{{2024, 5, 17}, {10, 8}}, false, u"午前10時08分、2024年5月17日 金曜日"_s},
        {{{2024, 5, 19}, {0, 0}}, false, u"午前0時00分、2024年5月19日 日曜日"_s},
        {{{2024, 5, 18}, {11, 59, 59}}, false, u"午前11時59分、2024年5月18日 土曜日"_s},
        {{{2024, 12, 2}, {12, 0}}, false, u"午後0時00分、2024年12月2日 月曜日"_s},
        {{{2025, 1, 1}, {23, 5}}, true, u"午後11時05分、2025年1月1日 水曜日、アラーム設定あり"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(spokenTime(LocalTime::fromDateTime(c.at), c.bell), c.spoken);
    }
}

class WindowsAccessibility : public ProgramTest
{
protected:
    void start(const QByteArray& alarms = {})
    {
        folder.write(u"alm.zdt"_s, alarms);
        desktop.clock.setNow(QDateTime(QDate(2024, 5, 17), QTime(10, 8, 30)));
        ASSERT_TRUE(app.start());
    }
};

TEST_F(WindowsAccessibility, TheClockTellsTheTimeItShowsAndOpensItsMenu)
{
    start();
    QAccessibleInterface* clock = of(&this->clock);
    EXPECT_EQ(clock->text(QAccessible::Name), u"ふわまる　ぽてりん"_s);
    EXPECT_EQ(clock->text(QAccessible::Description), u"午前10時08分、2024年5月17日 金曜日"_s);
    desktop.clock.setNow(10, 9, 0);
    heartbeat.beat();
    EXPECT_EQ(clock->text(QAccessible::Description), u"午前10時09分、2024年5月17日 金曜日"_s);
    ASSERT_TRUE(model.saveAlarms({Alarm{.at = QTime(7, 30), .enabled = true}}));
    EXPECT_EQ(clock->text(QAccessible::Description),
              u"午前10時09分、2024年5月17日 金曜日、アラーム設定あり、次のアラーム 土 7:30"_s);

    // Its menu, where a click would open it; not while a window it waits for is open.
    const QStringList actions = clock->actionInterface()->actionNames();
    ASSERT_TRUE(actions.contains(QAccessibleActionInterface::showMenuAction()));
    clock->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QCoreApplication::processEvents();
    ASSERT_EQ(menuUser.openings.size(), 1u);
    EXPECT_EQ(menuUser.openings[0].at, this->clock.geometry().center());
    dialogs.openSettings();
    EXPECT_TRUE(clock->actionInterface()->actionNames().isEmpty());
}

TEST_F(WindowsAccessibility, EveryButtonOfEveryWindowIsNamedAndTheSettingsOnesSayTheirHelp)
{
    start();
    // The description of a settings button is the help the window shows while the
    // pointer is over it (Qt's button says the tooltip of one without help). A picture
    // without words is named by its tooltip, or by its frame's; an option standing in its
    // frame is a radio button.
    SettingsWindow* settings = dialogs.openSettings();
    int described = 0;
    for (ImageButton* button : settings->findChildren<ImageButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        clicks::moveTo(button, {5, 5});
        const QString help =
            child<QLabel>(settings, "helpText")->text() + child<QLabel>(settings, "panelHelpText")->text();
        EXPECT_EQ(of(button)->text(QAccessible::Description), help.isEmpty() ? button->toolTip() : help);
        described += !help.isEmpty();
        clicks::moveTo(button, {-1, -1});
        const bool option = dynamic_cast<ChoiceFrame*>(button->parentWidget());
        EXPECT_EQ(of(button)->role(), option ? QAccessible::RadioButton : QAccessible::Button);
        if (button->text().isEmpty()) {
            const QString tip = button->toolTip();
            EXPECT_EQ(of(button)->text(QAccessible::Name),
                      tip.isEmpty() ? button->parentWidget()->toolTip() : tip);
        }
    }
    EXPECT_EQ(described, 15);

    // Then every window, the settings window among them.
    const QList<QWidget*> windows = {
        settings,
        dialogs.openAbout(),
        dialogs.openAlarmList(),
        dialogs.openAlarmEdit(std::nullopt),
        dialogs.openDesignChooser(),
        dialogs.openHandColour(),
        dialogs.openReadoutColour(),
        dialogs.openOptions(),
        dialogs.showMessage(u"色を変更しました。"_s, Dialogs::Notice::ReadoutColourChanged),
    };
    for (QWidget* window : windows) {
        EXPECT_FALSE(of(window)->text(QAccessible::Name).isEmpty()) << window->objectName().toStdString();
        for (PictureButton* button : window->findChildren<PictureButton*>()) {
            SCOPED_TRACE(button->objectName().toStdString());
            const QString name = of(button)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty());
            // A button whose picture shows words is named by them.
            if (!button->text().isEmpty()) {
                EXPECT_EQ(name, button->text());
            }
        }
    }
}

TEST_F(WindowsAccessibility, AlarmEntriesReadAsTheAlarmAndTheEditFieldsByTheirLabels)
{
    start("\"07:30\",1,\"標準\",\" 表示 \",\"起きて\"\r\n"
          "\"22:05\",0,\"/sounds/bell.wav\",\"非表示\",\"\"\r\n"_ba);
    AlarmListWindow* list = dialogs.openAlarmList();
    QAccessibleInterface* entries = of(child<QListView>(list, "alarmList"));
    QStringList read;
    for (int i = 0; i < entries->childCount(); ++i) {
        read << entries->child(i)->text(QAccessible::Name);
    }
    EXPECT_EQ(
        read,
        QStringList({
            u"07:30、オン、曜日 毎日、アラーム音色 標準、メッセージの表示 表示、メッセージ内容 起きて"_s,
            u"22:05、オフ、曜日 毎日、アラーム音色 bell.wav、メッセージの表示 非表示"_s,
        }));

    AlarmEditWindow* edit = dialogs.openAlarmEdit(std::nullopt);
    const std::pair<const char*, QString> named[] = {
        {"soundField", u"アラーム音色"_s},
        {"messageField", u"アラームメッセージ"_s},
    };
    for (const auto& [field, name] : named) {
        EXPECT_EQ(of(child<QLineEdit>(edit, field))->text(QAccessible::Name), name);
    }
    const std::pair<const char*, QString> steppers[] = {
        {"hourUp", u"▲ 時"_s}, {"hourDown", u"▼ 時"_s}, {"minuteUp", u"▲ 分"_s}, {"minuteDown", u"▼ 分"_s}};
    for (const auto& [name, spoken] : steppers) {
        QAccessibleInterface* stepper = of(child(edit, name));
        EXPECT_EQ(stepper->text(QAccessible::Name) + u' ' + stepper->text(QAccessible::Description), spoken);
    }
}

// The hour and the minute are spin buttons named by their units: Up and Down step them as
// the bars do, a screen reader setting a value sets the time, and every value shown is told.
TEST_F(WindowsAccessibility, TheAlarmTimeIsTwoSpinButtonsThatSayEachValue)
{
    start("\"23:59\",1,\"標準\",\" 表示 \",\"起きて\"\r\n"_ba);
    AlarmEditWindow* edit = dialogs.openAlarmEdit(model.alarms()[0]);
    edit->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(edit));
    std::optional<QTime> accepted;
    QObject::connect(edit, &AlarmEditWindow::accepted, [&](const Alarm& alarm) { accepted = alarm.at; });
    AccessibilityEvents heard;
    const struct
    {
        const char* field;
        QString name;
        int maximum;
        int key; // 0: the screen reader sets `set`
        int set;
        QString shown;
        QTime time;
    } steps[] = {
        {"hour", u"時"_s, 23, Qt::Key_Up, 0, u"00"_s, QTime(0, 59)},
        {"hour", u"時"_s, 23, Qt::Key_Down, 0, u"23"_s, QTime(23, 59)},
        {"minute", u"分"_s, 59, Qt::Key_Up, 0, u"00"_s, QTime(23, 0)},
        {"minute", u"分"_s, 59, 0, 75, u"59"_s, QTime(23, 59)},
        {"hour", u"時"_s, 23, 0, 7, u"07"_s, QTime(7, 59)},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.field + std::to_string(step.key) + ' ' + std::to_string(step.set));
        auto* field = child<StepField>(edit, step.field);
        QAccessibleInterface* read = of(field);
        EXPECT_EQ(read->role(), QAccessible::SpinBox);
        EXPECT_EQ(read->text(QAccessible::Name), step.name);
        ASSERT_NE(read->valueInterface(), nullptr);
        EXPECT_EQ(read->valueInterface()->minimumValue().toInt(), 0);
        EXPECT_EQ(read->valueInterface()->maximumValue().toInt(), step.maximum);
        if (step.key != 0) {
            field->setFocus(Qt::TabFocusReason);
            QTest::keyClick(field, Qt::Key(step.key));
        } else {
            read->valueInterface()->setCurrentValue(step.set);
        }
        EXPECT_EQ(field->text(), step.shown);
        EXPECT_EQ(read->valueInterface()->currentValue().toString().rightJustified(2, u'0'), step.shown);
        const QList<AccessibilityEvents::Event> told = heard.take({QAccessible::ValueChanged});
        ASSERT_EQ(told.size(), 1);
        EXPECT_EQ(told[0].object, field);
        EXPECT_EQ(told[0].said, step.shown);
    }
    child<ImageButton>(edit, "applyButton")->click();
    EXPECT_EQ(accepted, QTime(7, 59));
}

// The list is named by its caption; entering it by the keyboard reads the current alarm,
// a check mark changed from the keyboard is told as the entry's checked state and
// announced, and so is a deletion.
TEST_F(WindowsAccessibility, TheAlarmListReadsItsCurrentAlarmAndSaysWhatChanged)
{
    start("\"07:30\",1,\"標準\",\" 表示 \",\"起きて\"\r\n"
          "\"22:05\",0,\"標準\",\"非表示\",\"\"\r\n"_ba);
    AlarmListWindow* list = dialogs.openAlarmList();
    list->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list));
    auto* entries = child<QListView>(list, "alarmList");
    EXPECT_EQ(of(entries)->text(QAccessible::Name), u"設定アラーム一覧"_s);
    AccessibilityEvents heard;

    entries->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QList<AccessibilityEvents::Event> focused = heard.take({QAccessible::Focus});
    ASSERT_FALSE(focused.isEmpty());
    EXPECT_EQ(focused.last().object, entries);
    EXPECT_EQ(focused.last().child, 0);
    EXPECT_EQ(focused.last().said, of(entries)->child(0)->text(QAccessible::Name));

    const auto announced = [&heard] {
        QStringList words;
        for (const AccessibilityEvents::Event& event : heard.take({QAccessible::ObjectShow})) {
            words << event.said;
        }
        return words;
    };
    const struct
    {
        Qt::Key key;
        int row;
        bool enabled;
        QStringList said;
    } keys[] = {
        {Qt::Key_Space, 0, false, {u"07:30 オフ"_s}},
        {Qt::Key_Down, 1, false, {}},
        {Qt::Key_Space, 1, true, {u"22:05 オン"_s}},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(QKeySequence(k.key).toString().toStdString());
        QTest::keyClick(entries, k.key);
        EXPECT_EQ(entries->currentIndex().row(), k.row);
        QAccessibleInterface* entry = of(entries)->child(k.row);
        EXPECT_EQ(entry->state().checked, k.enabled);
        EXPECT_EQ(heard.takeCheckedChanges().size(), k.said.isEmpty() ? 0 : 1);
        EXPECT_EQ(announced(), k.said);
    }

    child<PictureButton>(list, "deleteButton")->click();
    EXPECT_EQ(announced(), QStringList{u"22:05 のアラームを削除しました"_s});
}

// A button that changes a value says the value it has now: the colour bars their colour,
// the sound bar its sound; the design options say what each design shows, and applying
// one is announced.
TEST_F(WindowsAccessibility, ControlsThatChangeAValueSayIt)
{
    folder.write(u"set2.zdt"_s, "0,5197647,255\r\n"_ba);
    start();
    const auto description = [](QWidget* window, const char* name) {
        return of(child(window, name))->text(QAccessible::Description);
    };
    desktop.questions.colourChoices = {0x009664C8, 0x00FFFFFF};
    HandColourWindow* hands = dialogs.openHandColour();
    EXPECT_EQ(description(hands, "minuteButton"), u"濃い灰色、赤 79、緑 79、青 79"_s);
    EXPECT_EQ(description(hands, "hourButton"), u"黒、赤 0、緑 0、青 0"_s);
    EXPECT_EQ(description(hands, "secondButton"), u"赤、赤 255、緑 0、青 0"_s);
    child<PictureButton>(hands, "minuteButton")->click();
    EXPECT_EQ(description(hands, "minuteButton"), u"赤 200、緑 100、青 150"_s); // no name near it
    hands->close();
    ReadoutColourWindow* readout = dialogs.openReadoutColour();
    child<PictureButton>(readout, "pickButton")->click();
    EXPECT_EQ(description(readout, "pickButton"), u"白、赤 255、緑 255、青 255"_s);
    readout->close();

    desktop.questions.fileChoices = {u"/sounds/bell.wav"_s};
    AlarmEditWindow* edit = dialogs.openAlarmEdit(std::nullopt);
    EXPECT_EQ(description(edit, "chooseWave"), u"標準"_s);
    child<PictureButton>(edit, "chooseWave")->click();
    EXPECT_EQ(description(edit, "chooseWave"), u"bell.wav"_s);
    child<PictureButton>(edit, "standardSound")->click();
    EXPECT_EQ(description(edit, "chooseWave"), u"標準"_s);
    edit->close();

    DesignChooserWindow* chooser = dialogs.openDesignChooser();
    for (int design = 0; design < designs::count; ++design) {
        const QString said = description(chooser, QStringLiteral("design%1").arg(design).toLatin1());
        EXPECT_TRUE(
            said.startsWith(designs::isAnalog(DesignIndex{design}) ? u"アナログ、"_s : u"デジタル、"_s))
            << said.toStdString();
    }
    EXPECT_EQ(description(chooser, "design0"), u"アナログ、日付あり、時計を抱える黒ねこ、台つき"_s);
    EXPECT_EQ(description(chooser, "design3"), u"アナログ、日付なし、時計を抱える黒ねこ、しっぽつき"_s);
    EXPECT_EQ(description(chooser, "design6"), u"デジタル、日付あり、画面の横に立つ灰色ねこ"_s);
    AccessibilityEvents heard;
    child<QAbstractButton>(chooser, "design1")->click();
    child<PictureButton>(chooser, "applyButton")->click();
    const QList<AccessibilityEvents::Event> said = heard.take({QAccessible::ObjectShow});
    ASSERT_EQ(said.size(), 1);
    EXPECT_EQ(said[0].said, u"Type A02 に変更しました"_s);
    EXPECT_EQ(of(said[0].object)->role(), QAccessible::Notification);
}

TEST_F(WindowsAccessibility, TheMessageWindowIsAnAlertOfItsMessages)
{
    start();
    MessageWindow* message = dialogs.showMessage(u"起きて"_s, Dialogs::Notice::AlarmRang);
    dialogs.showMessage(u"色を変更しました。"_s, Dialogs::Notice::ReadoutColourChanged);
    QAccessibleInterface* alert = of(message);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Name), u"ふわまる　ぽてりん"_s);
    // Its messages are a text in it, read with it, and not its description too.
    QAccessibleInterface* text = of(child(message, "messageText"));
    EXPECT_EQ(text->role(), QAccessible::StaticText);
    EXPECT_EQ(text->text(QAccessible::Name), u"起きて\n\n色を変更しました。"_s);
    EXPECT_EQ(alert->text(QAccessible::Description), QString());
}

} // namespace
