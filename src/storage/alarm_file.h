#pragma once

#include "core/file_failure.h"
#include "storage/alarm.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

// The alarm file: one alarm a line, five values: the time "hh:mm" (quoted), the enabled
// flag (bare 1 or 0), the sound ("標準" or a wave file's full path), the display flag and
// the message (all quoted).
namespace alarm_file {

inline constexpr auto fileName = "alm.zdt";

// The words the file uses for the standard sound and the display flag; they are also
// how the alarm windows show them.
inline const QString standardSound = QStringLiteral("標準");
inline const QString displayOn = QStringLiteral(" 表示 ");
inline const QString displayOff = QStringLiteral("非表示");

// The file is written in UTF-8 on every system (the system's code page of a Windows
// installation may lack the characters of a message). A file that is not valid UTF-8 is
// read as CP932, the code page of Japanese Windows installations, which older files use.
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

struct Parsed
{
    AlarmTable table;
    // The file was in the older four-value form and must be rewritten.
    bool upgraded = false;
};

// A file whose every line holds four values is in the older four-value form: it reads
// with the default message and must be rewritten. Anything else reads in the current
// five-value form; a damaged file gives the records read before the damage.
// Records with an empty time are dropped; an empty display flag means the standard
// sound with the message window.
Parsed parse(const QString& content);

// Reads a file as the save reads it back: five values a record, nothing dropped.
AlarmTable parseSaved(const QString& content);

// The file's text. The enabled flag is written bare by the save and quoted by the
// upgrade. A double quote or a line break cannot stand inside a value, so they become
// a full-width quote and a space.
QString format(const AlarmTable& table, bool quoteEnabledFlag);

// Replaces what the record format cannot hold.
QString sanitize(const QString& value);

// The time as the file writes it: "hh:mm", or the file's own spelling of it.
QString timeText(const Alarm& alarm);
// The sound as the file writes it: "標準" or the wave file's path.
QString soundText(const Alarm& alarm);
// The display flag as the file writes it.
QString displayText(const Alarm& alarm);

// An alarm whose time is no time of day ("25:00", "07:60", "7:05" in a hand-edited file):
// it never rings.
struct UnreadableTime
{
    QString path;
    int alarmNumber; // counted from 1, in file order
    QString time;    // as the file spells it
};

struct Load
{
    AlarmTable table{};
    // Why the file could not be read: the table is then empty.
    std::optional<FileFailure> readFailure{};
    // Why a file in the older form could not be rewritten in the current one.
    std::optional<FileFailure> upgradeFailure{};
    // The first alarm whose time cannot ring. It stays in the table as read, and a save
    // writes it back so.
    std::optional<UnreadableTime> unreadableTime{};
};

// The alarm table of the file at `path`. A missing file gives an empty table (the
// first save creates it); a file in the older form is rewritten in the current one.
Load load(const QString& path);

// Writes the table and returns it as the file now holds it, read back (what the format
// cannot hold replaced). On failure the old file is left as it was.
std::variant<AlarmTable, FileFailure> save(const QString& path, const AlarmTable& table);

} // namespace alarm_file
