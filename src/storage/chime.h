#pragma once

#include <QString>
#include <optional>

class QSettings;

// The hours the chime keeps quiet: from the hour `from` up to the hour `to`, across
// midnight when `to` comes first (22 to 7: from 22:00 to 6:59).
struct QuietHours
{
    int from = 22; // 0..23
    int to = 7;    // 0..23

    // Whether the chime keeps quiet on the hour `hour` (0..23). The same hour twice is a
    // whole day.
    bool contain(int hour) const { return from < to ? hour >= from && hour < to : hour >= from || hour < to; }

    friend bool operator==(const QuietHours&, const QuietHours&) = default;
};

// The hourly chime: off unless switched on; the standard sound or a wave file; quiet
// hours, when chosen, when it stays silent.
struct Chime
{
    bool on = false;
    std::optional<QString> waveFile{};
    bool keepsQuiet = false;
    QuietHours quiet{};

    // Whether it sounds on the hour `hour` (0..23).
    bool soundsAt(int hour) const { return on && !(keepsQuiet && quiet.contain(hour)); }

    friend bool operator==(const Chime&, const Chime&) = default;
};

// The chime in the options file, a section of its own; a file without it is the chime's
// defaults. Hours outside 0..23 are the nearest inside.
namespace chime_options {

inline const QString section = QStringLiteral("chime");

Chime read(QSettings& settings);
void write(QSettings& settings, const Chime& chime);

} // namespace chime_options
