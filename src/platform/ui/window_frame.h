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
// then on.
//
// On Wayland Qt asks the compositor to draw the frame where it offers to
// (sway, KDE); where it does not (GNOME), Qt draws its own title bar, always
// with close, maximise and minimise. Their harm is taken away here and in the
// game's exits: a close asks the player as on X, a window maximised or made
// full screen is put straight back to its size, and a minimised one comes
// back through the desktop's own window list with the game going on.
void AskForFrameWithoutButtons(QWidget* window, bool sizeable);
