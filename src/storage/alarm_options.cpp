#include "storage/alarm_options.h"

#include "storage/alarm_file.h"

#include <QRegularExpression>
#include <QSettings>
#include <array>
#include <vector>

namespace alarm_options {

namespace {

constexpr std::array<const char*, 7> dayNames{"sun", "mon", "tue", "wed", "thu", "fri", "sat"};

const QString timeKey = QStringLiteral("time");
const QString soundKey = QStringLiteral("sound");
const QString displayKey = QStringLiteral("display");
const QString messageKey = QStringLiteral("message");
const QString daysKey = QStringLiteral("days");
const QString onceKey = QStringLiteral("once");

struct Entry
{
    Identity identity;
    AlarmDays days;
    bool used = false;
};

} // namespace

Identity identityOf(const Alarm& alarm)
{
    return {alarm_file::timeText(alarm), alarm_file::soundText(alarm), alarm_file::displayText(alarm),
            alarm_file::sanitize(alarm.message)};
}

Identity readIdentity(const QSettings& settings)
{
    return {settings.value(timeKey).toString(), settings.value(soundKey).toString(),
            settings.value(displayKey).toString(), settings.value(messageKey).toString()};
}

void writeIdentity(QSettings& settings, const Alarm& alarm)
{
    const Identity identity = identityOf(alarm);
    settings.setValue(timeKey, identity.time);
    settings.setValue(soundKey, identity.sound);
    settings.setValue(displayKey, identity.display);
    settings.setValue(messageKey, identity.message);
}

QString daysText(std::uint8_t weekdays)
{
    QStringList names;
    for (std::size_t day = 0; day < dayNames.size(); ++day) {
        if ((weekdays >> day & 1) != 0) {
            names << QString::fromLatin1(dayNames[day]);
        }
    }
    return names.join(u' ');
}

std::uint8_t daysFromText(const QString& text)
{
    std::uint8_t weekdays = 0;
    for (const QString& name :
         text.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts)) {
        for (std::size_t day = 0; day < dayNames.size(); ++day) {
            if (name.compare(QLatin1String(dayNames[day]), Qt::CaseInsensitive) == 0) {
                weekdays |= std::uint8_t(1 << day);
            }
        }
    }
    return weekdays != 0 ? weekdays : AlarmDays::everyDay;
}

void read(QSettings& settings, AlarmTable& table)
{
    std::vector<Entry> entries;
    const int count = settings.beginReadArray(section);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        entries.push_back({
            .identity = readIdentity(settings),
            .days = {.weekdays = daysFromText(settings.value(daysKey).toString()),
                     .once = settings.value(onceKey).toBool()},
        });
    }
    settings.endArray();

    for (Alarm& alarm : table) {
        const Identity identity = identityOf(alarm);
        for (Entry& entry : entries) {
            if (!entry.used && entry.identity == identity) {
                entry.used = true;
                alarm.days = entry.days;
                break;
            }
        }
    }
}

void write(QSettings& settings, const AlarmTable& table)
{
    settings.beginWriteArray(section, int(table.size()));
    for (std::size_t i = 0; i < table.size(); ++i) {
        settings.setArrayIndex(int(i));
        writeIdentity(settings, table[i]);
        settings.setValue(daysKey, daysText(table[i].days.weekdays));
        settings.setValue(onceKey, table[i].days.once);
    }
    settings.endArray();
}

} // namespace alarm_options
