// Starts a program on the current X display and reports how long it took from the
// exec until its window first showed the picture it settles on, and the program's
// resident memory once it is idle.
//
// Usage: first-paint SETTLE_MS PROGRAM [ARGUMENT...]
// Prints: <milliseconds to first paint> <resident kilobytes>
//
// Each time the server reports new drawing in the window (DAMAGE), the window's
// pixels are read and hashed. After SETTLE_MS of the window being mapped the final
// picture is hashed too; the first paint is the earliest report whose picture
// already equals the final one. Startup flicker (a background fill, a half-drawn
// frame) therefore does not count as painted.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

struct Capture {
    Clock::time_point time;
    std::uint64_t hash;
};

std::optional<std::uint64_t> HashWindow(xcb_connection_t* connection, xcb_window_t window)
{
    XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    if (!geometry)
        return std::nullopt;
    XcbReply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0u),
                            nullptr),
        &std::free);
    if (!image)
        return std::nullopt;
    const std::uint8_t* data = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (int index = 0; index < length; ++index)
        hash = (hash ^ data[index]) * 1099511628211ull;
    return hash;
}

long ResidentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

pid_t Launch(char** argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

struct Watch {
    xcb_connection_t* connection;
    uint8_t damageEvent;
    xcb_window_t window = XCB_NONE;
    xcb_damage_damage_t damage = XCB_NONE;
    std::optional<Clock::time_point> mappedAt;
    std::vector<Capture> captures;

    void Record()
    {
        if (const auto hash = HashWindow(connection, window))
            captures.push_back({Clock::now(), *hash});
    }

    void Handle(const xcb_generic_event_t& event)
    {
        const int type = event.response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
            const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
            window = map.window;
            mappedAt = Clock::now();
            damage = xcb_generate_id(connection);
            xcb_damage_create(connection, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            Record();
        } else if (type == damageEvent + XCB_DAMAGE_NOTIFY && window != XCB_NONE) {
            xcb_damage_subtract(connection, damage, XCB_NONE, XCB_NONE);
            Record();
        }
    }
};

void WaitForEvent(xcb_connection_t* connection, Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0)
        return;
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    poll(&descriptor, 1, static_cast<int>(left.count()));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::chrono::milliseconds settle(std::atoi(argv[1]));
    // Some sandboxes' X servers now and then reset a new connection.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    for (int attempt = 1; attempt < 5 && xcb_connection_has_error(connection); ++attempt) {
        xcb_disconnect(connection);
        usleep(50000);
        connection = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "first-paint: cannot open the display (xcb error %d)\n", xcb_connection_has_error(connection));
        return 2;
    }
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!extension || !extension->present) {
        std::fprintf(stderr, "first-paint: the X server has no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    Watch watch{connection, extension->first_event, XCB_NONE, XCB_NONE, std::nullopt, {}};
    const auto started = Clock::now();
    const pid_t pid = Launch(argv + 2);
    for (;;) {
        const auto deadline = watch.mappedAt ? *watch.mappedAt + settle : started + std::chrono::seconds(20);
        if (Clock::now() >= deadline || (!watch.mappedAt && waitpid(pid, nullptr, WNOHANG) == pid))
            break;
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            WaitForEvent(connection, std::min(deadline, Clock::now() + std::chrono::milliseconds(100)));
            continue;
        }
        watch.Handle(*event);
        std::free(event);
        xcb_flush(connection);
    }

    const long resident = ResidentKilobytes(pid);
    const auto final = watch.window != XCB_NONE ? HashWindow(connection, watch.window) : std::nullopt;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    if (!final) {
        std::fprintf(stderr, "first-paint: %s showed no window\n", argv[2]);
        return 1;
    }
    for (const Capture& capture : watch.captures) {
        if (capture.hash == *final) {
            const std::chrono::duration<double, std::milli> elapsed = capture.time - started;
            std::printf("%.1f %ld\n", elapsed.count(), resident);
            return 0;
        }
    }
    std::fprintf(stderr, "first-paint: %s kept changing its window\n", argv[2]);
    return 1;
}
