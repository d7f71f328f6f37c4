#pragma once

#include <QString>
#include <QTime>
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

    friend bool operator==(const Alarm&, const Alarm&) = default;
};

// The alarm table: the alarms in file order.
using AlarmTable = std::vector<Alarm>;

// The message a new alarm starts with. The file's own words live in alarm_file.
inline const QString defaultAlarmMessage = QStringLiteral("時間になりました。");
