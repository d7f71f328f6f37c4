#pragma once

#include "core/colour.h"
#include "core/setting_values.h"

#include <optional>

// A setting as a settings file holds it: the value the program means, and the number the
// file spelt it with when that is not the value's own number (a hand-edited file), so
// that a save writes back what was read. Assigning a value forgets the number.
template <typename T>
class Stored
{
public:
    Stored() = default;
    Stored(T value) : value_(value) {}

    // A value read from a file as `number`.
    static Stored asRead(T value, int number)
    {
        Stored stored(value);
        stored.number_ = number;
        return stored;
    }

    operator T() const { return value_; }
    T value() const { return value_; }
    // The number the file held, when the value's own number is not it.
    std::optional<int> numberAsRead() const { return number_; }

    friend bool operator==(const Stored&, const Stored&) = default;
    friend bool operator==(const Stored& stored, T value) { return stored.value_ == value; }

private:
    T value_{};
    std::optional<int> number_;
};

// Everything the five settings files hold.
struct ClockSettings
{
    double positionX = 0;                            // window left, twips (fomit.zdt)
    double positionY = 0;                            // window top, twips
    Stored<Stacking> alwaysOnTop = Stacking::Normal; // set.zdt
    Stored<bool> secondHand = false;                 // set1.zdt
    Stored<bool> trayIcon = false;                   // set1.zdt
    ColourRef hourHandColour = 0;                    // set2.zdt
    ColourRef minuteHandColour = 5197647;
    ColourRef secondHandColour = 255;
    DesignIndex design;                                   // set3.zdt
    ColourRef readoutColour = 16711680;                   // digital read-out; a stored 0 shows as white
    Stored<ColonStyle> colonStyle = ColonStyle::Blinking; // set3.zdt

    friend bool operator==(const ClockSettings&, const ClockSettings&) = default;
};
