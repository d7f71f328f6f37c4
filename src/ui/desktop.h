#pragma once

#include "platform/settings_location.h"

class Clock;
class ClockWatch;
class DesktopShell;
class Questions;
class SoundOutput;

// What the program is given of the desktop it runs on, each part a role that tests
// script on their own. Application hands the windows only the parts each one uses.
struct Desktop
{
    Clock& clock;
    ClockWatch& clockWatch;
    SoundOutput& sound;
    DesktopShell& shell;
    Questions& questions;
    ProgramFolders folders;
};
