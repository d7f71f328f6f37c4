#include "storage/gadget_options.h"

#include <QSettings>

namespace gadget_options {

namespace {

const QString sizeKey = section + QStringLiteral("/size");
const QString screenKey = section + QStringLiteral("/screen");
const QString opacityKey = section + QStringLiteral("/opacity");
const QString opaqueUnderPointerKey = section + QStringLiteral("/opaqueUnderPointer");
const QString clickThroughKey = section + QStringLiteral("/clickThrough");

const QString trueWord = QStringLiteral("true");

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

ClockOpacity opacityFromText(const QString& text)
{
    bool isNumber = false;
    const int percent = text.toInt(&isNumber);
    return isNumber ? ClockOpacity::ofPercent(percent).value_or(ClockOpacity{}) : ClockOpacity{};
}

// Only the word the program writes turns an option on: a hand's "yes" or "1" leaves it off.
bool flagFromText(const QString& text)
{
    return text == trueWord;
}

} // namespace

GadgetOptions read(QSettings& settings)
{
    bool isNumber = false;
    const int percent = settings.value(sizeKey).toInt(&isNumber);
    return {.size = isNumber ? ClockSize::ofPercent(percent).value_or(ClockSize{}) : ClockSize{},
            .screen = screenFromText(settings.value(screenKey).toString()),
            .opacity = opacityFromText(settings.value(opacityKey).toString()),
            .opaqueUnderPointer = flagFromText(settings.value(opaqueUnderPointerKey).toString()),
            .clickThrough = flagFromText(settings.value(clickThroughKey).toString())};
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
    // A folder where these were never touched keeps its file as before.
    if (options.opacity != ClockOpacity{}) {
        settings.setValue(opacityKey, options.opacity.percent);
    }
    if (options.opaqueUnderPointer) {
        settings.setValue(opaqueUnderPointerKey, trueWord);
    }
    if (options.clickThrough) {
        settings.setValue(clickThroughKey, trueWord);
    }
}

} // namespace gadget_options
