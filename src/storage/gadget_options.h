#pragma once

#include "core/setting_values.h"

#include <QString>

class QSettings;

// The clock's own options as a desktop gadget, in their section of the options file: its
// size as a percentage ("size=150"). A number that is no size of the table reads as the
// clock as designed.
namespace gadget_options {

inline const QString section = QStringLiteral("gadget");

struct GadgetOptions
{
    ClockSize size;

    friend bool operator==(const GadgetOptions&, const GadgetOptions&) = default;
};

GadgetOptions read(QSettings& settings);
void write(QSettings& settings, const GadgetOptions& options);

} // namespace gadget_options
