#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for: start the clock, or print something and end.
struct CommandLineRequest
{
    bool startClock = true;
    int exitCode = 0;
    QString output;       // for standard output
    QString errorMessage; // for standard error
};

// Reads the program's arguments (the first is the program itself). --help and --version
// print and end without opening a window; an unknown option or an extra argument ends
// with a message and a non-zero exit code. The options Qt itself takes (-platform,
// -display, -session, with their values) are left to Qt.
CommandLineRequest readCommandLine(const QStringList& arguments);

// Reads argv as the program received it; when the request ends the program, prints its
// output and message and returns the exit code.
std::optional<int> answerCommandLine(int argc, char* argv[]);
