#include "storage/snooze.h"

#include "storage/alarm_options.h"

#include <QDateTime>
#include <QSettings>

namespace snooze_options {

namespace {

const QString lengthKey = QStringLiteral("minutes");
const QString alarmsKey = QStringLiteral("alarms");
const QString dueKey = QStringLiteral("due");

} // namespace

Options read(QSettings& settings, const AlarmTable& table)
{
    Options options;
    settings.beginGroup(section);
    bool isNumber = false;
    const int minutes = settings.value(lengthKey).toInt(&isNumber);
    if (isNumber) {
        options.length = SnoozeLength(minutes);
    }
    const int count = settings.beginReadArray(alarmsKey);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QDateTime due = QDateTime::fromString(settings.value(dueKey).toString(), Qt::ISODateWithMs);
        const alarm_options::Identity identity = alarm_options::readIdentity(settings);
        const auto alarm = std::find_if(table.begin(), table.end(), [&](const Alarm& candidate) {
            return alarm_options::identityOf(candidate) == identity;
        });
        if (!due.isValid() || alarm == table.end()) {
            continue;
        }
        options.snoozed.push_back(
            {.alarm = *alarm, .dueUtcMs = due.toMSecsSinceEpoch(), .utcOffset = due.offsetFromUtc()});
    }
    settings.endArray();
    settings.endGroup();
    return options;
}

void write(QSettings& settings, const Options& options)
{
    settings.beginGroup(section);
    if (options.length) {
        settings.setValue(lengthKey, options.length->minutes());
    }
    if (!options.snoozed.empty()) {
        settings.beginWriteArray(alarmsKey, int(options.snoozed.size()));
        for (std::size_t i = 0; i < options.snoozed.size(); ++i) {
            const Snooze& snooze = options.snoozed[i];
            settings.setArrayIndex(int(i));
            alarm_options::writeIdentity(settings, snooze.alarm);
            // The local time with its distance from UTC: the moment and what the clock shows.
            const QDateTime due =
                QDateTime::fromMSecsSinceEpoch(snooze.dueUtcMs, Qt::OffsetFromUTC, snooze.utcOffset);
            settings.setValue(dueKey, due.toString(Qt::ISODateWithMs));
        }
        settings.endArray();
    }
    settings.endGroup();
}

} // namespace snooze_options
