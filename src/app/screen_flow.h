#pragma once

// The moves between the screens, in one place: what each screen's signal
// hands to the next screen. Called once the nine objects exist.
void ConnectScreens();
