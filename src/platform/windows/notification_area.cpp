#include "platform/notification_area.h"

// Windows always has its taskbar's notification area, and Qt puts the icon back there
// itself when Explorer restarts.
class NotificationArea::Watch
{};

NotificationArea::NotificationArea() = default;
NotificationArea::~NotificationArea() = default;

void NotificationArea::whenPresent(std::function<void()> then)
{
    then();
}

void NotificationArea::cancel() {}

void NotificationArea::askForStatusNotifierHost() {}
