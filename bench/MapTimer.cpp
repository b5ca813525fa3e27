// Starts a program and reports, from outside it, how long it took until the
// X server mapped its first top-level window, and how much memory it had
// used at most by the time it was asked to end.
//
//   map_timer SETTLE_MS PROGRAM [ARGUMENT...]
//
// Prints "<milliseconds to the map> <peak resident kilobytes>". After the map
// the program runs SETTLE_MS longer (so that what it does right after showing
// its window counts towards its memory) and is then sent SIGTERM.
// Watching the server's map events costs nothing while the program starts,
// unlike asking the server again and again from a script.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int GiveUpMs = 10000;

using Clock = std::chrono::steady_clock;

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

// Whether the server mapped a direct child of the root window before the
// program ended or the time ran out.
bool WaitForTopLevelMap(xcb_connection_t* connection, pid_t program) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(GiveUpMs);
    pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                return true;
        }
        if (waitpid(program, nullptr, WNOHANG) == program)
            return false;
        poll(&server, 1, 5); // wakes for the next event, or soon to see whether the program ended
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    const std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get())) {
        std::fprintf(stderr, "map_timer: no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection.get(), xcb_change_window_attributes_checked(connection.get(), screen->root,
                                                                             XCB_CW_EVENT_MASK, &mask));

    const auto start = Clock::now();
    const pid_t program = fork();
    if (program == 0) {
        execvp(argv[2], argv + 2);
        std::perror("map_timer: exec");
        _exit(127);
    }
    if (program < 0) {
        std::perror("map_timer: fork");
        return 2;
    }
    const bool mapped = WaitForTopLevelMap(connection.get(), program);
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    if (mapped)
        usleep(static_cast<useconds_t>(settleMs) * 1000U);
    kill(program, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(program, &status, 0, &usage);
    if (!mapped) {
        std::fprintf(stderr, "map_timer: %s mapped no window\n", argv[2]);
        return 1;
    }
    std::printf("%.2f %ld\n", elapsed.count(), usage.ru_maxrss);
    return 0;
}
