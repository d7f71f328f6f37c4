#include "storage/gadget_options.h"

#include <QSettings>

namespace gadget_options {

namespace {

const QString sizeKey = section + QStringLiteral("/size");

} // namespace

GadgetOptions read(QSettings& settings)
{
    bool isNumber = false;
    const int percent = settings.value(sizeKey).toInt(&isNumber);
    return {.size = isNumber ? ClockSize::ofPercent(percent).value_or(ClockSize{}) : ClockSize{}};
}

void write(QSettings& settings, const GadgetOptions& options)
{
    settings.setValue(sizeKey, options.size.percent());
}

} // namespace gadget_options
