#include "storage/chime.h"

#include <QSettings>
#include <algorithm>

namespace chime_options {

namespace {

const QString onKey = QStringLiteral("on");
const QString soundKey = QStringLiteral("sound");
const QString quietKey = QStringLiteral("quiet");
const QString quietFromKey = QStringLiteral("quietFrom");
const QString quietToKey = QStringLiteral("quietTo");

int hourOf(const QVariant& value, int fallback)
{
    bool isNumber = false;
    const int hour = value.toInt(&isNumber);
    return isNumber ? std::clamp(hour, 0, 23) : fallback;
}

} // namespace

Chime read(QSettings& settings)
{
    settings.beginGroup(section);
    Chime chime;
    chime.on = settings.value(onKey).toBool();
    const QString sound = settings.value(soundKey).toString();
    if (!sound.isEmpty()) {
        chime.waveFile = sound;
    }
    chime.keepsQuiet = settings.value(quietKey).toBool();
    chime.quiet = {.from = hourOf(settings.value(quietFromKey), QuietHours().from),
                   .to = hourOf(settings.value(quietToKey), QuietHours().to)};
    settings.endGroup();
    return chime;
}

void write(QSettings& settings, const Chime& chime)
{
    settings.beginGroup(section);
    settings.setValue(onKey, chime.on);
    settings.setValue(soundKey, chime.waveFile.value_or(QString()));
    settings.setValue(quietKey, chime.keepsQuiet);
    settings.setValue(quietFromKey, chime.quiet.from);
    settings.setValue(quietToKey, chime.quiet.to);
    settings.endGroup();
}

} // namespace chime_options
