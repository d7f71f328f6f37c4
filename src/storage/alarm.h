#pragma once

#include <QString>
#include <QTime>
#include <cstdint>
#include <optional>
#include <vector>

// How the alarm file spelt an alarm's fields where the typed values do not say it all
// (a hand-edited file: a time that is not "hh:mm", a sound or display flag of its own, an
// enabled flag other than 1 and 0): a save writes each back as read, as long as the
// alarm still means what was read. Only the alarm file reads it.
struct AlarmSpelling
{
    std::optional<QString> time{};
    std::optional<QString> enabled{};
    std::optional<QString> sound{};
    std::optional<QString> display{};

    friend bool operator==(const AlarmSpelling&, const AlarmSpelling&) = default;
};

// The days an alarm rings on: chosen days of the week (every day unless chosen), or
// once, at its next time whatever the day, after which it switches itself off.
struct AlarmDays
{
    // Bit n for day n of the week, 0 = Sunday .. 6 = Saturday, as LocalTime counts them.
    static constexpr std::uint8_t everyDay = 0x7F;
    static constexpr std::uint8_t workdays = 0x3E; // Monday to Friday

    std::uint8_t weekdays = everyDay;
    bool once = false;

    bool ringsOn(int weekday) const { return once || (weekdays >> weekday & 1) != 0; }

    friend bool operator==(const AlarmDays&, const AlarmDays&) = default;
};

// One alarm.
struct Alarm
{
    // The set time; invalid when the file's time is none (such an alarm never rings).
    QTime at{};
    bool enabled = true;
    // The wave file to play; none plays the standard sound.
    std::optional<QString> waveFile{};
    // Whether ringing shows the message window.
    bool showsMessage = true;
    QString message{};
    AlarmSpelling spelling{};
    // Kept in the options file, not in the alarm file.
    AlarmDays days{};

    friend bool operator==(const Alarm&, const Alarm&) = default;
};

// The alarm table: the alarms in file order.
using AlarmTable = std::vector<Alarm>;

// The message a new alarm starts with. The file's own words live in alarm_file.
inline const QString defaultAlarmMessage = QStringLiteral("時間になりました。");
