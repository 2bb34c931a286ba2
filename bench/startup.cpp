// Start-up time as the user feels it, measured from outside on a private Xvfb display at
// 1024 x 768: from starting the process until its full-screen window is mapped and answers
// (a _NET_WM_PING comes back, so its event loop runs). The program is clicked once on its title
// card as soon as that appears, which skips the title sequence; the bare Qt program (one label,
// full screen) is started the same way, the two interleaved. The last line is "ratio <program /
// bare>" of the medians; the goal is at most 2.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench/support/wmping.h"
#include "bench/support/xdisplay.h"
#include "bench/timing.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kPollMs = 20;
// One click, as a hand gives; again only if the program seems to have missed it. (A second click
// would land on the control screen and be work for it, not part of starting.)
constexpr int kClickAgainMs = 1000;
constexpr int kGiveUpMs = 30000;

using Clock = std::chrono::steady_clock;

pid_t spawn(const std::vector<std::string>& args) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

void endProcess(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

class Watcher {
  public:
    explicit Watcher(const std::string& display) {
        connection_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(connection_)) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        // Maps of top-level windows, and the answers to pings, which come to the root.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        protocols_ = atom("WM_PROTOCOLS");
        ping_ = atom("_NET_WM_PING");
        xcb_flush(connection_);
    }
    ~Watcher() { xcb_disconnect(connection_); }

    // When the last measured start mapped its title card.
    double titleMs() const { return titleMs_; }

    bool ok() const { return !xcb_connection_has_error(connection_) && root_ != 0; }

    // Milliseconds from now until a full-screen window of the started process is mapped and
    // answers a ping; clicks on a smaller window (the title card) when it appears. -1 on failure.
    double measure(const std::vector<std::string>& command, bool clickTitle) {
        drain();
        const auto start = Clock::now();
        const pid_t pid = spawn(command);
        xcb_window_t title = 0, full = 0;
        titleMs_ = -1;
        int titleX = 0, titleY = 0;
        auto lastClick = start;
        bool clicked = false;
        double result = -1;
        while (result < 0 && elapsedMs(start) < kGiveUpMs) {
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, kPollMs);
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const int type = event->response_type & 0x7f;
                if (type == XCB_MAP_NOTIFY && !full) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    int x = 0, y = 0, w = 0, h = 0;
                    geometry(map->window, x, y, w, h);
                    if (w == kWidth && h == kHeight) {
                        full = map->window;
                        sendPing(full);
                    } else if (!title && !map->override_redirect) {
                        title = map->window;
                        titleMs_ = elapsedMs(start);
                        titleX = x + w / 2;
                        titleY = y + h / 2;
                    }
                } else if (type == XCB_CLIENT_MESSAGE && full) {
                    const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
                    if (message->type == protocols_ && message->data.data32[0] == ping_ &&
                        message->data.data32[2] == full)
                        result = elapsedMs(start);
                }
                std::free(event);
            }
            if (clickTitle && title && !full &&
                (!clicked || elapsedMs(lastClick) >= kClickAgainMs)) {
                clicked = true;
                lastClick = Clock::now();
                click(titleX, titleY);
            }
            while (waitpid(-1, nullptr, WNOHANG) > 0) {
            }
        }
        endProcess(pid);
        return result;
    }

  private:
    static double elapsedMs(Clock::time_point since) {
        return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
    }

    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t result = reply ? reply->atom : 0;
        std::free(reply);
        return result;
    }

    void geometry(xcb_window_t window, int& x, int& y, int& w, int& h) {
        if (auto* reply = xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window),
                                                 nullptr)) {
            x = reply->x;
            y = reply->y;
            w = reply->width;
            h = reply->height;
            std::free(reply);
        }
    }

    void sendPing(xcb_window_t window) { SendWmPing(connection_, window, protocols_, ping_); }

    // xdotool clicks through the XTEST extension, as a hand on the mouse would.
    void click(int x, int y) {
        spawn({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"});
    }

    void drain() {
        xcb_flush(connection_);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t protocols_ = 0;
    xcb_atom_t ping_ = 0;
    double titleMs_ = -1;
};

// A settings folder with the preference key the installation would have made, and private
// runtime and cache folders, so no earlier run or running copy changes what is measured. The
// first start fills the cache as a user's first start does; the later ones read it.
std::string prepareHome() {
    char folder[] = "/tmp/fern-bench-XXXXXX";
    if (!mkdtemp(folder)) return {};
    const std::string root = folder;
    const std::string config = root + "/config/Vantora Software Ltd/Vantora Fernvales";
    std::system(
        ("mkdir -p '" + config + "' '" + root + "/runtime' && chmod 700 '" + root + "/runtime'")
            .c_str());
    std::ofstream(config + "/1.2.conf") << "[General]\nStateBits=0\n";
    setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/runtime").c_str(), 1);
    setenv("XDG_CACHE_HOME", (root + "/cache").c_str(), 1);
    return root;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 7;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
    XvfbDisplay display(kWidth, kHeight);
    if (!display.ok()) {
        std::fprintf(stderr, "cannot start Xvfb\n");
        return 1;
    }
    setenv("DISPLAY", display.name().c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    const std::string home = prepareHome();
    Watcher watcher(display.name());
    if (!watcher.ok() || home.empty()) {
        std::fprintf(stderr, "cannot watch the display %s\n", display.name().c_str());
        return 1;
    }
    const std::vector<std::string> program{FERN_PROGRAM};
    const std::vector<std::string> bare{FERN_BARE_PROGRAM};
    // One start of each first, unmeasured, so both read their files from the page cache.
    watcher.measure(bare, false);
    watcher.measure(program, true);
    std::vector<double> programMs, bareMs, titleMs;
    for (int run = 0; run < runs; ++run) {
        const double b = watcher.measure(bare, false);
        const double p = watcher.measure(program, true);
        if (b < 0 || p < 0) {
            std::fprintf(stderr, "run %d: a window never came up or never answered\n", run + 1);
            return 1;
        }
        bareMs.push_back(b);
        programMs.push_back(p);
        titleMs.push_back(watcher.titleMs());
        std::printf("run %d  bare %6.1f ms  program %6.1f ms (title card at %5.1f ms)\n", run + 1,
                    b, p, watcher.titleMs());
    }
    std::system(("rm -rf '" + home + "'").c_str());
    const double p = median(programMs), b = median(bareMs);
    std::printf("median  bare %6.1f ms  program %6.1f ms (title card at %5.1f ms)\n", b, p,
                median(titleMs));
    std::printf("ratio %.2f\n", p / b);
    return 0;
}
