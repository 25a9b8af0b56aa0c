#pragma once
// Pictures of the screens as the player sees them. On a real X display the
// picture is read back from the display itself (so a test that looks at it
// checks what reached the screen); elsewhere it is the window's own rendering.
#include <QColor>
#include <QImage>

class QWidget;

// The window's client area now, at the window's pixel density.
QImage Capture(QWidget* window);

// Saves `picture` as `file` (a name like "match-result.png") in the folder the
// environment variable ZUMORU_SCREENSHOTS names; does nothing without it.
void SaveScreenshot(const QImage& picture, const char* file);
// The same for a window as it is now.
void SaveScreenshot(QWidget* window, const char* file);

// How far the caption of `widget` leans to the right as its window shows it,
// beyond the same caption in upright type: pixels across per pixel up, fitted
// over the caption's ink, the pixels near the colour `ink`. A shape taller
// than `tallest` pixels is a picture beside the caption, not a letter, and
// does not count.
double Slant(QWidget* widget, QColor ink, int tallest);
