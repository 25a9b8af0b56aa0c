// A mouse for a headless wlroots compositor (sway), which has no input device
// of its own: a virtual pointer, kept for as long as this program runs, that
// moves and presses where it is told.
//
//   wayland_pointer WIDTH HEIGHT      (WAYLAND_DISPLAY names the compositor)
//
// Reads one command a line from standard input and answers "ok" once the
// compositor has taken it:
//   move X Y     the pointer to X, Y on the output of WIDTH x HEIGHT
//   press X Y    there, then a left press and release
//
// The compositor offers the pointer to its clients as soon as it exists; the
// first "ok" (printed before any command) tells the caller it is there.
#include <wayland-client.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

// The two interfaces of wlroots' virtual-pointer protocol that this program
// uses, written out as libwayland describes interfaces: every request's name,
// signature and the interfaces of its object arguments.
extern const wl_interface virtualPointerInterface;

const wl_interface* noTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface* createTypes[] = {&wl_seat_interface, &virtualPointerInterface};
const wl_interface* createWithOutputTypes[] = {&wl_seat_interface, &wl_output_interface, &virtualPointerInterface};

const wl_message managerRequests[] = {
    {"create_virtual_pointer", "?on", createTypes},
    {"destroy", "", noTypes},
    {"create_virtual_pointer_with_output", "2?o?on", createWithOutputTypes},
};
const wl_interface managerInterface = {"zwlr_virtual_pointer_manager_v1", 1, 3, managerRequests, 0, nullptr};

const wl_message pointerRequests[] = {
    {"motion", "uff", noTypes},           {"motion_absolute", "uuuuu", noTypes}, {"button", "uuu", noTypes},
    {"axis", "uuf", noTypes},             {"frame", "", noTypes},                {"axis_source", "u", noTypes},
    {"axis_stop", "uu", noTypes},         {"axis_discrete", "uufi", noTypes},    {"destroy", "", noTypes},
};
const wl_interface virtualPointerInterface = {"zwlr_virtual_pointer_v1", 1, 9, pointerRequests, 0, nullptr};

enum PointerRequest : std::uint32_t { kMotionAbsolute = 1, kButton = 2, kFrame = 4, kDestroy = 8 };
constexpr std::uint32_t kLeftButton = 0x110;  // BTN_LEFT
constexpr std::uint32_t kPressed = 1, kReleased = 0;

wl_seat* seat = nullptr;
wl_proxy* manager = nullptr;

void Global(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, managerInterface.name) == 0)
        manager = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &managerInterface, 1));
}
void GlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener registryListener = {Global, GlobalRemove};

std::uint32_t Now()
{
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: wayland_pointer WIDTH HEIGHT\n", stderr);
        return 2;
    }
    const auto width = static_cast<std::uint32_t>(std::atoi(argv[1]));
    const auto height = static_cast<std::uint32_t>(std::atoi(argv[2]));
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fputs("wayland_pointer: no compositor\n", stderr);
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, nullptr);
    wl_display_roundtrip(display);
    if (!manager) {
        std::fputs("wayland_pointer: the compositor offers no virtual pointer\n", stderr);
        return 1;
    }
    auto* pointer = wl_proxy_marshal_constructor(manager, 0, &virtualPointerInterface, seat, nullptr);
    wl_display_roundtrip(display);
    // The clients learn of the new pointer and ask for it; give them the time
    // before the first move.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::cout << "ok" << std::endl;

    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words(line);
        std::string command;
        std::uint32_t x = 0, y = 0;
        if (!(words >> command >> x >> y) || (command != "move" && command != "press")) {
            std::cout << "unknown: " << line << std::endl;
            continue;
        }
        wl_proxy_marshal(pointer, kMotionAbsolute, Now(), x, y, width, height);
        wl_proxy_marshal(pointer, kFrame);
        if (command == "press") {
            wl_proxy_marshal(pointer, kButton, Now(), kLeftButton, kPressed);
            wl_proxy_marshal(pointer, kFrame);
            wl_proxy_marshal(pointer, kButton, Now(), kLeftButton, kReleased);
            wl_proxy_marshal(pointer, kFrame);
        }
        if (wl_display_roundtrip(display) < 0)
            return 1;
        std::cout << "ok" << std::endl;
    }
    wl_proxy_marshal(pointer, kDestroy);
    wl_proxy_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
