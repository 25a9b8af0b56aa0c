#pragma once

struct wl_display;

// Qt's own connection to the Wayland compositor; null on other platforms
// (X11, offscreen).
wl_display* WaylandDisplay();

// Returns once the compositor has taken every request the game has made so
// far — the pictures committed to its windows above all (one round trip, on a
// queue of our own, so that none of Qt's events is handled here). Elsewhere
// it returns at once.
void WaylandRoundTrip();
