#include "platform/ui/display_sync.h"

#include "platform/ui/wayland_display.h"
#include "platform/ui/x11_display.h"

void WaitUntilDisplayed()
{
    X11RoundTrip();
    WaylandRoundTrip();
}
