#pragma once

#include "platform/desktop_shell.h"

#include <QString>

// The words that differ by the desktop the clock runs on.
namespace desktop_words {

// The product window's name line: the product and the desktop it is built for.
QString productEdition(DesktopFamily family);

// The settings window's help for the start-up button: when the desktop starts the clock.
QString startupRegistrationHelp(DesktopFamily family);

} // namespace desktop_words
