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
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Windows come and go while a program starts: a request about one that has
// just gone is no error of the test.
int ignore_x_errors(Display*, XErrorEvent*) { return 0; }

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kMorvane)) GTEST_SKIP() << "Morvane is not built";
        const auto xvfb = find_on_path("Xvfb");
        if (!xvfb) GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps.sh installs it)";
        // Xvfb picks a free display and writes its number to a pipe.
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        server_.pid = fork();
        if (server_.pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            quiet_child();
            execl(xvfb->c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1366x768x24", "-nolisten", "tcp",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        ASSERT_FALSE(number.empty()) << "Xvfb did not start";
        display_name_ = ":" + number;
        display_ = XOpenDisplay(display_name_.c_str());
        ASSERT_NE(display_, nullptr);
        XSetErrorHandler(ignore_x_errors);
    }
    void TearDown() override {
        program_.stop();
        if (display_) XCloseDisplay(display_);
        server_.stop();
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
    std::string display_name_;
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
    const auto weston = find_on_path("weston");
    if (!weston) GTEST_SKIP() << "weston is not installed";
    const TempPath runtime("wayland");
    const std::filesystem::path& runtime_dir = runtime.path;
    std::filesystem::create_directories(runtime_dir);
    std::filesystem::permissions(runtime_dir, std::filesystem::perms::owner_all);
    const std::string socket = (runtime_dir / "wayland-test").string();
    const std::string err_file = (runtime_dir / "program.err").string();
    Child compositor;
    compositor.pid = fork();
    if (compositor.pid == 0) {
        quiet_child();
        setenv("DISPLAY", display_name_.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime_dir.c_str(), 1);
        execl(weston->c_str(), "weston", "--backend=x11-backend.so", "--use-pixman", "--idle-time=0",
              "--socket=wayland-test", static_cast<char*>(nullptr));
        _exit(127);
    }
    const Window output = find_window("Weston Compositor - screen0");
    ASSERT_NE(output, 0u) << "weston shows no output window";
    ASSERT_TRUE(std::filesystem::exists(socket));
    start_program(kMorvane, err_file, socket);
    ASSERT_TRUE(shows_page(output)) << "the program's page is not on the compositor's output";
    expect_ends_when_server_ends(compositor, err_file, "Wayland compositor at WAYLAND_DISPLAY=" + socket);
}

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
    // A display number no server listens on.
    int unused = 4321;
    while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(unused))) ++unused;
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
