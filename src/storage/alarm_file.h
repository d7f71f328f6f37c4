#pragma once

#include "storage/alarm_record.h"

#include <QByteArray>
#include <QString>
#include <optional>

class Platform;

namespace alarm_file {

inline constexpr auto fileName = "alm.zdt";

// The file's characters are in the system's code page (UTF-8 on Linux). A file that is
// not valid UTF-8 is read as CP932, the code page of Japanese Windows installations.
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

} // namespace alarm_file

namespace alarm_file {

// The alarm table of the file at `path`. A missing file gives an empty table (the
// first save creates it); a file in the older form is rewritten in the current one.
// Failures to read or rewrite are shown through the platform; nothing is lost.
AlarmTable load(const QString& path, Platform& platform);

// Writes the table and returns it as the file now holds it, read back (what the format
// cannot hold replaced). On failure shows a message naming the file and the reason,
// leaves the old file as it was and returns nothing.
std::optional<AlarmTable> save(const QString& path, const AlarmTable& table, Platform& platform);

} // namespace alarm_file
