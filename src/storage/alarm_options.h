#pragma once

#include "storage/alarm.h"

#include <QString>

class QSettings;

// The alarms' own options in the options file: one entry an alarm, in the order of the
// alarm file, each with the alarm's time, sound, display flag and message as the alarm
// file spells them. Reading gives each alarm the options of the entry that spells it the
// same way (the n-th of equal alarms the n-th of equal entries); an alarm the file was
// changed for elsewhere finds none and keeps the defaults.
namespace alarm_options {

inline const QString section = QStringLiteral("alarms");

void read(QSettings& settings, AlarmTable& table);
void write(QSettings& settings, const AlarmTable& table);

// What ties an entry to its alarm: the alarm file's own words for it. The enabled flag
// is left out, so that marking an alarm off elsewhere keeps its options.
struct Identity
{
    QString time;
    QString sound;
    QString display;
    QString message;

    friend bool operator==(const Identity&, const Identity&) = default;
};

Identity identityOf(const Alarm& alarm);
// An entry's identity, at the settings' current group or array index, and back.
Identity readIdentity(const QSettings& settings);
void writeIdentity(QSettings& settings, const Alarm& alarm);

// The days as the file spells them ("mon tue wed thu fri"), and back (spaces or commas
// between the names, in any case): a spelling that names no day gives every day.
QString daysText(std::uint8_t weekdays);
std::uint8_t daysFromText(const QString& text);

} // namespace alarm_options
