// zumoru-startup-clock [--settle SECONDS] [--timeout SECONDS] -- COMMAND [ARGS...]
//
// Starts COMMAND in a process group of its own on the X display named by
// DISPLAY and prints, on one line, the milliseconds from the start to the
// first top-level window being shown on that display (the X server's map
// notice, so no polling delay), then the program's resident memory in
// kilobytes SECONDS (default 4) later, read from /proc. The program is then
// ended (SIGTERM, SIGKILL after five seconds) and waited for, so that the next
// start finds nothing of it left. Run it on a display of its own: the first
// window anybody shows there is taken for the program's.
//
// Exit status 0 with "VISIBLE_MS RSS_KB" on standard output; 1 when no window
// came in time or the program ended first.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long ResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// True once the child has ended (and has been waited for).
bool Ended(pid_t pid)
{
    int status = 0;
    const pid_t answer = waitpid(pid, &status, WNOHANG);
    return answer == pid || answer < 0;
}

void End(pid_t pid)
{
    kill(-pid, SIGTERM);
    const Clock::time_point asked = Clock::now();
    while (!Ended(pid)) {
        if (MsSince(asked) > 5000) {
            kill(-pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // Whatever else the program started in its group goes with it.
    kill(-pid, SIGKILL);
}

// Waits for a top-level window to be mapped; false when the child ends or
// the time runs out first.
bool WaitForWindow(xcb_connection_t* connection, pid_t child, double timeoutMs, Clock::time_point start)
{
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (MsSince(start) < timeoutMs) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (mapped)
                return true;
        }
        if (xcb_connection_has_error(connection) || Ended(child))
            return false;
        poll(&watch, 1, 10);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    double settleSeconds = 4.0;
    double timeoutSeconds = 60.0;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string option = argv[first];
        if (option == "--") {
            ++first;
            break;
        }
        if (option == "--settle" && first + 1 < argc)
            settleSeconds = std::atof(argv[++first]);
        else if (option == "--timeout" && first + 1 < argc)
            timeoutSeconds = std::atof(argv[++first]);
        else
            break;
    }
    if (first >= argc) {
        std::fputs("usage: zumoru-startup-clock [--settle SECONDS] [--timeout SECONDS] -- COMMAND [ARGS...]\n",
                   stderr);
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fputs("zumoru-startup-clock: no X display\n", stderr);
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection, xcb_change_window_attributes_checked(connection, screens.data->root,
                                                                       XCB_CW_EVENT_MASK, &mask));

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setsid();
        execvp(argv[first], argv + first);
        std::perror("zumoru-startup-clock: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("zumoru-startup-clock: fork");
        return 2;
    }

    const bool shown = WaitForWindow(connection, child, timeoutSeconds * 1000.0, start);
    const double visibleMs = MsSince(start);
    if (!shown) {
        std::fprintf(stderr, "zumoru-startup-clock: %s showed no window\n", argv[first]);
        End(child);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(settleSeconds));
    const long rssKb = ResidentKb(child);
    End(child);
    xcb_disconnect(connection);
    std::printf("%.1f %ld\n", visibleMs, rssKb);
    return rssKb < 0 ? 1 : 0;
}
