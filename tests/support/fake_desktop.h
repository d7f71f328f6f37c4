#pragma once

#include "support/fake_clock.h"
#include "support/fake_clock_watch.h"
#include "support/fake_questions.h"
#include "support/fake_shell.h"
#include "support/fake_sound.h"
#include "ui/desktop.h"

// The whole desktop scripted, for tests of the whole program: each role's fake, and
// the folders (the shipped files lie in the settings folder too, unless a test sets
// folders.data before it makes the program).
struct FakeDesktop
{
    explicit FakeDesktop(const QString& settingsFolder = QString()) : folders{settingsFolder, settingsFolder}
    {}
    FakeDesktop(const QString& settingsFolder, const QString& dataFolder)
        : folders{settingsFolder, dataFolder}
    {}

    // What the program is given of it.
    Desktop parts() { return Desktop{clock, clockWatch, sound, shell, questions, folders}; }

    FakeClock clock;
    FakeClockWatch clockWatch;
    FakeSound sound;
    FakeShell shell;
    FakeQuestions questions;
    ProgramFolders folders;
};
