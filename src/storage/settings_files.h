#pragma once

#include "core/file_failure.h"
#include "storage/clock_settings.h"

#include <QPoint>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

// Why the settings files could not be read: the file, and what is wrong with it.
struct SettingsLoadFailure
{
    enum class Problem
    {
        Unreadable,   // `file` says why
        TooFewValues, // valuesNeeded values, only valuesFound there
        NotANumber,   // value number `valueNumber` is `value`
        OutOfRange,   // value number `valueNumber` is `value`, outside low..high
    };

    FileFailure file{}; // its path always; the cause when Unreadable
    Problem problem = Problem::Unreadable;
    int valuesNeeded = 0;
    int valuesFound = 0;
    int valueNumber = 0; // counted from 1
    QString value{};     // as the file spells it
    double low = 0;
    double high = 0;
};

// The records of each file, exactly as written (CR LF included).
QByteArray positionRecord(double leftTwips, double topTwips);
QByteArray setRecord(int alwaysOnTop);
QByteArray set1Record(int secondHand, int trayIcon);
QByteArray set2Record(ColourRef hour, ColourRef minute, ColourRef second);
QByteArray set3Record(int design, ColourRef readoutColour, int colonStyle);

// The window's top-left corner in screen pixels, which the position file holds in twips:
// wild stored values are clamped so that they stay screen coordinates.
QPoint positionInPixels(const ClockSettings& settings);
void setPositionInPixels(ClockSettings& settings, QPoint topLeft);

// The five settings files in the program's folder. Reading happens once, at start-up;
// every later change rewrites a whole file, and a write that fails leaves the old file
// as it was.
class SettingsFiles
{
public:
    explicit SettingsFiles(QString folder);

    static constexpr auto positionFile = "fomit.zdt";
    static constexpr auto setFile = "set.zdt";
    static constexpr auto set1File = "set1.zdt";
    static constexpr auto set2File = "set2.zdt";
    static constexpr auto set3File = "set3.zdt";

    QString pathOf(const char* fileName) const;

    // Deletes the temporary files that saves of the six files (these five and the alarm
    // file) and of the options file left beside them when a clock was killed during one:
    // no other clock writes in this folder, so every such file is a leftover.
    void removeLeftoverTemporaries() const;

    // Reads fomit, set, set1, set2 and set3 in that order; stops at the first file that
    // is missing, short, or holds a value that is not a number in its field's range.
    std::variant<ClockSettings, SettingsLoadFailure> load() const;

    // Each returns the files that could not be written, in the order they were tried:
    // nothing when all were.
    std::vector<FileFailure> savePosition(double leftTwips, double topTwips);
    // set.zdt, set1.zdt and set2.zdt: stacking, second hand and tray icon, hand colours.
    std::vector<FileFailure> saveGeneralSettings(const ClockSettings& settings);
    // set3.zdt: design, read-out colour and colon, then seven reserved zeros.
    std::vector<FileFailure> saveDesignSettings(const ClockSettings& settings);

private:
    void write(const char* fileName, const QByteArray& record, std::vector<FileFailure>& failures);

    QString folder_;
};
