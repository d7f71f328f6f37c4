#pragma once

#include "app/application.h"
#include "support/fake_desktop.h"
#include "support/menu_user.h"
#include "support/temp_program_folder.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

// The whole program on a scripted desktop in a throw-away program folder. A test writes
// the files it needs, then starts it. The shipped files lie there too, unless given.
struct Program
{
    explicit Program(const QString& dataFolder = QString())
        : desktop(folder.path(), dataFolder.isEmpty() ? folder.path() : dataFolder)
    {}

    TempProgramFolder folder;
    FakeDesktop desktop;
    Application app{desktop.parts()};
    ClockWindow& clock = app.clockWindow();
    ClockHeartbeat& heartbeat = app.heartbeat();
    ClockModel& model = app.model();
    Dialogs& dialogs = app.dialogs();
    MenuUser menuUser{app.menu().menu()};

    // Drags the clock by `by` with the left button from the middle of the cat.
    void dragClock(QPoint by)
    {
        const QPoint middle(clock.width() / 2, clock.height() / 2);
        QTest::mousePress(&clock, Qt::LeftButton, {}, middle);
        QMouseEvent drag(QEvent::MouseMove, QPointF(middle + by), QPointF(clock.mapToGlobal(middle + by)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&clock, &drag);
        QTest::mouseRelease(&clock, Qt::LeftButton, {}, middle + by);
    }
};

class ProgramTest : public ::testing::Test, protected Program
{
protected:
    explicit ProgramTest(const QString& dataFolder = QString()) : Program(dataFolder) {}
};
