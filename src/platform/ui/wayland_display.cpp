#include "platform/ui/wayland_display.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

wl_display* WaylandDisplay()
{
    // Qt 6.4 hands its display out only through the platform's native
    // interface.
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("wayland"))
        return nullptr;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

void WaylandRoundTrip()
{
    wl_display* display = WaylandDisplay();
    if (!display)
        return;
    // Qt writes its requests into the connection's buffer and sends them when
    // its event loop next runs; a blocking wait would keep them back. The
    // round trip sends them and waits for the compositor's answer.
    static wl_event_queue* const queue = wl_display_create_queue(display);
    wl_display_roundtrip_queue(display, queue);
}
