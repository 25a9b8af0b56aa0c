#pragma once
#include "platform/desktop_choice.h"

// Looks at the desktop before the application object exists (Qt reads its
// platform and scale when that object is made): whether an X server answers
// and what it says of the desktop's scale (Xft.dpi in the X resources, the
// window scale in XSETTINGS or GDK_SCALE), whether a Wayland compositor is
// offered, and what the player has named himself.
DesktopFacts LookAtDesktop(int argc, char** argv);

// Asks Qt for the platform and the scale chosen, through the variables Qt
// reads at start-up: QT_QPA_PLATFORM; for a scale, QT_SCALE_FACTOR with Qt's
// own reading of the screen's dpi turned off (QT_ENABLE_HIGHDPI_SCALING=0),
// so that the scale is exactly the one chosen, and the dpi of the rest for
// text in points (QT_FONT_DPI, unless the player has set it).
void ApplyDesktopChoice(const DesktopChoice& choice);

// Both, in one step, before the application object is made.
void PrepareDesktop(int argc, char** argv);
