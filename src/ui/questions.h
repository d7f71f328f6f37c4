#pragma once

#include "core/colour.h"

#include <QString>
#include <array>
#include <optional>

// The modal questions the windows ask the user in the desktop's own dialogs, behind one
// interface so that tests script the answers. QtQuestions is the real one.
class Questions
{
public:
    virtual ~Questions() = default;

    // The standard modal message box with an OK button only. An empty caption shows
    // the application's title.
    virtual void showMessage(const QString& text, const QString& caption = QString()) = 0;

    // Asks for an existing file to open: the full path in the system's own form, or an
    // empty string when the user cancels. `filter` is a name with its patterns, as
    // "Name (*.a *.b)". The dialog opens at `current` (a file chosen before) when given,
    // else where the last file was chosen, else in the user's music folder
    // (home, when there is none).
    virtual QString chooseOpenFile(const QString& title, const QString& filter, const QString& current) = 0;

    // The desktop's colour dialog, opened on `initial` with the given 16 custom colours:
    // the colour the user accepted, or nothing when the dialog was cancelled or failed.
    virtual std::optional<ColourRef> chooseColour(ColourRef initial,
                                                  const std::array<ColourRef, 16>& customColours) = 0;
};
