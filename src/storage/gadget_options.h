#pragma once

#include "core/setting_values.h"

#include <QRect>
#include <QString>
#include <optional>

class QSettings;

// The clock's own options as a desktop gadget, in their section of the options file: its
// size as a percentage ("size=150"), and where several screens are, the screen its
// position lies on, as left, top, width and height ("screen=1920 0 1280 1024"). A number
// that is no size of the table reads as the clock as designed, a screen not spelled so as
// none. How much of it shows ("opacity=70", opaque while the pointer is over it with
// "opaqueUnderPointer=true") and whether clicks pass through it ("clickThrough=true") are
// written only when not as the clock always was; an opacity that is no step, or a flag
// spelled other than "true", reads as the clock always was.
namespace gadget_options {

inline const QString section = QStringLiteral("gadget");

struct GadgetOptions
{
    ClockSize size{};
    std::optional<QRect> screen{};
    ClockOpacity opacity{};
    bool opaqueUnderPointer = false;
    bool clickThrough = false;

    friend bool operator==(const GadgetOptions&, const GadgetOptions&) = default;
};

GadgetOptions read(QSettings& settings);
void write(QSettings& settings, const GadgetOptions& options);

} // namespace gadget_options
