#include "platform/termination.h"

// Windows asks a program to end by closing its windows (or through the session's end,
// which Application answers): there are no signals to listen for.
void closeOnTerminationRequest(QWidget*) {}
