#pragma once

#include "storage/alarm.h"

#include <QString>
#include <QTime>
#include <algorithm>
#include <optional>
#include <vector>

class QSettings;

// How long a snoozed alarm waits before it rings again: whole minutes, 1 to 30.
class SnoozeLength
{
public:
    static constexpr int shortest = 1;
    static constexpr int longest = 30;
    static constexpr int standard = 5;

    constexpr SnoozeLength() = default;
    // A length outside 1..30 is the nearest one inside.
    constexpr explicit SnoozeLength(int minutes) : minutes_(std::clamp(minutes, shortest, longest)) {}

    constexpr int minutes() const { return minutes_; }
    constexpr long long milliseconds() const { return minutes_ * 60'000LL; }

    friend bool operator==(const SnoozeLength&, const SnoozeLength&) = default;

private:
    int minutes_ = standard;
};

// An alarm snoozed: it rings again at `dueUtcMs` (milliseconds since the epoch, UTC),
// which a clock `utcOffset` seconds east of UTC shows as dueLocal().
struct Snooze
{
    Alarm alarm;
    long long dueUtcMs = 0;
    int utcOffset = 0;

    QTime dueLocal() const
    {
        constexpr long long msPerDay = 86'400'000;
        const long long local = dueUtcMs + utcOffset * 1000LL;
        return QTime::fromMSecsSinceStartOfDay(int((local % msPerDay + msPerDay) % msPerDay));
    }

    friend bool operator==(const Snooze&, const Snooze&) = default;
};

// The snooze in the options file, a section of its own: the length, when one was set,
// and the alarms snoozed, each by the alarm file's words for it and the moment it rings
// again (ISO 8601 with the clock's distance from UTC).
namespace snooze_options {

inline const QString section = QStringLiteral("snooze");

struct Options
{
    std::optional<SnoozeLength> length{};
    std::vector<Snooze> snoozed{};
};

// The alarms snoozed are those of `table` that an entry names; the others are left out.
Options read(QSettings& settings, const AlarmTable& table);
void write(QSettings& settings, const Options& options);

} // namespace snooze_options
