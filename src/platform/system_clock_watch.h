#pragma once

#include "platform/clock_watch.h"

#include <memory>

// The system's notices of a set clock and of a resume, each system its own (xdg/,
// windows/): Linux a real-time timerfd that a set clock cancels, Windows the messages
// it sends every top-level window.
std::unique_ptr<ClockWatch> makeSystemClockWatch();
