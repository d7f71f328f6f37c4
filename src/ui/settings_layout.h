#pragma once

#include "core/artwork.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <cstddef>

// Where the settings window puts its buttons. The window places them by these rows, and
// the artwork generator's guide sheet puts the window together from the same rows.
namespace settings_layout {

// The panel of the current design's own settings, analog or digital, in the window.
inline constexpr QRect designPanel{8, 176, 353, 73};

enum class Parent
{
    Window,
    AnalogPanel,
    DigitalPanel,
};

enum class Control
{
    Alarms,
    Design,
    AlwaysOnTop,
    NormalStacking,
    TrayIconOn,
    TrayIconOff,
    RegisterStartup,
    UnregisterStartup,
    SecondHandOn,
    SecondHandOff,
    HandColour,
    ColonBlink,
    ColonSteady,
    ReadoutColour,
    Close,
};

struct Place
{
    Control control;
    Parent parent = Parent::Window;
    QPoint at; // in the parent: the button's place, or for an option its frame's
    artwork::Face face{};
    // One of a choice of two: the button stands in a frame that shows whether it is chosen.
    bool option = false;
};

inline constexpr std::array places{
    Place{.control = Control::Alarms, .at = {16, 58}, .face = artwork::face::alarms},
    Place{.control = Control::Design, .at = {72, 58}, .face = artwork::face::design},
    Place{
        .control = Control::AlwaysOnTop, .at = {130, 56}, .face = artwork::face::alwaysOnTop, .option = true},
    Place{.control = Control::NormalStacking,
          .at = {178, 56},
          .face = artwork::face::normalStacking,
          .option = true},
    Place{.control = Control::TrayIconOn, .at = {239, 56}, .face = artwork::face::trayIconOn, .option = true},
    Place{
        .control = Control::TrayIconOff, .at = {288, 56}, .face = artwork::face::trayIconOff, .option = true},
    Place{.control = Control::RegisterStartup, .at = {348, 58}, .face = artwork::face::registerStartup},
    Place{.control = Control::UnregisterStartup, .at = {396, 58}, .face = artwork::face::unregisterStartup},
    Place{.control = Control::SecondHandOn,
          .parent = Parent::AnalogPanel,
          .at = {8, 8},
          .face = artwork::face::secondHandOn,
          .option = true},
    Place{.control = Control::SecondHandOff,
          .parent = Parent::AnalogPanel,
          .at = {64, 8},
          .face = artwork::face::secondHandOff,
          .option = true},
    Place{.control = Control::HandColour,
          .parent = Parent::AnalogPanel,
          .at = {136, 10},
          .face = artwork::face::handColour},
    Place{.control = Control::ColonBlink,
          .parent = Parent::DigitalPanel,
          .at = {8, 6},
          .face = artwork::face::colonShown,
          .option = true},
    Place{.control = Control::ColonSteady,
          .parent = Parent::DigitalPanel,
          .at = {64, 6},
          .face = artwork::face::colonShown,
          .option = true},
    Place{.control = Control::ReadoutColour,
          .parent = Parent::DigitalPanel,
          .at = {136, 8},
          .face = artwork::face::readoutColour},
    Place{.control = Control::Close, .at = {384, 232}, .face = artwork::face::close},
};

constexpr const Place& place(Control control)
{
    return places[std::size_t(control)];
}

static_assert(
    [] {
        for (std::size_t i = 0; i < places.size(); ++i) {
            if (std::size_t(places[i].control) != i) {
                return false;
            }
        }
        return true;
    }(),
    "the rows follow the order of Control");

} // namespace settings_layout
