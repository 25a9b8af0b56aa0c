#include "platform/ui/desktop_start.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

bool Set(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// Qt's own variables for the scale: any of them means the player (or the
// desktop session) has chosen, and the game leaves the scale to Qt.
bool QtScaleNamed()
{
    for (const char* variable : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                                 "QT_USE_PHYSICAL_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY",
                                 "QT_AUTO_SCREEN_SCALE_FACTOR"})
        if (Set(variable))
            return true;
    return false;
}

// A compositor named by WAYLAND_DISPLAY, or the default socket where
// libwayland looks without it.
bool WaylandOffered()
{
    if (Set("WAYLAND_DISPLAY"))
        return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat socket {};
    return runtime && *runtime && ::stat((std::string(runtime) + "/wayland-0").c_str(), &socket) == 0 &&
           S_ISSOCK(socket.st_mode);
}

std::vector<std::uint8_t> Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                                   xcb_atom_t type)
{
    std::vector<std::uint8_t> bytes;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 1u << 20), nullptr);
    if (reply && reply->format == 8) {
        const auto* data = static_cast<const std::uint8_t*>(xcb_get_property_value(reply));
        bytes.assign(data, data + xcb_get_property_value_length(reply));
    }
    std::free(reply);
    return bytes;
}

xcb_atom_t Atom(xcb_connection_t* connection, const std::string& name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The window scale the desktop publishes through XSETTINGS (GNOME, Cinnamon,
// MATE and Xfce do, from their own scaling setting); 0 without one.
int XSettingsWindowScale(xcb_connection_t* connection, int screenNumber)
{
    const xcb_atom_t selection = Atom(connection, "_XSETTINGS_S" + std::to_string(screenNumber));
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const xcb_window_t manager = owner ? owner->owner : xcb_window_t{XCB_NONE};
    std::free(owner);
    if (manager == XCB_NONE)
        return 0;
    const xcb_atom_t settings = Atom(connection, "_XSETTINGS_SETTINGS");
    const std::vector<std::uint8_t> bytes = Property(connection, manager, settings, settings);
    const auto scale = XSettingsInteger(bytes, "Gdk/WindowScalingFactor");
    return scale && *scale >= 1 && *scale <= 16 ? *scale : 0;
}

void LookAtX(DesktopFacts& facts)
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    facts.xAnswers = true;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (screens.rem) {
        const xcb_screen_t* screen = screens.data;
        facts.screenWidth = screen->width_in_pixels;
        facts.screenHeight = screen->height_in_pixels;
        const std::vector<std::uint8_t> resources =
            Property(connection, screen->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING);
        facts.xftDpi = XftDpi({reinterpret_cast<const char*>(resources.data()), resources.size()});
        if (!facts.windowScale)
            facts.windowScale = XSettingsWindowScale(connection, screenNumber);
    }
    xcb_disconnect(connection);
}

} // namespace

DesktopFacts LookAtDesktop(int argc, char** argv)
{
    DesktopFacts facts;
    if (Set("QT_QPA_PLATFORM")) {
        facts.platformNamed = true;
        facts.namedPlatform = std::getenv("QT_QPA_PLATFORM");
    }
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            facts.platformNamed = true;
            facts.namedPlatform = argv[i + 1];
        }
    facts.qtScaleNamed = QtScaleNamed();
    facts.waylandOffered = WaylandOffered();
    // GDK_SCALE is the player's own word for the desktop's window scale and
    // comes before what the desktop publishes.
    facts.windowScale = ParseWindowScale(std::getenv("GDK_SCALE"));
    // X is only looked at where the game may run on it.
    if (!facts.platformNamed || facts.namedPlatform.rfind("xcb", 0) == 0)
        LookAtX(facts);
    return facts;
}

void ApplyDesktopChoice(const DesktopChoice& choice)
{
    if (!choice.platform.empty())
        ::setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
    if (choice.scale > 0) {
        ::setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        ::setenv("QT_SCALE_FACTOR", std::to_string(choice.scale).c_str(), 1);
    }
    if (choice.fontDpi > 0)
        ::setenv("QT_FONT_DPI", std::to_string(choice.fontDpi).c_str(), 0);
}

void PrepareDesktop(int argc, char** argv) { ApplyDesktopChoice(ChooseDesktop(LookAtDesktop(argc, argv))); }
