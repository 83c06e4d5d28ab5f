// The window tests' shared fixture: a virtual X server of the test's own
// (Xvfb), the real programs started on it or on a Wayland compositor
// (weston) on it, and what the tests see of them: their windows, the pixels
// they show, their exit status and standard error.
#pragma once
#include <gtest/gtest.h>
// After gtest: Xlib's macros (None, Bool, Status) would clash with it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cairo.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "engine/platform/screen.h"

namespace window_test {

using namespace std::chrono_literals;

inline const std::string kMorvane = COURSE_BINARY_DIR "/Morvane";
inline const std::string kTalisse = COURSE_BINARY_DIR "/Talisse";

inline std::optional<std::string> find_on_path(const std::string& name) {
    for (const char* dir : {"/usr/bin", "/usr/local/bin", "/bin"})
        if (std::filesystem::exists(std::string(dir) + "/" + name)) return std::string(dir) + "/" + name;
    return std::nullopt;
}

// The text of a file from byte `from` on.
inline std::string file_text(const std::string& path, std::streamoff from = 0) {
    std::ifstream in(path);
    in.seekg(from);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A child process we started, stopped (by its own id) when the test ends.
struct Child {
    pid_t pid = -1;
    ~Child() { stop(); }
    void stop() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        kill(pid, SIGCONT);  // a test may have stopped it
        if (!wait_for_exit(5s)) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        pid = -1;
    }
    // The exit status, or nullopt if it has not ended within `limit`.
    std::optional<int> wait_for_exit(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(50ms);
        }
        return std::nullopt;
    }
    // Ends it at once: a display server that goes down with no warning.
    void kill_now() {
        if (pid <= 0) return;
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
    // Waits until it runs `program` and has a socket open: a program
    // started on a display server then has its signal handlers in place and
    // is connecting to it. (Until it runs the program, it has the test's own
    // sockets.)
    bool wait_for_socket(const std::string& program, std::chrono::milliseconds limit = 30s) const {
        const auto end = std::chrono::steady_clock::now() + limit;
        const std::filesystem::path proc = "/proc/" + std::to_string(pid);
        while (std::chrono::steady_clock::now() < end) {
            std::error_code ignored;
            if (std::filesystem::read_symlink(proc / "exe", ignored) == std::filesystem::canonical(program))
                for (const auto& fd : std::filesystem::directory_iterator(proc / "fd", ignored))
                    if (std::filesystem::read_symlink(fd.path(), ignored).string().rfind("socket:", 0) == 0)
                        return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
    // User plus system CPU time so far, in seconds.
    double cpu_seconds() const {
        const std::string stat = file_text("/proc/" + std::to_string(pid) + "/stat");
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::string f;
        unsigned long long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && fields >> f; ++i) {
            if (i == 14) utime = std::stoull(f);
            if (i == 15) stime = std::stoull(f);
        }
        return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
    }
};

inline void save(const plat::Image& img, const char* path) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, img.width, img.height);
    cairo_surface_flush(s);
    auto* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) reinterpret_cast<uint32_t*>(data + y * stride)[x] = img.at(x, y);
    cairo_surface_mark_dirty(s);
    cairo_surface_write_to_png(s, path);
    cairo_surface_destroy(s);
}

// A file or directory of the test's own under the temporary directory,
// removed when the test ends, however it ends.
struct TempPath {
    std::filesystem::path path;
    explicit TempPath(const std::string& name)
        : path(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()))) {}
    ~TempPath() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// In a child: dies with the test, and keeps off the test's output (whoever
// reads it would otherwise wait for the child too).
inline void quiet_child() {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
}

// Display numbers of the tests' X servers start here, above those of any
// desktop session.
inline constexpr int kFirstTestDisplay = 1000;

// Windows come and go while a program starts: a request about one that has
// just gone is no error of the test.
inline int ignore_x_errors(Display*, XErrorEvent*) { return 0; }

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kMorvane)) GTEST_SKIP() << "Morvane is not built";
        const auto xvfb = find_on_path("Xvfb");
        if (!xvfb) GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps.sh installs it)";
        // The server's display number is the test's own (from its process
        // id), never another test's: a program that connects as its server is
        // killed must find no server there, not another test's that took the
        // number meanwhile. Xvfb writes the number to a pipe once it is ready.
        number_ = std::to_string(kFirstTestDisplay + getpid());
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        server_.pid = fork();
        if (server_.pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            quiet_child();
            execl(xvfb->c_str(), "Xvfb", (":" + number_).c_str(), "-displayfd", fd.c_str(), "-screen", "0",
                  "1366x768x24", "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        ASSERT_EQ(number, number_) << "Xvfb did not start at :" << number_;
        display_name_ = ":" + number;
        display_ = XOpenDisplay(display_name_.c_str());
        ASSERT_NE(display_, nullptr);
        XSetErrorHandler(ignore_x_errors);
    }
    void TearDown() override {
        if (server_.pid > 0) kill(server_.pid, SIGCONT);  // a test may have stopped it
        program_.stop();
        if (display_) XCloseDisplay(display_);
        server_.stop();
        // What a killed server leaves behind.
        std::error_code ignored;
        std::filesystem::remove("/tmp/.X11-unix/X" + number_, ignored);
        std::filesystem::remove("/tmp/.X" + number_ + "-lock", ignored);
    }

    void start_morvane() { start_program(kMorvane); }

    // How a program is started: the display variables it gets (an empty
    // one unset), a connection to a Wayland compositor handed down to it in
    // WAYLAND_SOCKET, the signals it starts with ignored, and the file its
    // standard error goes to. Without that file the leak checker is off: in
    // the sanitizer build the X and D-Bus client libraries keep blocks past
    // exit that it cannot attribute (the headless tests check the course's
    // own memory). With `default_faults`, SIGSEGV and SIGBUS keep their
    // default action in the sanitizer build too, as in a build without it.
    struct Launch {
        std::string display, wayland_display;
        int wayland_socket = -1;
        std::vector<int> ignored;
        std::string stderr_file;
        bool default_faults = false;
    };
    void launch(const std::string& path, const Launch& how) {
        program_.pid = fork();
        if (program_.pid != 0) return;
        quiet_child();
        // A program a test ends by a fault leaves no core file behind.
        const rlimit no_core{0, 0};
        setrlimit(RLIMIT_CORE, &no_core);
        for (const auto& [name, value] : {std::pair{"DISPLAY", how.display}, {"WAYLAND_DISPLAY", how.wayland_display}})
            value.empty() ? unsetenv(name) : setenv(name, value.c_str(), 1);
        if (how.wayland_socket >= 0) {
            setenv("WAYLAND_SOCKET", std::to_string(how.wayland_socket).c_str(), 1);
        } else {
            unsetenv("WAYLAND_SOCKET");
        }
        for (int signal : how.ignored) ::signal(signal, SIG_IGN);
        const char* asan = std::getenv("ASAN_OPTIONS");
        std::string options = asan ? asan : "";
        if (how.default_faults) options += ":handle_segv=0:handle_sigbus=0";
        if (how.stderr_file.empty()) options += ":detect_leaks=0";
        if (!options.empty()) setenv("ASAN_OPTIONS", options.c_str(), 1);
        if (!how.stderr_file.empty()) {
            const int err = open(how.stderr_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(err, 2);
        }
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }

    // Starts a program on the test's X server, or with `wayland_display` on
    // that Wayland compositor alone, with its standard error to
    // `stderr_file`.
    void start_program(const std::string& path, const std::string& stderr_file = "",
                       const std::string& wayland_display = "") {
        Launch how;
        if (wayland_display.empty()) how.display = display_name_;
        how.wayland_display = wayland_display;
        how.stderr_file = stderr_file;
        launch(path, how);
    }

    // Starts a program with its standard error to `stderr_file` and waits
    // until its window, titled `title`, shows the page: that window, or 0.
    Window start_showing(const std::string& path, const std::string& title, const std::string& stderr_file) {
        start_program(path, stderr_file);
        const Window w = find_window(title);
        return w != 0 && shows_page(w) ? w : 0;
    }

    // A window's title: its WM_NAME, or else its _NET_WM_NAME.
    std::string window_name(Window w) {
        std::string title;
        char* name = nullptr;
        if (XFetchName(display_, w, &name) && name) {
            title = name;
            XFree(name);
            return title;
        }
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display_, w, XInternAtom(display_, "_NET_WM_NAME", False), 0, 256, False,
                               AnyPropertyType, &type, &format, &items, &after, &data) == Success &&
            data) {
            if (format == 8) title.assign(reinterpret_cast<char*>(data), items);
            XFree(data);
        }
        return title;
    }

    // The top-level window with this title, once it is mapped.
    Window find_window(const std::string& title, std::chrono::milliseconds limit = 30s) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            Window root_return, parent, *children = nullptr;
            unsigned n = 0;
            XQueryTree(display_, DefaultRootWindow(display_), &root_return, &parent, &children, &n);
            for (unsigned i = 0; i < n; ++i) {
                XWindowAttributes attrs{};
                if (window_name(children[i]) == title && XGetWindowAttributes(display_, children[i], &attrs) &&
                    attrs.map_state == IsViewable) {
                    const Window w = children[i];
                    XFree(children);
                    return w;
                }
            }
            if (children) XFree(children);
            std::this_thread::sleep_for(100ms);
        }
        return 0;
    }

    plat::Image grab(Window w) {
        XWindowAttributes attrs{};
        plat::Image img;
        if (!XGetWindowAttributes(display_, w, &attrs)) return img;
        XImage* x = XGetImage(display_, w, 0, 0, static_cast<unsigned>(attrs.width),
                              static_cast<unsigned>(attrs.height), AllPlanes, ZPixmap);
        if (!x) return img;
        img.width = attrs.width;
        img.height = attrs.height;
        for (int y = 0; y < img.height; ++y)
            for (int xx = 0; xx < img.width; ++xx)
                img.pixels.push_back(static_cast<unsigned>(XGetPixel(x, xx, y)) & 0xFFFFFFu);
        XDestroyImage(x);
        return img;
    }

    // Waits until the window shows a page: not black, not blank, but the
    // page colour with ink of several colours on it.
    bool shows_page(Window w, std::chrono::milliseconds limit = 30s) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            const plat::Image img = grab(w);
            long background = 0;
            std::set<unsigned> colours;
            for (unsigned p : img.pixels) {
                background += p == plat::palette_rgb(15);
                if (colours.size() < 64) colours.insert(p);
            }
            if (!img.pixels.empty() && background > static_cast<long>(img.pixels.size()) / 20 &&
                background < static_cast<long>(img.pixels.size()) && colours.size() >= 4)
                return true;
            if (const char* png = std::getenv("WINDOW_TEST_PNG")) save(img, png);
            std::this_thread::sleep_for(200ms);
        }
        return false;
    }

    void type_key(Window w, KeySym sym) {
        for (int type : {KeyPress, KeyRelease}) {
            XKeyEvent e{};
            e.type = type;
            e.display = display_;
            e.window = w;
            e.root = DefaultRootWindow(display_);
            e.subwindow = 0;
            e.time = CurrentTime;
            e.same_screen = True;
            e.keycode = XKeysymToKeycode(display_, sym);
            XSetInputFocus(display_, w, RevertToParent, CurrentTime);
            XSendEvent(display_, w, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
                       reinterpret_cast<XEvent*>(&e));
        }
        XFlush(display_);
    }

    // Types a key script: digits, Enter ("\r") and spaces.
    void type_keys(Window w, const std::string& keys) {
        for (char c : keys) type_key(w, c == '\r' ? XK_Return : c == ' ' ? XK_space : XK_0 + (c - '0'));
    }

    // Ends `server` under the running program, started with `stderr_file`:
    // the program ends by itself, soon, with status 1, and adds one line to
    // its standard error naming what it lost (the `lost` text), and nothing
    // more: no second report, no exit-time sanitizer report.
    void expect_ends_when_server_ends(Child& server, const std::string& stderr_file, const std::string& lost) {
        const auto said_before = std::filesystem::file_size(stderr_file);
        const auto server_ends = std::chrono::steady_clock::now();
        server.stop();
        const auto status = program_.wait_for_exit(10s);
        std::printf("Gone %.2f s after its display server was told to end\n",
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - server_ends).count());
        const std::string err = file_text(stderr_file, static_cast<std::streamoff>(said_before));
        ASSERT_TRUE(status.has_value()) << "the program still runs 10 s after its display server ended";
        EXPECT_EQ(*status, 1);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find("lost its connection to the " + lost), std::string::npos) << err;
    }

    // Starts weston as a Wayland compositor on the test's X server, with its
    // socket in `runtime_dir`: the socket's path once its output shows, or
    // "" (where weston is not installed, or did not come up).
    std::string start_compositor(Child& compositor, const std::filesystem::path& runtime_dir) {
        const auto weston = find_on_path("weston");
        if (!weston) return "";
        std::filesystem::create_directories(runtime_dir);
        std::filesystem::permissions(runtime_dir, std::filesystem::perms::owner_all);
        compositor.pid = fork();
        if (compositor.pid == 0) {
            quiet_child();
            setenv("DISPLAY", display_name_.c_str(), 1);
            setenv("XDG_RUNTIME_DIR", runtime_dir.c_str(), 1);
            execl(weston->c_str(), "weston", "--backend=x11-backend.so", "--use-pixman", "--idle-time=0",
                  "--socket=wayland-test", static_cast<char*>(nullptr));
            _exit(127);
        }
        const std::string socket = (runtime_dir / "wayland-test").string();
        if (find_window("Weston Compositor - screen0") == 0) return "";
        // Its socket may come a moment after its output window.
        for (const auto end = std::chrono::steady_clock::now() + 30s; std::chrono::steady_clock::now() < end;
             std::this_thread::sleep_for(50ms))
            if (std::filesystem::exists(socket)) return socket;
        return "";
    }

    // What the close button does: asks the program to close its window.
    void close_window(Window w) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, w, False, NoEventMask, &e);
        XFlush(display_);
    }

    Child server_, program_;
    std::string number_, display_name_;
    Display* display_ = nullptr;
};

// A table row of a parameterised test prints as its name.
template <class Row>
requires requires(const Row& row) { std::string(row.name); }
std::ostream& operator<<(std::ostream& out, const Row& row) { return out << row.name; }

// Names a parameterised test's case by its table row's name.
struct CaseName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return info.param.name;
    }
};

inline long differing_pixels(const plat::Image& a, const plat::Image& b) {
    if (a.pixels.size() != b.pixels.size()) return -1;
    long n = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
    return n;
}

}  // namespace window_test
