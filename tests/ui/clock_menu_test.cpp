#include "support/program_test.h"
#include "ui/about_window.h"
#include "ui/clock_menu.h"
#include "ui/settings_window.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Menu : public ProgramTest
{
protected:
    void start(const QByteArray& set1 = "1,1\r\n", const QByteArray& set3 = "0,255,1\r\n")
    {
        folder.write(u"set1.zdt"_s, set1);
        folder.write(u"set3.zdt"_s, set3);
        ASSERT_TRUE(app.start());
    }

    void rightClickAt(QPoint at)
    {
        QTest::mousePress(&clock, Qt::RightButton, {}, at);
        QTest::mouseRelease(&clock, Qt::RightButton, {}, at);
    }

    QPoint inside() const { return QPoint(clock.width() / 2, clock.height() / 2); }
};

TEST_F(Menu, RightClickOpensTheMenuAtThePointerAfterSavingThePosition)
{
    start();
    folder.write(u"fomit.zdt"_s, "0,0\r\n");
    QByteArray positionWhileOpen;
    menuUser.onOpen = [&] {
        positionWhileOpen = folder.read(u"fomit.zdt"_s);
    };

    rightClickAt(inside());

    ASSERT_EQ(menuUser.openings.size(), 1u);
    EXPECT_EQ(menuUser.openings[0].entries, (QStringList{u"設定"_s, u"製品情報"_s, u"-"_s, u"終  了"_s}));
    EXPECT_EQ(menuUser.openings[0].at, clock.mapToGlobal(inside()));
    EXPECT_EQ(positionWhileOpen, "1500,1500\r\n");
}

TEST_F(Menu, TheMenuKeyAndShiftF10OpenItAtTheClockWithItsFirstEntrySelected)
{
    start();
    struct Case
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    };
    for (const Case& c :
         {Case{Qt::Key_Menu, Qt::NoModifier, true}, Case{Qt::Key_F10, Qt::ShiftModifier, true},
          Case{Qt::Key_F10, Qt::NoModifier, false}, Case{Qt::Key_Return, Qt::NoModifier, false}}) {
        menuUser.openings.clear();
        QTest::keyClick(&clock, c.key, c.modifiers);
        ASSERT_EQ(menuUser.openings.size(), c.opens ? 1u : 0u) << c.key;
        if (c.opens) {
            EXPECT_EQ(menuUser.openings[0].selected, u"設定"_s) << c.key;
            EXPECT_EQ(menuUser.openings[0].at, clock.mapToGlobal(inside())) << c.key;
        }
    }
    // A click opens it with nothing selected, as menus open.
    menuUser.openings.clear();
    rightClickAt(inside());
    ASSERT_EQ(menuUser.openings.size(), 1u);
    EXPECT_EQ(menuUser.openings[0].selected, QString());
}

TEST_F(Menu, MiddleClickOpensItTooButALeftPressDoesNot)
{
    start();
    QTest::mousePress(&clock, Qt::MiddleButton, {}, inside());
    QTest::mouseRelease(&clock, Qt::MiddleButton, {}, inside());
    QTest::mousePress(&clock, Qt::LeftButton, {}, inside());
    QTest::mouseRelease(&clock, Qt::LeftButton, {}, inside());
    EXPECT_EQ(menuUser.openings.size(), 1u);
}

TEST_F(Menu, RightClickOnTheDigitalPanelOpensTheMenuWithoutMovingTheClock)
{
    start("1,1\r\n", "6,255,1\r\n");
    heartbeat.beat();
    const QPoint panel = clock.face().panelRect().center();
    const QPoint before = clock.pos();
    rightClickAt(panel);
    EXPECT_EQ(menuUser.openings.size(), 1u);
    EXPECT_EQ(clock.pos(), before);
}

TEST_F(Menu, QuitWritesThePositionRemovesIconAndOutlineAndEnds)
{
    start();
    ASSERT_TRUE(desktop.shell.trayIconShown);
    // A move once the user has dragged the clock (the window manager's, by the keyboard).
    dragClock(QPoint(10, 0));
    clock.move(300, 200);
    menuUser.choices = {u"終  了"_s};

    rightClickAt(inside());

    EXPECT_EQ(folder.read(u"fomit.zdt"_s), "4500,3000\r\n");
    EXPECT_FALSE(desktop.shell.trayIconShown);
    EXPECT_TRUE(clock.mask().isEmpty());
    EXPECT_FALSE(clock.isVisible());
    EXPECT_EQ(desktop.sound.stops, 1);
}

TEST_F(Menu, SettingsDisablesTheClockAndOpensTheSettingsWindowOnce)
{
    start();
    menuUser.choices = {u"設定"_s};
    rightClickAt(inside());

    EXPECT_FALSE(clock.isEnabled());
    ASSERT_NE(dialogs.find<SettingsWindow>(), nullptr);
    EXPECT_TRUE(dialogs.find<SettingsWindow>()->isVisible());
    EXPECT_EQ(dialogs.find<SettingsWindow>()->windowTitle(), u"設定"_s);
}

TEST_F(Menu, ProductInformationOpensOneWindowAndLeavesTheClockEnabled)
{
    start();
    menuUser.choices = {u"製品情報"_s, u"製品情報"_s};
    rightClickAt(inside());
    AboutWindow* first = dialogs.find<AboutWindow>();
    rightClickAt(inside());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(dialogs.find<AboutWindow>(), first);
    EXPECT_TRUE(clock.isEnabled());
    EXPECT_EQ(QApplication::topLevelWidgets().count(first), 1);
}

TEST_F(Menu, DismissingDoesNothing)
{
    start();
    rightClickAt(inside()); // no entry scripted: the user presses Escape
    ASSERT_EQ(menuUser.openings.size(), 1u);
    EXPECT_TRUE(clock.isVisible());
    EXPECT_TRUE(clock.isEnabled());
    EXPECT_EQ(dialogs.find<SettingsWindow>(), nullptr);
    EXPECT_EQ(dialogs.find<AboutWindow>(), nullptr);
}

TEST_F(Menu, TrayIconCarriesTheTipAndTheMenuAndOpensTheMenuOnEitherPress)
{
    start("1,1\r\n");
    ASSERT_TRUE(desktop.shell.trayIconShown);
    EXPECT_EQ(desktop.shell.trayTip, u"ふわまる　ぽてりん"_s);
    EXPECT_FALSE(desktop.shell.trayIcon.pixmap(32, 32).isNull());
    EXPECT_EQ(desktop.shell.trayMenu, &app.menu().menu());

    desktop.shell.pressTrayIcon(DesktopShell::TrayPress::Left);
    desktop.shell.pressTrayIcon(DesktopShell::TrayPress::Right);
    EXPECT_EQ(menuUser.openings.size(), 2u);
}

TEST_F(Menu, NoTrayIconWhenSwitchedOff)
{
    start("1,0\r\n");
    EXPECT_FALSE(desktop.shell.trayIconShown);
    EXPECT_EQ(desktop.shell.trayIconAdds, 0);
}

TEST_F(Menu, ClosingTheClockRemovesTheTrayIcon)
{
    start("1,1\r\n");
    clock.close();
    EXPECT_FALSE(desktop.shell.trayIconShown);
}

// A menu of 100 x 80 on a 1024 x 768 screen whose free area lies between a top panel of
// 30 and a bottom panel of 40 pixels.
TEST(MenuPosition, OpensAtThePointerWhereItFitsAndStaysOffThePanels)
{
    const QSize menu(100, 80);
    const QRect freeArea(0, 30, 1024, 698);
    const struct
    {
        QPoint pointer;
        QPoint expected;
    } cases[] = {
        {{200, 300}, {200, 300}},  // fits: at the pointer
        {{1000, 300}, {900, 300}}, // at the right edge: left of the pointer
        {{200, 700}, {200, 620}},  // near the bottom: above the pointer
        {{200, 10}, {200, 30}},    // on the top panel: below it
        {{1010, 750}, {910, 648}}, // on the bottom panel, in the corner: above it
        {{-20, 300}, {0, 300}},    // beside the screen: on it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(menuPosition(c.pointer, menu, freeArea), c.expected)
            << c.pointer.x() << "," << c.pointer.y();
    }
    // A free area smaller than the menu: from its top left corner.
    EXPECT_EQ(menuPosition({50, 50}, menu, QRect(10, 20, 60, 40)), QPoint(10, 20));
}

} // namespace
