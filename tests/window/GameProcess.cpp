#include "GameProcess.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void waitSeconds(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

// The server takes the first free display number itself and writes it to a pipe: tests that
// each picked a free number and started a server on it could pick the same one at once, and
// the loser's test then ran on the winner's server, among its windows.
PrivateDisplay::PrivateDisplay() {
    int numberPipe[2];
    if (pipe(numberPipe) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        close(numberPipe[0]);
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        const std::string fd = std::to_string(numberPipe[1]);
        // -terminate: the server ends with its last client, so a client that keeps its
        // connection until exit (the window library does) never sees it vanish.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               "-terminate", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(numberPipe[1]);
    std::string number;
    const auto start = std::chrono::steady_clock::now();
    pollfd readable{numberPipe[0], POLLIN, 0};
    for (char c; pid_ > 0 && secondsSince(start) < 10;) {
        if (poll(&readable, 1, 100) <= 0) continue;
        if (read(numberPipe[0], &c, 1) != 1 || c == '\n') break;
        number += c;
    }
    close(numberPipe[0]);
    if (number.empty()) {
        if (pid_ > 0) kill(pid_, SIGTERM);
        return;
    }
    name_ = ":" + number;
    if (Display* d = XOpenDisplay(name_.c_str())) {
        keepAlive_ = d;
        ready_ = true;
    }
}

PrivateDisplay::~PrivateDisplay() {
    if (keepAlive_) XCloseDisplay(static_cast<Display*>(keepAlive_));
    if (pid_ <= 0) return;
    // Ends by itself once no client is left; one still connected in this process keeps it
    // until the process exits.
    const auto start = std::chrono::steady_clock::now();
    while (secondsSince(start) < 1) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

GameProcess::GameProcess(std::optional<Launch> launch) {
    if (launch) {
        launch_ = std::move(*launch);
        folder_ = launch_.dataFolder;
        return;
    }
    std::random_device rd;
    folder_ = std::filesystem::temp_directory_path() / ("torve-game-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::copy(TORVE_GAME_DIR, folder_, std::filesystem::copy_options::recursive);
    std::filesystem::remove(folder_ / ".stamp");
    // Progress left by someone who played in the build folder is not the test's.
    std::filesystem::remove(folder_ / "save.save");
    ownsFolder_ = true;
    launch_ = {folder_ / "torve", folder_, folder_, folder_ / "stderr.txt", {}, {}, {}};
}

GameProcess::~GameProcess() {
    if (pid_ > 0 && !status_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    std::error_code ec;
    if (ownsFolder_) std::filesystem::remove_all(folder_, ec);
}

bool GameProcess::start() {
    const std::string exe = launch_.program.string();
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (const std::string& a : launch_.arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
        int err = open(launch_.outputLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) {
            dup2(err, 2);
            dup2(err, 1);
        }
        if (launch_.user && (setgroups(0, nullptr) != 0 || setgid(launch_.user->second) != 0 ||
                             setuid(launch_.user->first) != 0))
            _exit(126);
        if (chdir(launch_.workingFolder.c_str()) != 0) _exit(127);
        setenv("ALSOFT_DRIVERS", "null", 1);
        setenv("DISPLAY", display_.name().c_str(), 1);
        for (const auto& [name, value] : launch_.environment) {
            if (value.empty()) unsetenv(name.c_str());
            else setenv(name.c_str(), value.c_str(), 1);
        }
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    return true;
}

std::optional<int> GameProcess::waitForExit(double seconds) {
    if (status_) return status_;
    const auto start = std::chrono::steady_clock::now();
    do {
        int raw = 0;
        if (waitpid(pid_, &raw, WNOHANG) == pid_) {
            status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            return status_;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (secondsSince(start) < seconds);
    return std::nullopt;
}

bool GameProcess::running() { return !waitForExit(0).has_value(); }

std::string GameProcess::standardError() const {
    std::ifstream in(launch_.outputLog);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

namespace x11 {
namespace {
struct DisplayHandle {
    explicit DisplayHandle(const std::string& name) : display(XOpenDisplay(name.c_str())) {}
    Display* display;
    ~DisplayHandle() {
        if (display) XCloseDisplay(display);
    }
};

unsigned long search(Display* d, Window w, const std::string& title) {
    char* name = nullptr;
    if (XFetchName(d, w, &name) && name) {
        const bool match = title == name;
        XFree(name);
        if (match) return w;
    }
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    unsigned long found = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i) found = search(d, children[i], title);
        if (children) XFree(children);
    }
    return found;
}
}  // namespace

unsigned long findWindow(const std::string& display, const std::string& title, double seconds) {
    DisplayHandle h(display);
    if (!h.display) return 0;
    const auto start = std::chrono::steady_clock::now();
    do {
        if (unsigned long w = search(h.display, DefaultRootWindow(h.display), title)) return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (secondsSince(start) < seconds);
    return 0;
}

std::optional<Geometry> geometry(const std::string& display, unsigned long window) {
    DisplayHandle h(display);
    XWindowAttributes a;
    if (!h.display || !XGetWindowAttributes(h.display, window, &a)) return std::nullopt;
    return Geometry{a.x, a.y, static_cast<unsigned>(a.width), static_cast<unsigned>(a.height)};
}

unsigned long rootWindow(const std::string& display) {
    DisplayHandle h(display);
    return h.display ? DefaultRootWindow(h.display) : 0;
}

void requestClose(const std::string& display, unsigned long window) {
    DisplayHandle h(display);
    if (!h.display) return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(h.display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(h.display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(h.display, window, False, NoEventMask, &event);
    XFlush(h.display);
}

int xdotool(const std::string& display, const std::string& arguments) {
    const int raw = std::system(("DISPLAY=" + display + " xdotool " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

namespace {
// Bits of a channel mask, scaled to 0..255.
std::uint8_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const unsigned long top = mask >> shift;
    return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255 / top);
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }
}  // namespace

Image capture(const std::string& display, unsigned long window) {
    Image shot;
    DisplayHandle h(display);
    if (!h.display) return shot;
    // A window that vanished between the lookup and the read is an empty shot, not a crash.
    auto previous = XSetErrorHandler(ignoreErrors);
    XWindowAttributes a;
    XImage* raw = nullptr;
    if (XGetWindowAttributes(h.display, window, &a) && a.map_state == IsViewable)
        raw = XGetImage(h.display, window, 0, 0, static_cast<unsigned>(a.width), static_cast<unsigned>(a.height),
                        AllPlanes, ZPixmap);
    XSync(h.display, False);
    XSetErrorHandler(previous);
    if (!raw) return shot;
    shot.create(static_cast<unsigned>(raw->width), static_cast<unsigned>(raw->height));
    for (int y = 0; y < raw->height; ++y)
        for (int x = 0; x < raw->width; ++x) {
            const unsigned long p = XGetPixel(raw, x, y);
            const Color c{channel(p, raw->red_mask), channel(p, raw->green_mask), channel(p, raw->blue_mask), 255};
            shot.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), c);
        }
    XDestroyImage(raw);
    return shot;
}

OtherWindow::OtherWindow(const std::string& display, int x, int y, unsigned width, unsigned height) {
    Display* d = XOpenDisplay(display.c_str());
    if (!d) return;
    display_ = d;
    id_ = XCreateSimpleWindow(d, DefaultRootWindow(d), x, y, width, height, 0, BlackPixel(d, DefaultScreen(d)),
                              BlackPixel(d, DefaultScreen(d)));
    XStoreName(d, id_, "Elsewhere");
    XSelectInput(d, id_, KeyPressMask | KeyReleaseMask);
    XMapRaised(d, id_);
    XSync(d, False);
}

OtherWindow::~OtherWindow() {
    if (!display_) return;
    Display* d = static_cast<Display*>(display_);
    XDestroyWindow(d, id_);
    XCloseDisplay(d);
}
}  // namespace x11
