#pragma once

#include "core/artwork.h"
#include "ui/layout_order.h"

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
    Options,
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
    Place{.control = Control::RegisterStartup,
          .at = {346, 56},
          .face = artwork::face::registerStartup,
          .option = true},
    Place{.control = Control::UnregisterStartup,
          .at = {394, 56},
          .face = artwork::face::unregisterStartup,
          .option = true},
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
    Place{.control = Control::Options, .at = {384, 184}, .face = artwork::face::options},
};

constexpr const Place& place(Control control)
{
    return places[std::size_t(control)];
}

// The engraved lines between the groups of buttons and under the headings: a black line
// from `from` to `to`, and a grey one beside it (right of a vertical one, under a
// horizontal one).
struct Separator
{
    Parent parent;
    QPoint from;
    QPoint to;
};

inline constexpr std::array separators{
    Separator{Parent::Window, {63, 56}, {63, 112}},      Separator{Parent::Window, {120, 56}, {120, 112}},
    Separator{Parent::Window, {228, 56}, {228, 112}},    Separator{Parent::Window, {340, 56}, {340, 112}},
    Separator{Parent::Window, {75, 41}, {440, 41}},      Separator{Parent::Window, {144, 164}, {360, 164}},
    Separator{Parent::AnalogPanel, {119, 8}, {119, 64}}, Separator{Parent::DigitalPanel, {120, 8}, {120, 64}},
};

// The words under each group of buttons, centred in their box: under the buttons, and in
// the top row in the room between two separators, clear of both.
struct Caption
{
    Parent parent;
    QRect box;
    const char* text;
};

inline constexpr std::array captions{
    Caption{Parent::Window, {8, 102, 55, 12}, "アラーム"},
    Caption{Parent::Window, {65, 102, 55, 12}, "画像変更"},
    Caption{Parent::Window, {122, 102, 106, 12}, "前面表示／非表示"},
    Caption{Parent::Window, {230, 102, 110, 12}, "トレイ常駐/非常駐"},
    Caption{Parent::Window, {342, 102, 102, 12}, "スタートアップ"},
    Caption{Parent::AnalogPanel, {8, 54, 100, 12}, "秒針表示／非表示"},
    Caption{Parent::AnalogPanel, {121, 54, 70, 12}, "針の色変更"},
    Caption{Parent::DigitalPanel, {8, 52, 100, 12}, "：点滅あり／なし"},
    Caption{Parent::DigitalPanel, {122, 52, 68, 12}, "色変更"},
};

static_assert(followsEnumOrder<&Place::control>(places), "the rows follow the order of Control");

} // namespace settings_layout
