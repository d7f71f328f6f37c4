#include "storage/gadget_options.h"

#include <QSettings>

namespace gadget_options {

namespace {

const QString sizeKey = section + QStringLiteral("/size");
const QString screenKey = section + QStringLiteral("/screen");

std::optional<QRect> screenFromText(const QString& text)
{
    const QStringList numbers = text.split(u' ', Qt::SkipEmptyParts);
    int values[4] = {};
    if (numbers.size() != 4) {
        return std::nullopt;
    }
    for (int i = 0; i < 4; ++i) {
        bool isNumber = false;
        values[i] = numbers[i].toInt(&isNumber);
        if (!isNumber) {
            return std::nullopt;
        }
    }
    const QRect screen(values[0], values[1], values[2], values[3]);
    return screen.isEmpty() ? std::nullopt : std::optional(screen);
}

} // namespace

GadgetOptions read(QSettings& settings)
{
    bool isNumber = false;
    const int percent = settings.value(sizeKey).toInt(&isNumber);
    return {.size = isNumber ? ClockSize::ofPercent(percent).value_or(ClockSize{}) : ClockSize{},
            .screen = screenFromText(settings.value(screenKey).toString())};
}

void write(QSettings& settings, const GadgetOptions& options)
{
    settings.setValue(sizeKey, options.size.percent());
    if (const std::optional<QRect>& screen = options.screen) {
        settings.setValue(screenKey, QStringLiteral("%1 %2 %3 %4")
                                         .arg(screen->x())
                                         .arg(screen->y())
                                         .arg(screen->width())
                                         .arg(screen->height()));
    }
}

} // namespace gadget_options
