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
#include "widgets/picture_button.h"

#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace Qt::StringLiterals;

namespace {

struct KeyboardWindow
{
    const char* name;
    std::function<QWidget*(Dialogs&)> open;

    friend void PrintTo(const KeyboardWindow& c, std::ostream* os) { *os << c.name; }
};

class TabOrder : public ProgramTest, public ::testing::WithParamInterface<KeyboardWindow>
{};

// Tab goes round every button of a window, the picture buttons and the bars included.
TEST_P(TabOrder, ReachesEveryButton)
{
    folder.write(u"alm.zdt"_s, "\"07:30\",1,\"標準\",\" 表示 \",\"m\"\r\n");
    ASSERT_TRUE(app.start());
    QWidget* window = GetParam().open(dialogs);
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    std::set<QWidget*> buttons;
    for (PictureButton* button : window->findChildren<PictureButton*>()) {
        if (button->isVisibleTo(window)) {
            buttons.insert(button);
        }
    }
    ASSERT_FALSE(buttons.empty());
    std::set<QWidget*> reached;
    for (int press = 0; press < 60; ++press) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : window, Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    for (QWidget* button : buttons) {
        EXPECT_TRUE(reached.count(button)) << button->objectName().toStdString() << " never takes the focus";
    }
    // A field that only shows something (the edit window's sound) is passed over.
    for (QWidget* widget : reached) {
        const auto* field = qobject_cast<QLineEdit*>(widget);
        EXPECT_FALSE(field && field->isReadOnly()) << widget->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, TabOrder,
                         ::testing::Values(KeyboardWindow{"Settings",
                                                          [](Dialogs& d) -> QWidget* {
                                                              return d.openSettings();
                                                          }},
                                           KeyboardWindow{"About",
                                                          [](Dialogs& d) -> QWidget* {
                                                              return d.openAbout();
                                                          }},
                                           KeyboardWindow{"AlarmList",
                                                          [](Dialogs& d) -> QWidget* {
                                                              return d.openAlarmList();
                                                          }},
                                           KeyboardWindow{"AlarmEdit",
                                                          [](Dialogs& d) -> QWidget* {
                                                              return d.openAlarmEdit(std::nullopt);
                                                          }},
                                           KeyboardWindow{"Message",
                                                          [](Dialogs& d) -> QWidget* {
                                                              return d.showMessage(
                                                                  u"x"_s, Dialogs::Notice::AlarmRang);
                                                          }},
                                           KeyboardWindow{"DesignChooser",
                                                          [](Dialogs& d) -> QWidget* {
                                                              return d.openDesignChooser();
                                                          }},
                                           KeyboardWindow{"HandColour",
                                                          [](Dialogs& d) -> QWidget* {
                                                              return d.openHandColour();
                                                          }},
                                           KeyboardWindow{"ReadoutColour",
                                                          [](Dialogs& d) -> QWidget* {
                                                              return d.openReadoutColour();
                                                          }},
                                           KeyboardWindow{"Options",
                                                          [](Dialogs& d) -> QWidget* {
                                                              return d.openOptions();
                                                          }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramTest, EnterActsAsTheMessageWindowsButtonAndTheEditWindowsApply)
{
    folder.write(u"alm.zdt"_s, "");
    ASSERT_TRUE(app.start());
    clicks::click(child(dialogs.openSettings(), "alarmButton"));
    AlarmListWindow* list = dialogs.find<AlarmListWindow>();
    clicks::click(child(list, "addButton"));
    AlarmEditWindow* edit = dialogs.find<AlarmEditWindow>();
    ASSERT_NE(edit, nullptr);
    // Enter in the message field, where a user types last.
    QTest::keyClick(child(edit, "messageField"), Qt::Key_Return);
    EXPECT_EQ(dialogs.find<AlarmEditWindow>(), nullptr);
    EXPECT_EQ(model.alarms().size(), 1u);

    MessageWindow* message = dialogs.find<MessageWindow>();
    ASSERT_NE(message, nullptr);
    QTest::keyClick(message, Qt::Key_Enter);
    EXPECT_EQ(dialogs.find<MessageWindow>(), nullptr);
    EXPECT_TRUE(list->isEnabled());
}

} // namespace
