#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// What the game asks of the desktop before it opens its first window: which
// display server to use and at what whole-number scale to draw. The windows
// are X-shaped (centred, frames without buttons, a dialog kept above its
// owner), so X comes first — XWayland on a Wayland session — and Wayland only
// when no X server answers. A platform or a scale the player has named
// himself is never overridden.

// What the platform layer has found out, before any decision.
struct DesktopFacts {
    bool platformNamed = false;   // QT_QPA_PLATFORM set, or -platform given
    std::string namedPlatform;    // the platform named, when named
    bool qtScaleNamed = false;    // one of Qt's scale variables set
    bool xAnswers = false;        // an X server took a connection
    bool waylandOffered = false;  // a Wayland compositor's socket is named or present
    int xftDpi = 0;               // Xft.dpi from the X resources, 0 when unset
    int windowScale = 0;          // the desktop's window scale (GDK_SCALE, XSETTINGS), 0 when unset
    int screenWidth = 0;          // the X screen, in device pixels
    int screenHeight = 0;
};

struct DesktopChoice {
    std::string platform;  // the Qt platform to ask for; empty: leave it to Qt or the player
    int scale = 0;         // the whole-number scale to ask Qt for; 0: leave it to Qt or the player
    int fontDpi = 0;       // with a scale: the dpi of text measured in points, 0: Qt's own

    bool operator==(const DesktopChoice&) const = default;
};

// The game's largest window, the match screen, in its own pixels; a scale is
// only taken when it still fits on the screen with room for a title bar.
inline constexpr int kLargestWindowWidth = 604;
inline constexpr int kLargestWindowHeight = 350;
inline constexpr int kTitleBarRoom = 64;

DesktopChoice ChooseDesktop(const DesktopFacts& facts);

// The scale that Xft.dpi stands for: the nearest whole multiple of 96 dpi,
// halves rounded down (144 dpi stays 1), never below 1; 0 for no value.
int ScaleForDpi(int dpi);

// Xft.dpi from the text of the X resource database (the root window's
// RESOURCE_MANAGER, as `xrdb` sets it); 0 when absent or not a number.
int XftDpi(std::string_view resources);

// An integer setting from the desktop's XSETTINGS (the bytes of the
// _XSETTINGS_SETTINGS property), e.g. "Gdk/WindowScalingFactor"; nothing
// when absent, of another type, or when the bytes are damaged.
std::optional<std::int32_t> XSettingsInteger(std::span<const std::uint8_t> settings, std::string_view name);

// A whole number as GDK_SCALE gives it: digits only, 1 or more; else 0.
int ParseWindowScale(const char* text);
