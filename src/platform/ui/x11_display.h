#pragma once

struct xcb_connection_t;

// Qt's own connection to the X server; null on other platforms (offscreen,
// Wayland).
xcb_connection_t* X11Connection();

// Returns once the X server has carried out every drawing request the game
// has made so far (one round trip). Elsewhere it returns at once.
void X11RoundTrip();
