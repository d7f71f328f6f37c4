// The windows as a screen reader reads them, through Qt's accessibility interfaces.
#include "support/clicks.h"
#include "support/program_test.h"
#include "support/windows.h"
#include "ui/about_window.h"
#include "ui/alarm_edit_window.h"
#include "ui/alarm_list_window.h"
#include "ui/design_chooser_window.h"
#include "ui/hand_colour_window.h"
#include "ui/message_window.h"
#include "ui/readout_colour_window.h"
#include "ui/settings_window.h"
#include "ui/spoken_time.h"
#include "widgets/choice_frame.h"
#include "widgets/picture_button.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
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
    EXPECT_EQ(described, 14);

    // Then every window, the settings window among them.
    const QList<QWidget*> windows = {
        settings,
        dialogs.openAbout(),
        dialogs.openAlarmList(),
        dialogs.openAlarmEdit(std::nullopt),
        dialogs.openDesignChooser(),
        dialogs.openHandColour(),
        dialogs.openReadoutColour(),
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

TEST_F(WindowsAccessibility, TheMessageWindowIsAnAlertOfItsMessages)
{
    start();
    MessageWindow* message = dialogs.showMessage(u"起きて"_s, Dialogs::Notice::AlarmRang);
    dialogs.showMessage(u"色を変更しました。"_s, Dialogs::Notice::ReadoutColourChanged);
    QAccessibleInterface* alert = of(message);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Name), u"ふわまる　ぽてりん"_s);
    EXPECT_EQ(alert->text(QAccessible::Description), u"起きて\n\n色を変更しました。"_s);
}

} // namespace
