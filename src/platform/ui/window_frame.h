#pragma once

class QWidget;

// The game's windows have a title bar without buttons: no close, minimise,
// maximise or window menu; the game is left through its own buttons.
//
// On X11 the window manager is asked through the Motif hints, which Qt only
// sets in part: the decorations (border and title) and the functions (move;
// resize for a sizeable window) are both given. A window manager that keeps
// its buttons on any title bar whatever the hints say (Openbox keeps close
// and minimise) is then asked for the border alone, on every game window from
// then on. Elsewhere (offscreen, Wayland) nothing is asked.
void AskForFrameWithoutButtons(QWidget* window, bool sizeable);
