#pragma once

#include "app/application.h"
#include "support/fake_desktop.h"
#include "support/menu_user.h"
#include "support/temp_program_folder.h"

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
};

class ProgramTest : public ::testing::Test, protected Program
{
protected:
    explicit ProgramTest(const QString& dataFolder = QString()) : Program(dataFolder) {}
};
