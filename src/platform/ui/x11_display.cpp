#include "platform/ui/x11_display.h"

#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

xcb_connection_t* X11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

void X11RoundTrip()
{
    if (xcb_connection_t* connection = X11Connection())
        // Any request with a reply will do: the server answers in order.
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}
