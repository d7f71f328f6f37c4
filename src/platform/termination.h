#pragma once

class QWidget;

// Closes the window, running its normal shut-down, when the process is asked to end
// (SIGTERM, SIGINT or SIGHUP where those exist).
void closeOnTerminationRequest(QWidget* window);
