#pragma once
// Playing by keys. Tab and the arrow keys move the focus through a screen's
// controls in its reading order, Space and Enter press the focused one. The
// focus is shown only once the player has used a key in that window, and
// hidden again at the next mouse press, so a mouse player sees exactly the
// designed picture.
#include <QWidget>
#include <initializer_list>

// Makes `window` one of the game's windows for the keys (every screen gets
// this with its window set-up).
void UseKeyboard(QWidget* window);

// The screen's controls in reading order, by widget name: Tab and the arrows
// go through them in this order, skipping every one the mouse could not press
// just then (see `ReachableByHand`). Every other widget of the screen is left
// out of the keyboard's way.
void SetReadingOrder(QWidget* window, std::initializer_list<const char*> names);

// A control that handles the arrow keys itself (the board's cursor).
void KeepArrowKeys(QWidget* control);

// Whether a press of the mouse in the middle of `control` would land on it
// (or on a part of it): it is shown, takes input, and no other widget of its
// window lies over it. The keys and a screen reader reach only such controls:
// the give-up button under the match's finish panel, say, is out of reach.
bool ReachableByHand(const QWidget* control);

// Gives the focus to the first control, in reading order, inside `area` (a
// page just shown).
void FocusFirstControl(QWidget* area);

// Whether `widget` shows that it has the keyboard focus: it has it, and the
// player of its window is using the keys. A name box shows it by its caret,
// the board by its cursor; any other control gets a thin dotted frame around.
bool ShowsKeyboardFocus(const QWidget* widget);

// Disables or enables a screen for an animation, a dialog or the computer's
// move, as `setEnabled` does, but gives the keyboard focus back to the
// control that had it once the screen takes input again (or, when that one
// is gone, to the screen's first control).
void SetScreenEnabled(QWidget* window, bool enabled);
