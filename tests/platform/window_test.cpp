// The real window build under a virtual X server: it shows the page, takes
// typed keys, closes cleanly (also when another program destroys its window),
// uses no CPU while it waits for a key, and ends at once when the server goes
// away.
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
#include "engine/platform/window/display_lost.h"

namespace {

using namespace std::chrono_literals;
const std::string kMorvane = COURSE_BINARY_DIR "/Morvane";
const std::string kTalisse = COURSE_BINARY_DIR "/Talisse";

std::optional<std::string> find_on_path(const std::string& name) {
    for (const char* dir : {"/usr/bin", "/usr/local/bin", "/bin"})
        if (std::filesystem::exists(std::string(dir) + "/" + name)) return std::string(dir) + "/" + name;
    return std::nullopt;
}

// The text of a file from byte `from` on.
std::string file_text(const std::string& path, std::streamoff from = 0) {
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

void save(const plat::Image& img, const char* path) {
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
void quiet_child() {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
}

// Display numbers of the tests' X servers start here, above those of any
// desktop session.
constexpr int kFirstTestDisplay = 1000;

// Windows come and go while a program starts: a request about one that has
// just gone is no error of the test.
int ignore_x_errors(Display*, XErrorEvent*) { return 0; }

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

    // Starts a program on the test's X server, or with `wayland_display` on
    // that Wayland compositor alone. With `stderr_file` its standard error
    // goes there, and the leak checker stays on.
    void start_program(const std::string& path, const std::string& stderr_file = "",
                       const std::string& wayland_display = "") {
        program_.pid = fork();
        if (program_.pid == 0) {
            quiet_child();
            if (wayland_display.empty()) {
                setenv("DISPLAY", display_name_.c_str(), 1);
            } else {
                unsetenv("DISPLAY");
                setenv("WAYLAND_DISPLAY", wayland_display.c_str(), 1);
            }
            if (stderr_file.empty()) {
                // In the sanitizer build the X and D-Bus client libraries keep
                // blocks past exit that the leak checker cannot attribute; the
                // headless tests check the course's own memory.
                const char* asan = std::getenv("ASAN_OPTIONS");
                setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":detect_leaks=0").c_str(), 1);
            } else {
                const int err = open(stderr_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                dup2(err, 2);
            }
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
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

long differing_pixels(const plat::Image& a, const plat::Image& b) {
    if (a.pixels.size() != b.pixels.size()) return -1;
    long n = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
    return n;
}

TEST_F(WindowTest, ShowsThePageTakesAKeyAndClosesCleanly) {
    start_morvane();
    const Window w = find_window("Morvane");
    ASSERT_NE(w, 0u) << "no window titled Morvane";
    ASSERT_TRUE(shows_page(w)) << "the window shows no page";
    const plat::Image before = grab(w);
    if (const char* png = std::getenv("WINDOW_TEST_PNG")) save(before, png);
    // The main menu waits for a number: a typed digit is echoed in the field.
    // The bound only catches a hang: a loaded machine may take seconds.
    type_key(w, XK_1);
    bool echoed = false;
    for (const auto end = std::chrono::steady_clock::now() + 30s; !echoed && std::chrono::steady_clock::now() < end;) {
        std::this_thread::sleep_for(100ms);
        echoed = differing_pixels(before, grab(w)) > 20;
    }
    EXPECT_TRUE(echoed) << "the typed key changed nothing on the page within 30 s";
    close_window(w);
    const auto status = program_.wait_for_exit(20s);
    ASSERT_TRUE(status.has_value()) << "the program did not end when its window was closed";
    EXPECT_EQ(*status, 0);
}

// SDL wakes its waiting event loop by sending its window an event over a
// second connection; the server may take the window's closing first and
// answer BadWindow, which must not end the program with status 1 as it
// quits. Any other error still reaches the handler there was before.
int errors_before = 0;
int count_x_errors(Display*, XErrorEvent*) {
    ++errors_before;
    return 0;
}

TEST_F(WindowTest, AWakeupOfAClosedWindowIsNoError) {
    errors_before = 0;
    XSetErrorHandler(count_x_errors);
    plat::internal::ignore_wakeups_of_closed_windows();
    const Window gone = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(display_, gone);
    XEvent wakeup{};
    wakeup.xclient.type = ClientMessage;
    wakeup.xclient.window = gone;
    wakeup.xclient.format = 32;
    XSendEvent(display_, gone, False, NoEventMask, &wakeup);
    XSync(display_, False);
    EXPECT_EQ(errors_before, 0);
    XMapWindow(display_, gone);
    XSync(display_, False);
    EXPECT_EQ(errors_before, 1);
    XSetErrorHandler(ignore_x_errors);
}

// Another program destroys the window (as `xdotool windowclose` and some
// desktop tools do): the program ends as when its window is closed, soon,
// with status 0 and nothing on standard error (the leak checker stays on).
// SDL meets the gone window on its own, first as it sees it unmapped (in
// other requests when the window had the focus than when it had not), then
// in its teardown, which may wait for ever for the window's unmapping.
struct DestroyedWindowCase {
    const char* name;
    const std::string* program;
    const char* title;
    bool focused;  // the window has the focus when it is destroyed
};
const DestroyedWindowCase kDestroyedWindowCases[] = {
    {"MorvaneFocused", &kMorvane, "Morvane", true},
    {"MorvaneUnfocused", &kMorvane, "Morvane", false},
    {"TalisseFocused", &kTalisse, "Talisse", true},
    {"TalisseUnfocused", &kTalisse, "Talisse", false},
};

void PrintTo(const DestroyedWindowCase& c, std::ostream* out) { *out << c.name; }

class DestroyedWindowTest : public WindowTest, public ::testing::WithParamInterface<DestroyedWindowCase> {};

TEST_P(DestroyedWindowTest, EndsAsWhenClosed) {
    const DestroyedWindowCase& c = GetParam();
    if (!std::filesystem::exists(*c.program)) GTEST_SKIP() << *c.program << " is not built";
    const TempPath err_file("destroyed-window-stderr");
    const Window w = start_showing(*c.program, c.title, err_file.path);
    ASSERT_NE(w, 0u) << "no window titled " << c.title << " showing the page";
    XSetInputFocus(display_, c.focused ? w : PointerRoot, RevertToPointerRoot, CurrentTime);
    XSync(display_, False);
    std::this_thread::sleep_for(500ms);  // the program takes the focus change
    XDestroyWindow(display_, w);
    XSync(display_, False);
    // The bound only catches a hang.
    const auto status = program_.wait_for_exit(20s);
    const std::string err = file_text(err_file.path);
    ASSERT_TRUE(status.has_value()) << "the program still runs 20 s after its window was destroyed";
    EXPECT_EQ(*status, 0) << err;
    EXPECT_EQ(err, "");
}

INSTANTIATE_TEST_SUITE_P(WindowTest, DestroyedWindowTest, ::testing::ValuesIn(kDestroyedWindowCases),
                         [](const ::testing::TestParamInfo<DestroyedWindowCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(WindowTest, UsesNoCpuWhileWaitingForAKey) {
    start_morvane();
    const Window w = find_window("Morvane");
    ASSERT_NE(w, 0u);
    ASSERT_TRUE(shows_page(w));
    std::this_thread::sleep_for(1s);  // start-up settles
    const double before = program_.cpu_seconds();
    std::this_thread::sleep_for(4s);
    const double used = program_.cpu_seconds() - before;
    std::printf("CPU used in 4 s of waiting for a key: %.3f s\n", used);
    EXPECT_LT(used, 0.12);
    close_window(w);
    EXPECT_EQ(program_.wait_for_exit(20s), std::optional<int>(0));
}

// The X server goes away (a logout, a crashed desktop, a dropped remote
// session) while the program waits: at its main menu, at a key pause, at a
// drill's number prompt. The program ends by itself, soon, with status 1 and
// one line on standard error, and nothing else there: no second report of the
// lost connection and, in the sanitizer build, no exit-time report (the leak
// checker stays on here). Run a few times each: the fault it guards against,
// a teardown spinning on the dead connection, came in some runs only.
struct LostServerCase {
    const char* name;
    const std::string* program;
    const char* title;
    std::string keys;  // typed before the server goes
};
const LostServerCase kLostServerCases[] = {
    {"MorvaneMenu", &kMorvane, "Morvane", ""},
    {"MorvaneKeyPause", &kMorvane, "Morvane", "1\r4\r"},
    {"MorvaneDrillPrompt", &kMorvane, "Morvane", "1\r4\r" + std::string(11, ' ')},
    {"TalisseMenu", &kTalisse, "Talisse", ""},
    {"TalisseKeyPause", &kTalisse, "Talisse", "2\r1\r"},
    {"TalisseNumberPrompt", &kTalisse, "Talisse", "2\r1\r" + std::string(20, ' ')},
};

void PrintTo(const LostServerCase& c, std::ostream* out) { *out << c.name; }

class LostServerTest : public WindowTest, public ::testing::WithParamInterface<std::tuple<LostServerCase, int>> {};

TEST_P(LostServerTest, EndsAtOnceWithOneLineAndStatusOne) {
    const LostServerCase& c = std::get<0>(GetParam());
    if (!std::filesystem::exists(*c.program)) GTEST_SKIP() << *c.program << " is not built";
    const TempPath err_file("lost-server-stderr");
    const Window w = start_showing(*c.program, c.title, err_file.path);
    ASSERT_NE(w, 0u) << "no window titled " << c.title << " showing the page";
    if (!c.keys.empty()) {
        const plat::Image menu = grab(w);
        type_keys(w, c.keys);
        // The keys are taken once the page has left the menu and settled.
        bool settled = false;
        plat::Image last = menu;
        for (int i = 0; i < 100 && !settled; ++i) {
            std::this_thread::sleep_for(300ms);
            const plat::Image now = grab(w);
            settled = differing_pixels(menu, now) != 0 && differing_pixels(last, now) == 0;
            last = now;
        }
        ASSERT_TRUE(settled) << "the typed keys did not lead to a settled page";
    }
    // The test's own connection goes first: Xlib would end the test too.
    XCloseDisplay(display_);
    display_ = nullptr;
    expect_ends_when_server_ends(server_, err_file.path, "X server at DISPLAY=" + display_name_);
}

INSTANTIATE_TEST_SUITE_P(WindowTest, LostServerTest,
                         ::testing::Combine(::testing::ValuesIn(kLostServerCases), ::testing::Range(1, 4)),
                         [](const ::testing::TestParamInfo<LostServerTest::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::to_string(std::get<1>(info.param));
                         });

// The same under Wayland, where SDL reports the compositor's loss only as a
// request to quit. Where weston is installed, it runs as the compositor on the
// test's X server.
TEST_F(WindowTest, EndsAtOnceWhenItsWaylandCompositorGoes) {
    if (!find_on_path("weston")) GTEST_SKIP() << "weston is not installed";
    const TempPath runtime("wayland");
    const std::string err_file = (runtime.path / "program.err").string();
    Child compositor;
    const std::string socket = start_compositor(compositor, runtime.path);
    ASSERT_NE(socket, "") << "weston did not come up";
    start_program(kMorvane, err_file, socket);
    const Window output = find_window("Weston Compositor - screen0");
    ASSERT_TRUE(shows_page(output)) << "the program's page is not on the compositor's output";
    expect_ends_when_server_ends(compositor, err_file, "Wayland compositor at WAYLAND_DISPLAY=" + socket);
}

// Under Wayland the program draws its own title bar (weston, like GNOME,
// leaves decorations to the program), with its close button: a dark band
// across the top of the window, over the page. It shows as soon as the page
// does, with no key typed.
TEST_F(WindowTest, AWaylandWindowHasATitleBar) {
    if (!find_on_path("weston")) GTEST_SKIP() << "weston is not installed";
    const TempPath runtime("wayland-title");
    Child compositor;
    const std::string socket = start_compositor(compositor, runtime.path);
    ASSERT_NE(socket, "") << "weston did not come up";
    start_program(kMorvane, "", socket);
    const Window output = find_window("Weston Compositor - screen0");
    ASSERT_TRUE(shows_page(output)) << "the program's page is not on the compositor's output";
    // The window fills the output below weston's panel; the page colour
    // starts under the title bar. Looked for until it shows (a hang bound).
    const auto dark = [](unsigned p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 120; };
    bool title_bar = false;
    for (const auto end = std::chrono::steady_clock::now() + 30s; !title_bar && std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(200ms)) {
        const plat::Image img = grab(output);
        const int x = img.width / 8;  // left of the page's frame, clear of the title
        int top = 0;
        while (top < img.height && img.at(x, top) != plat::palette_rgb(15)) ++top;
        if (top < 20 || top >= img.height) continue;
        int dark_rows = 0;
        for (int y = top - 20; y < top; ++y) {
            int n = 0;
            for (int xx = 0; xx < img.width; ++xx) n += dark(img.at(xx, y));
            dark_rows += n > img.width * 3 / 4;
        }
        title_bar = dark_rows >= 16;
        if (!title_bar)
            if (const char* png = std::getenv("WINDOW_TEST_PNG")) save(img, png);
    }
    EXPECT_TRUE(title_bar) << "no title bar over the page";
}

// The start, from the program's first moment until its window shows the
// page, on either kind of display. The display may go silent (its server
// stopped), go away, or lose the program's window at any moment of it, and
// SDL may then never return: the program must still end, soon and in its own
// words. Every bound below only catches a hang.
enum class Kind { X11, Wayland };

class StartTest : public WindowTest {
protected:
    void TearDown() override {
        if (compositor_.pid > 0) kill(compositor_.pid, SIGCONT);
        WindowTest::TearDown();
    }

    // Makes ready a display of `kind` to start the program on: the test's X
    // server, or a Wayland compositor on it.
    void open_display(Kind kind) {
        kind_ = kind;
        std::filesystem::create_directories(runtime_.path);
        if (kind != Kind::Wayland) return;
        if (!find_on_path("weston")) GTEST_SKIP() << "weston is not installed";
        socket_ = start_compositor(compositor_, runtime_.path);
        ASSERT_NE(socket_, "") << "weston did not come up";
    }
    // The server of the display the program starts on.
    Child& display_server() { return kind_ == Kind::X11 ? server_ : compositor_; }
    void start(const std::string& program) { start_program(program, err_file(), socket_); }
    std::string err_file() const { return (runtime_.path / "program.err").string(); }
    std::string err() const { return file_text(err_file()); }

    // The test's own X connection goes before the X server stops or ends:
    // Xlib would wait on it, or end the test.
    void let_go_of_x_server() {
        if (kind_ != Kind::X11 || !display_) return;
        XCloseDisplay(display_);
        display_ = nullptr;
    }
    void stop_display() {
        let_go_of_x_server();
        kill(display_server().pid, SIGSTOP);
    }
    void end_display() {
        let_go_of_x_server();
        display_server().kill_now();
    }

    // The program ended, with status 1 and one line of its own on standard
    // error: it could not open its window, or it lost its display. Never the
    // display library's own report.
    void expect_ended_on_display_loss() {
        const auto status = program_.wait_for_exit(20s);
        const std::string text = err();
        ASSERT_TRUE(status.has_value()) << "the program still runs 20 s after its display ended: " << text;
        EXPECT_EQ(*status, 1) << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
        const std::string name = kind_ == Kind::X11 ? "DISPLAY=" + display_name_ : "WAYLAND_DISPLAY=" + socket_;
        EXPECT_TRUE(text.rfind("The course cannot open its window: it could not connect to ", 0) == 0 ||
                    text.rfind("The course ends: it lost its connection to ", 0) == 0)
            << text;
        EXPECT_NE(text.find(name), std::string::npos) << text;
    }
    // The program ended as a close of its window ends it.
    void expect_ended_as_closed() {
        const auto status = program_.wait_for_exit(20s);
        ASSERT_TRUE(status.has_value()) << "the program still runs 20 s later: " << err();
        EXPECT_EQ(*status, 0) << err();
        EXPECT_EQ(err(), "");
    }

    Kind kind_ = Kind::X11;
    TempPath runtime_{"start"};
    Child compositor_;
    std::string socket_;
};

// The display goes silent before the program starts: SDL waits inside its
// start-up for an answer that does not come. A session ending sends SIGTERM
// (a terminal's Ctrl+C, SIGINT): it ends the program as a close does, and so
// it does once the window is up, with the display answering or not (SDL's
// teardown then waits on it). The display's server ending ends it in its own
// words.
struct SilentDisplayCase {
    const char* name;
    const std::string* program;
    const char* title;
    Kind kind;
    bool started;  // the page is up before the display goes silent
    int signal;    // sent to the program; 0: the display's server ends
};
// clang-format off
const SilentDisplayCase kSilentDisplayCases[] = {
    {"MorvaneX11StartingTerm",        &kMorvane, "Morvane", Kind::X11,     false, SIGTERM},
    {"TalisseX11StartingInt",         &kTalisse, "Talisse", Kind::X11,     false, SIGINT},
    {"MorvaneX11StartingServerEnds",  &kMorvane, "Morvane", Kind::X11,     false, 0},
    {"TalisseWaylandStartingTerm",    &kTalisse, "Talisse", Kind::Wayland, false, SIGTERM},
    {"MorvaneWaylandStartingInt",     &kMorvane, "Morvane", Kind::Wayland, false, SIGINT},
    {"TalisseWaylandStartingServerEnds", &kTalisse, "Talisse", Kind::Wayland, false, 0},
    {"MorvaneX11UpTerm",              &kMorvane, "Morvane", Kind::X11,     true,  SIGTERM},
    {"TalisseWaylandUpTerm",          &kTalisse, "Talisse", Kind::Wayland, true,  SIGTERM},
};
// clang-format on

void PrintTo(const SilentDisplayCase& c, std::ostream* out) { *out << c.name; }

class SilentDisplayTest : public StartTest, public ::testing::WithParamInterface<SilentDisplayCase> {};

TEST_P(SilentDisplayTest, EndsOnASignalOrTheDisplaysEnd) {
    const SilentDisplayCase& c = GetParam();
    if (!std::filesystem::exists(*c.program)) GTEST_SKIP() << *c.program << " is not built";
    ASSERT_NO_FATAL_FAILURE(open_display(c.kind));
    if (IsSkipped()) return;
    if (c.started) {
        start(*c.program);
        const Window shown = c.kind == Kind::X11 ? find_window(c.title) : find_window("Weston Compositor - screen0");
        ASSERT_TRUE(shown != 0 && shows_page(shown)) << "the page did not show";
        stop_display();
    } else {
        stop_display();
        start(*c.program);
        ASSERT_TRUE(program_.wait_for_socket(*c.program)) << "the program did not connect to its display";
        std::this_thread::sleep_for(200ms);  // on into SDL's wait for an answer
    }
    if (c.signal == 0) {
        end_display();
        expect_ended_on_display_loss();
    } else {
        kill(program_.pid, c.signal);
        expect_ended_as_closed();
    }
}

INSTANTIATE_TEST_SUITE_P(WindowTest, SilentDisplayTest, ::testing::ValuesIn(kSilentDisplayCases),
                         [](const ::testing::TestParamInfo<SilentDisplayCase>& info) {
                             return std::string(info.param.name);
                         });

// A second client of the test's X server that sees the program make its
// window, and may destroy it then: as some tools do the moment a window
// exists. On XCB, which reports a lost server as a state of the connection
// where Xlib would end the test.
class CreationWatch {
public:
    explicit CreationWatch(const std::string& display) : c_(xcb_connect(display.c_str(), nullptr)) {
        if (xcb_connection_has_error(c_)) return;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root, XCB_CW_EVENT_MASK, &mask);
        free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));  // in effect now
        ok_ = !xcb_connection_has_error(c_);
    }
    ~CreationWatch() { xcb_disconnect(c_); }
    bool ok() const { return ok_; }

    // The next top-level window created on the server, or 0.
    xcb_window_t next_created(std::chrono::milliseconds limit = 30s) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                const bool created = (e->response_type & 0x7F) == XCB_CREATE_NOTIFY;
                const xcb_window_t w = created ? reinterpret_cast<xcb_create_notify_event_t*>(e)->window : 0;
                free(e);
                if (w != 0) return w;
            }
            if (xcb_connection_has_error(c_)) return 0;
            pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&fd, 1, 100);
        }
        return 0;
    }
    void destroy(xcb_window_t w) {
        xcb_destroy_window(c_, w);
        xcb_flush(c_);
    }

private:
    xcb_connection_t* c_;
    bool ok_ = false;
};

// The program's window is destroyed by another client, or its X server
// ends, a chosen time after the window is created: from the moment it
// exists (SDL has not yet returned it, nor mapped it) to when the page shows.
struct MadeWindowCase {
    const char* name;
    const std::string* program;
    bool destroyed;  // the window is destroyed; else the server ends
};
const MadeWindowCase kMadeWindowCases[] = {
    {"MorvaneDestroyed", &kMorvane, true},
    {"TalisseDestroyed", &kTalisse, true},
    {"MorvaneServerEnds", &kMorvane, false},
    {"TalisseServerEnds", &kTalisse, false},
};

void PrintTo(const MadeWindowCase& c, std::ostream* out) { *out << c.name; }

class MadeWindowTest : public StartTest, public ::testing::WithParamInterface<std::tuple<MadeWindowCase, int>> {};

TEST_P(MadeWindowTest, EndsAsClosedOrOnTheDisplaysEnd) {
    const auto& [c, after_ms] = GetParam();
    if (!std::filesystem::exists(*c.program)) GTEST_SKIP() << *c.program << " is not built";
    ASSERT_NO_FATAL_FAILURE(open_display(Kind::X11));
    CreationWatch watch(display_name_);
    ASSERT_TRUE(watch.ok());
    start(*c.program);
    const xcb_window_t made = watch.next_created();
    ASSERT_NE(made, 0u) << "the program made no window";
    std::this_thread::sleep_for(std::chrono::milliseconds(after_ms));
    if (c.destroyed) {
        watch.destroy(made);
        expect_ended_as_closed();
    } else {
        end_display();
        expect_ended_on_display_loss();
    }
}

INSTANTIATE_TEST_SUITE_P(WindowTest, MadeWindowTest,
                         ::testing::Combine(::testing::ValuesIn(kMadeWindowCases),
                                            ::testing::Values(0, 2, 5, 10, 20, 40, 80, 160)),
                         [](const ::testing::TestParamInfo<MadeWindowTest::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::to_string(std::get<1>(info.param)) + "ms";
                         });

// The display's server ends a chosen time after the program starts: as it
// connects, makes its window, or shows its first page. SDL meets the dead
// connection in a different place at each moment; under Wayland it may never
// return from there.
struct EndedDisplayCase {
    const char* name;
    const std::string* program;
    Kind kind;
};
const EndedDisplayCase kEndedDisplayCases[] = {
    {"MorvaneX11", &kMorvane, Kind::X11},
    {"TalisseX11", &kTalisse, Kind::X11},
    {"MorvaneWayland", &kMorvane, Kind::Wayland},
    {"TalisseWayland", &kTalisse, Kind::Wayland},
};

void PrintTo(const EndedDisplayCase& c, std::ostream* out) { *out << c.name; }

class EndedDisplayTest : public StartTest, public ::testing::WithParamInterface<std::tuple<EndedDisplayCase, int>> {};

TEST_P(EndedDisplayTest, EndsInItsOwnWords) {
    const auto& [c, after_ms] = GetParam();
    if (!std::filesystem::exists(*c.program)) GTEST_SKIP() << *c.program << " is not built";
    ASSERT_NO_FATAL_FAILURE(open_display(c.kind));
    if (IsSkipped()) return;
    let_go_of_x_server();
    start(*c.program);
    std::this_thread::sleep_for(std::chrono::milliseconds(after_ms));
    end_display();
    expect_ended_on_display_loss();
}

INSTANTIATE_TEST_SUITE_P(WindowTest, EndedDisplayTest,
                         ::testing::Combine(::testing::ValuesIn(kEndedDisplayCases),
                                            ::testing::Values(0, 40, 80, 120, 160, 200, 250, 300, 400, 600)),
                         [](const ::testing::TestParamInfo<EndedDisplayTest::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::to_string(std::get<1>(info.param)) + "ms";
                         });

}  // namespace

namespace {

// Without its fonts the program does not open a blank window: it stops and
// says which package to install.
TEST(StartUp, MissingFontStopsWithThePackageToInstall) {
    if (!std::filesystem::exists(kMorvane)) GTEST_SKIP() << "Morvane is not built";
    const auto dir = std::filesystem::temp_directory_path() / ("no-fonts-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const std::string command = "FONTCONFIG_FILE=" + (dir / "fonts.conf").string() +
                                " DISPLAY= ASAN_OPTIONS=detect_leaks=0 " + kMorvane + " 2>&1";
    FILE* out = popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string text;
    char buf[256];
    while (fgets(buf, sizeof buf, out)) text += buf;
    const int status = pclose(out);
    std::filesystem::remove_all(dir);
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_NE(text.find("fonts-noto-cjk"), std::string::npos) << text;
    EXPECT_NE(text.find("fonts-liberation2"), std::string::npos) << text;
    EXPECT_NE(text.find("fonts-dejavu-core"), std::string::npos) << text;
}

}  // namespace

namespace {

// A program that cannot open its window says so and stops at once: it never
// runs on unseen with an off-screen video driver.
TEST(StartUp, WithoutADisplayStopsAndSaysWhichItTried) {
    // A display number no server listens on, below those of the window
    // tests' servers.
    int unused = kFirstTestDisplay - 1;
    while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(unused))) --unused;
    struct Case {
        const char* what;
        std::string env;       // env's arguments: the display variables the program gets
        std::string expected;  // in its message
    };
    const Case cases[] = {
        {"no display variable", "-u DISPLAY -u WAYLAND_DISPLAY", "DISPLAY"},
        {"empty display variable", "-u WAYLAND_DISPLAY DISPLAY=", "DISPLAY"},
        {"no server at the display", "-u WAYLAND_DISPLAY DISPLAY=:" + std::to_string(unused),
         "DISPLAY=:" + std::to_string(unused)},
    };
    for (const std::string& program : {kMorvane, kTalisse}) {
        if (!std::filesystem::exists(program)) GTEST_SKIP() << program << " is not built";
        for (const Case& c : cases) {
            SCOPED_TRACE(program + ": " + c.what);
            // A program still running after 30 s hangs: timeout ends it with
            // status 124. The bound only catches that; how fast it stops is
            // no concern of this test.
            const std::string command =
                "timeout 30 env " + c.env + " ASAN_OPTIONS=detect_leaks=0 " + program + " 2>&1 >/dev/null";
            FILE* out = popen(command.c_str(), "r");
            ASSERT_NE(out, nullptr);
            std::string text;
            char buf[256];
            while (fgets(buf, sizeof buf, out)) text += buf;
            const int status = pclose(out);
            EXPECT_TRUE(WIFEXITED(status));
            EXPECT_NE(WEXITSTATUS(status), 124) << "still running after 30 s";
            EXPECT_NE(WEXITSTATUS(status), 0);
            EXPECT_NE(text.find("cannot open its window"), std::string::npos) << text;
            EXPECT_NE(text.find(c.expected), std::string::npos) << text;
        }
    }
}

}  // namespace
