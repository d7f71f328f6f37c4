// The clock on a desk of two screens: it stays on the screen it was put on, comes onto
// the primary one at the corresponding place where its own is gone without losing its
// place, and its windows open on its screen.
#include "support/program_test.h"
#include "ui/alarm_list_window.h"
#include "ui/message_window.h"
#include "ui/settings_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Beside the first screen, 1024 x 768 at the origin (the offscreen configuration).
const QRect right(1024, 0, 1280, 1024);

QByteArray twips(QPoint at)
{
    return QByteArray::number(at.x() * 15) + "," + QByteArray::number(at.y() * 15) + "\r\n";
}

QString storedScreen(const Program& program)
{
    return QSettings(program.folder.filePath(u"options.ini"_s), QSettings::IniFormat)
        .value(u"gadget/screen"_s)
        .toString();
}

TEST(TwoScreens, TheScreensAreThere)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    EXPECT_EQ(QGuiApplication::screens()[1]->geometry(), right);
}

// Put on the right screen, the clock starts there and keeps that screen with its place.
TEST(TwoScreens, TheClockStaysOnTheScreenItWasPutOn)
{
    Program program;
    program.folder.write(u"fomit.zdt"_s, twips({2000, 600}));
    ASSERT_TRUE(program.app.start());
    EXPECT_EQ(program.clock.pos(), QPoint(2000, 600));
    program.dragClock({30, 20});
    EXPECT_EQ(program.folder.read(u"fomit.zdt"_s), twips({2030, 620}));
    EXPECT_EQ(storedScreen(program), u"1024 0 1280 1024"_s);
}

// A screen the options file names is gone (a third one, right of the right one): the
// clock starts on the primary screen at the place that corresponds to its own, and a
// click stores its own place and screen, not where it stands for now. A drag makes its
// new place its own.
TEST(TwoScreens, AClockWhoseScreenIsGoneComesOntoThePrimaryAndKeepsItsPlace)
{
    Program program;
    program.folder.write(u"fomit.zdt"_s, twips({2304 + 640, 0}));
    program.folder.write(u"options.ini"_s, "[gadget]\nscreen=2304 0 1365 768\n");
    ASSERT_TRUE(program.app.start());
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint corresponding(free.left() + qRound(640.0 / (1365 - 85) * (free.width() - 85)), free.top());
    EXPECT_EQ(program.clock.pos(), corresponding);
    program.clock.savePosition();
    EXPECT_EQ(program.folder.read(u"fomit.zdt"_s), twips({2304 + 640, 0}));
    EXPECT_EQ(storedScreen(program), u"2304 0 1365 768"_s);

    program.dragClock({10, 10});
    EXPECT_EQ(program.folder.read(u"fomit.zdt"_s), twips(corresponding + QPoint(10, 10)));
    EXPECT_EQ(storedScreen(program), u"0 0 1024 768"_s);
}

// The settings window, a window it opens and a message open on the clock's screen,
// inside its free area, wherever the clock stands.
TEST(TwoScreens, WindowsOpenOnTheClocksScreen)
{
    for (const QPoint clockAt : {QPoint(2200, 900), QPoint(10, 10)}) {
        Program program;
        program.folder.write(u"fomit.zdt"_s, twips(clockAt));
        ASSERT_TRUE(program.app.start());
        const QRect free = program.clock.screen()->availableGeometry();
        ASSERT_TRUE(free.contains(program.clock.geometry()));
        const QWidget* settings = program.dialogs.openSettings();
        const QWidget* list = program.dialogs.openAlarmList();
        const QWidget* message =
            program.dialogs.showMessage(u"針の色を変更しました。"_s, Dialogs::Notice::HandColoursChanged);
        for (const QWidget* window : {settings, list, message}) {
            EXPECT_TRUE(free.contains(window->geometry())) << clockAt.x() << ": " << window->geometry().x();
        }
    }
}

} // namespace
