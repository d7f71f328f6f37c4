#pragma once

#include "platform/local_time.h"

#include <QString>

// Everything the program needs from the desktop, behind one interface, so that the
// windows can be driven by a scripted fake in tests. QtPlatform is the real one.
class Platform
{
public:
    virtual ~Platform() = default;

    // The current local date and time.
    virtual LocalTime now() const = 0;

    // The folder of the running executable: settings and alarm files live there.
    virtual QString programFolder() const = 0;

    // The standard modal message box with an OK button only. An empty caption shows
    // the application's title.
    virtual void showMessage(const QString& text, const QString& caption = QString()) = 0;
};
