#pragma once

#include "core/colour.h"
#include "core/local_time.h"
#include "core/wave_file.h"

#include <QIcon>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>
#include <functional>
#include <optional>

// Everything the program needs from the desktop, behind one interface, so that the
// windows can be driven by a scripted fake in tests. QtPlatform is the real one.
class Platform
{
public:
    virtual ~Platform() = default;

    // The current local date and time, with its distance from UTC.
    virtual LocalTime now() const = 0;

    // The folder that holds the five settings files and the alarm file, all six together
    // (settings_location.h says which folder that is).
    virtual QString settingsFolder() const = 0;
    // The folder of the files shipped with the program: the default settings, the guide.
    virtual QString dataFolder() const = 0;

    // False on Wayland, which keeps to the desktop what X11 and Windows let a window do:
    // place itself and know where it is (its position reads as 0,0, not to be stored),
    // and cut its outline with a mask (the parts cut away show unless transparent).
    virtual bool windowsPlaceAndShapeThemselves() const = 0;

    // The standard modal message box with an OK button only. An empty caption shows
    // the application's title.
    virtual void showMessage(const QString& text, const QString& caption = QString()) = 0;

    // Starts playing a wave file once, in the background; a later request replaces a
    // sound still playing. Returns false, playing nothing, when the file cannot be
    // played (missing, unreadable, not a wave file this system plays, no audio output).
    virtual bool playWave(const QString& path) = 0;
    // Why this system cannot play the wave file, or nothing when it can: asked when the
    // user chooses one.
    virtual std::optional<WaveProblem> checkWave(const QString& path) const = 0;
    // Stops the sound playing, if any.
    virtual void stopSound() = 0;
    // The standard sound, once: alarms without a wave file, confirmations. Like a wave
    // file, it replaces a sound still playing.
    virtual void beep() = 0;

    // Shows a popup menu at a screen position and waits for the choice: the index of
    // the chosen entry, or -1 when the menu was dismissed. An entry "-" is a separator.
    virtual int popupMenu(const QStringList& entries, QPoint at) = 0;

    // Which mouse button was pressed on the notification-area icon.
    enum class TrayPress
    {
        Left,
        Right
    };

    // Puts the program's icon with its tip into the notification area, and keeps it
    // there until removed: when the desktop has none yet, the icon comes once one
    // appears, and it comes back when the panel restarts. Adding it again leaves the one
    // there. `onPress` runs for a left or right press on it (a double click adds nothing
    // to its first press), from the event loop once the press itself has been answered,
    // so that a panel waiting for that answer is not kept waiting while a menu is open.
    virtual void addTrayIcon(const QIcon& icon, const QString& tip,
                             std::function<void(TrayPress)> onPress) = 0;
    virtual void removeTrayIcon() = 0;

    // Asks for an existing file to open: the full path, or an empty string when the
    // user cancels. `filter` is a name with its patterns, as "Name (*.a *.b)".
    virtual QString chooseOpenFile(const QString& title, const QString& filter) = 0;

    // The desktop's colour dialog, opened on `initial` with the given 16 custom colours:
    // the colour the user accepted, or nothing when the dialog was cancelled or failed.
    virtual std::optional<ColourRef> chooseColour(ColourRef initial,
                                                  const std::array<ColourRef, 16>& customColours) = 0;

    // Opens a web page or a local file in the user's browser; false when nothing could
    // open it.
    virtual bool openUrl(const QUrl& url) = 0;

    // Makes the desktop start the program when the user logs on (true when done), or
    // stops it (true when an entry was there and is gone).
    virtual bool registerStartup() = 0;
    virtual bool unregisterStartup() = 0;
    // Whether the desktop starts this copy of the program when the user logs on.
    virtual bool startsAtLogOn() const = 0;
};
