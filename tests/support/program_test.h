#pragma once

#include "app/application.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"

#include <gtest/gtest.h>

// The whole program on a scripted desktop in a throw-away program folder. A test writes
// the files it needs, then starts it.
struct Program
{
    TempProgramFolder folder;
    FakePlatform platform{folder.path()};
    Application app{platform};
    ClockWindow& clock = app.clockWindow();
    ClockHeartbeat& heartbeat = app.heartbeat();
    ClockModel& model = app.model();
    Dialogs& dialogs = app.dialogs();
};

class ProgramTest : public ::testing::Test, protected Program
{};
