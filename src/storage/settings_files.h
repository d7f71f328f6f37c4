#pragma once

#include "storage/clock_settings.h"

#include <QString>
#include <optional>

class Platform;

struct SettingsLoad
{
    std::optional<ClockSettings> settings;
    QString error; // names the file and what is wrong when settings is empty
};

// The records of each file, exactly as written (CR LF included).
QByteArray positionRecord(double leftTwips, double topTwips);
QByteArray setRecord(int alwaysOnTop);
QByteArray set1Record(int secondHand, int trayIcon);
QByteArray set2Record(ColourRef hour, ColourRef minute, ColourRef second);
QByteArray set3Record(int design, ColourRef readoutColour, int colonStyle);

// The five settings files in the program's folder. Reading happens once, at start-up;
// every later change rewrites a whole file. A write that fails is reported in a
// message box naming the file and the reason, and leaves the old file as it was.
class SettingsFiles
{
public:
    SettingsFiles(QString folder, Platform& platform);

    static constexpr auto positionFile = "fomit.zdt";
    static constexpr auto setFile = "set.zdt";
    static constexpr auto set1File = "set1.zdt";
    static constexpr auto set2File = "set2.zdt";
    static constexpr auto set3File = "set3.zdt";

    QString pathOf(const char* fileName) const;

    // Reads fomit, set, set1, set2 and set3 in that order; stops at the first file that
    // is missing, short, or holds a value that is not a number in its field's range.
    SettingsLoad load() const;

    // How a failed write is reported: in a message box, or on standard error while the
    // program ends, when nobody may be there to answer a box (log-out, SIGTERM).
    enum class FailureReport
    {
        MessageBox,
        StandardError
    };

    // Each returns false (after the report) when a file could not be written.
    bool savePosition(double leftTwips, double topTwips, FailureReport report = FailureReport::MessageBox);
    // set.zdt, set1.zdt and set2.zdt: stacking, second hand and tray icon, hand colours.
    bool saveGeneralSettings(const ClockSettings& settings);
    // set3.zdt: design, read-out colour and colon, then seven reserved zeros.
    bool saveDesignSettings(const ClockSettings& settings);

private:
    bool write(const char* fileName, const QByteArray& record,
               FailureReport report = FailureReport::MessageBox);

    QString folder_;
    Platform& platform_;
    QString lastReportedFailure_;
};
