#pragma once

// Returns once the display server has taken every drawing request the game
// has made so far: one round trip to the X server, or to the Wayland
// compositor. Elsewhere (offscreen) it returns at once.
void WaitUntilDisplayed();
