// The start, from the program's first moment until its window shows the
// page, on either kind of display, and how it ends then: the display goes
// silent (its server stopped), goes away, or loses the program's window at
// a moment of the start, and SDL may then never return; a termination signal
// comes, or one the program was started with ignored. The program must
// still end, soon, in the words of what happened, or run on where it should.
// Every time bound below only catches a hang.
#include "tests/platform/display_relay.h"
#include "tests/platform/window_fixture.h"

namespace {

using namespace window_test;
using window_test::operator<<;  // prints the table rows of this file

enum class Kind { X11, Wayland };
using Moment = DisplayRelay::Moment;

class StartTest : public WindowTest {
protected:
    void TearDown() override {
        if (compositor_.pid > 0) kill(compositor_.pid, SIGCONT);
        relay_.reset();
        if (!relay_socket_.empty()) std::filesystem::remove(relay_socket_);
        WindowTest::TearDown();
    }

    // Makes ready a display of `kind` to start `program` on: the test's X
    // server, or a Wayland compositor on it. Skips the test where the
    // program or the compositor is not there.
    void open_display(const std::string& program, Kind kind) {
        if (!std::filesystem::exists(program)) GTEST_SKIP() << program << " is not built";
        kind_ = kind;
        std::filesystem::create_directories(runtime_.path);
        if (kind != Kind::Wayland) return;
        if (!find_on_path("weston")) GTEST_SKIP() << "weston is not installed";
        socket_ = start_compositor(compositor_, runtime_.path);
        ASSERT_NE(socket_, "") << "weston did not come up";
    }
    // The server of the display the program starts on.
    Child& display_server() { return kind_ == Kind::X11 ? server_ : compositor_; }
    // Starts `program` on the display, its standard error to `err_file()`.
    void start(const std::string& program, std::vector<int> ignored = {}) {
        Launch how;
        (kind_ == Kind::X11 ? how.display : how.wayland_display) = kind_ == Kind::X11 ? display_name_ : socket_;
        how.ignored = std::move(ignored);
        how.stderr_file = err_file();
        launch(program, how);
    }
    std::string err_file() const { return (runtime_.path / "program.err").string(); }
    std::string err() const { return file_text(err_file()); }

    // A relay between the program and the display's server that holds the
    // program at `moment`, listening where the program is told its display
    // is: for X11 a display number of its own (a socket in /tmp/.X11-unix),
    // for Wayland a socket beside the compositor's.
    std::string put_relay(Moment moment) {
        const bool x11 = kind_ == Kind::X11;
        relay_ = std::make_unique<DisplayRelay>(x11 ? DisplayRelay::Protocol::X11 : DisplayRelay::Protocol::Wayland,
                                                x11 ? "/tmp/.X11-unix/X" + number_ : socket_, moment);
        const std::string number = std::to_string(kFirstRelayDisplay + getpid());
        relay_socket_ = x11 ? "/tmp/.X11-unix/X" + number : (runtime_.path / "relay").string();
        if (!relay_->listen_at(relay_socket_)) return "";
        return x11 ? ":" + number : relay_socket_;
    }

    // Starts `program` as `how` says through a relay put on the display,
    // its standard error to `err_file()`, and waits until the relay holds it
    // at `moment`.
    void start_held(const std::string& program, Moment moment, Launch how = {}) {
        const std::string relayed = put_relay(moment);
        ASSERT_NE(relayed, "") << "the relay cannot listen";
        (kind_ == Kind::X11 ? how.display : how.wayland_display) = relayed;
        how.stderr_file = err_file();
        launch(program, how);
        ASSERT_TRUE(relay_->wait_held(60s)) << "the program did not come to the moment: " << err();
    }

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

    // The program ended with status 1 and `line` on standard error, its one
    // line: never the display library's own report.
    void expect_said(const std::string& line) {
        const auto status = program_.wait_for_exit(20s);
        const std::string text = err();
        ASSERT_TRUE(status.has_value()) << "the program still runs 20 s after its display ended: " << text;
        EXPECT_EQ(*status, 1) << text;
        EXPECT_EQ(text.substr(0, line.size()), line);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    }
    // The program ended as a close of its window ends it.
    void expect_ended_as_closed() {
        const auto status = program_.wait_for_exit(20s);
        ASSERT_TRUE(status.has_value()) << "the program still runs 20 s later: " << err();
        EXPECT_EQ(*status, 0) << err();
        EXPECT_EQ(err(), "");
    }
    // Waits for the program's window to show its page: its own under X11,
    // the compositor's output under Wayland.
    Window wait_for_page(const char* title) {
        const Window w = find_window(kind_ == Kind::X11 ? title : "Weston Compositor - screen0");
        return w != 0 && shows_page(w) ? w : 0;
    }

    // The relays' display numbers, above those of the tests' X servers.
    static constexpr int kFirstRelayDisplay = 5'000'000;

    Kind kind_ = Kind::X11;
    TempPath runtime_{"start"};
    Child compositor_;
    std::string socket_;
    std::unique_ptr<DisplayRelay> relay_;
    std::string relay_socket_;
};

// The lines the program ends with when its display goes.
std::string lost_line(const std::string& server, const std::string& display) {
    return "The course ends: it lost its connection to the " + server + " at " + display +
           " (it stopped, or the session closed).\n";
}
std::string could_not_connect(const std::string& server, const std::string& display) {
    return "The course cannot open its window: it could not connect to the " + server + " at " + display + " (";
}

// The display goes silent (its server stopped) as the program starts, SDL
// waiting inside its start-up for an answer that does not come, or once its
// page is up. A session ending sends SIGTERM (a terminal's Ctrl+C, SIGINT):
// it ends the program as a close does, and so it does once the window is up
// (SDL's teardown then waits on the display: the program has a deadline to
// end by, which a session manager sending SIGTERM again and again does not
// put off). The display's server ending ends it in its own words: under X11
// the server never answered the program's connection; under Wayland the
// program had its connection, and lost it.
struct SilentDisplayCase {
    const char* name;
    const std::string* program;
    const char* title;
    Kind kind;
    bool started;   // the page is up before the display goes silent
    int signal;     // sent to the program; 0: the display's server ends
    bool repeated;  // the signal comes again every 0.2 s
};
// clang-format off
const SilentDisplayCase kSilentDisplayCases[] = {
    {"MorvaneX11StartingTerm",           &kMorvane, "Morvane", Kind::X11,     false, SIGTERM, false},
    {"TalisseX11StartingInt",            &kTalisse, "Talisse", Kind::X11,     false, SIGINT,  false},
    {"MorvaneX11StartingServerEnds",     &kMorvane, "Morvane", Kind::X11,     false, 0,       false},
    {"TalisseWaylandStartingTerm",       &kTalisse, "Talisse", Kind::Wayland, false, SIGTERM, false},
    {"MorvaneWaylandStartingInt",        &kMorvane, "Morvane", Kind::Wayland, false, SIGINT,  false},
    {"TalisseWaylandStartingServerEnds", &kTalisse, "Talisse", Kind::Wayland, false, 0,       false},
    {"MorvaneX11UpTerm",                 &kMorvane, "Morvane", Kind::X11,     true,  SIGTERM, false},
    {"TalisseWaylandUpTerm",             &kTalisse, "Talisse", Kind::Wayland, true,  SIGTERM, false},
    {"TalisseX11UpTermRepeated",         &kTalisse, "Talisse", Kind::X11,     true,  SIGTERM, true},
};
// clang-format on

class SilentDisplayTest : public StartTest, public ::testing::WithParamInterface<SilentDisplayCase> {};

TEST_P(SilentDisplayTest, EndsOnASignalOrTheDisplaysEnd) {
    const SilentDisplayCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(open_display(*c.program, c.kind));
    if (IsSkipped()) return;
    if (c.started) {
        start(*c.program);
        ASSERT_NE(wait_for_page(c.title), 0u) << "the page did not show";
        stop_display();
    } else {
        stop_display();
        start(*c.program);
        ASSERT_TRUE(program_.wait_for_socket(*c.program)) << "the program did not connect to its display";
        std::this_thread::sleep_for(200ms);  // on into SDL's wait for an answer
    }
    if (c.signal == 0) {
        end_display();
        expect_said(c.kind == Kind::X11 ? could_not_connect("X server", "DISPLAY=" + display_name_)
                                        : lost_line("Wayland compositor", "WAYLAND_DISPLAY=" + socket_));
        return;
    }
    kill(program_.pid, c.signal);
    // Sent again and again for 20 s, the signal must not keep the program
    // from ending: it ends while they still come.
    std::optional<int> status;
    for (int i = 0; c.repeated && i < 100 && !status; ++i) {
        status = program_.wait_for_exit(200ms);
        if (!status) kill(program_.pid, c.signal);
    }
    if (!c.repeated) status = program_.wait_for_exit(20s);
    ASSERT_TRUE(status.has_value()) << "the program still runs 20 s after the signal: " << err();
    EXPECT_EQ(*status, 0) << err();
    EXPECT_EQ(err(), "");
}

INSTANTIATE_TEST_SUITE_P(WindowTest, SilentDisplayTest, ::testing::ValuesIn(kSilentDisplayCases), CaseName());

// A program started with SIGINT ignored (a script's background job) or
// SIGTERM ignored (by its launcher) keeps it ignored, as the program starts
// (held there by a relay) and at its menu: that signal leaves it running, on to its page or to the
// next key; the other still ends it as a close does.
struct IgnoredSignalCase {
    const char* name;
    const std::string* program;
    const char* title;
    int ignored, other;
    bool starting;  // the signal comes as the program starts; else at the menu
};
// clang-format off
const IgnoredSignalCase kIgnoredSignalCases[] = {
    {"MorvaneIntStarting", &kMorvane, "Morvane", SIGINT,  SIGTERM, true},
    {"TalisseTermStarting", &kTalisse, "Talisse", SIGTERM, SIGINT,  true},
    {"TalisseIntAtTheMenu", &kTalisse, "Talisse", SIGINT,  SIGTERM, false},
    {"MorvaneTermAtTheMenu", &kMorvane, "Morvane", SIGTERM, SIGINT,  false},
};
// clang-format on

class IgnoredSignalTest : public StartTest, public ::testing::WithParamInterface<IgnoredSignalCase> {};

TEST_P(IgnoredSignalTest, StaysIgnored) {
    const IgnoredSignalCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(open_display(*c.program, Kind::X11));
    if (IsSkipped()) return;
    if (c.starting) {
        // Held inside SDL's start, once connected to its display.
        Launch how;
        how.ignored = {c.ignored};
        ASSERT_NO_FATAL_FAILURE(start_held(*c.program, Moment::Connected, how));
        kill(program_.pid, c.ignored);
        relay_->release();
        ASSERT_NE(wait_for_page(c.title), 0u) << "the program did not go on to its page: " << err();
    } else {
        start(*c.program, {c.ignored});
        const Window w = wait_for_page(c.title);
        ASSERT_NE(w, 0u) << "the page did not show";
        const plat::Image menu = grab(w);
        kill(program_.pid, c.ignored);
        // The next key is still taken: a digit typed at the menu shows.
        type_key(w, XK_1);
        bool echoed = false;
        for (const auto end = std::chrono::steady_clock::now() + 30s; !echoed && std::chrono::steady_clock::now() < end;
             std::this_thread::sleep_for(100ms))
            echoed = differing_pixels(menu, grab(w)) > 20;
        ASSERT_TRUE(echoed) << "the program did not take the next key: " << err();
    }
    kill(program_.pid, c.other);
    expect_ended_as_closed();
}

INSTANTIATE_TEST_SUITE_P(WindowTest, IgnoredSignalTest, ::testing::ValuesIn(kIgnoredSignalCases), CaseName());

// The display's server ends at a moment of the program's start that a relay
// holds the program at: as it connects, once it is connected and asks its
// first questions, as it makes its window. Under Wayland the program reaches
// its compositor directly, after its X server could not be reached, or by a
// connection the compositor handed down to it. SDL meets the dead connection
// in a different place at each moment, and may never return from there (or
// crash tearing its start down): the program ends in the words of what
// happened. The moment the page is up is in window_test.cpp.
enum class Route { X11, Wayland, WaylandAfterX11, WaylandHandedDown };
struct DisplayEndsCase {
    const char* name;
    const std::string* program;
    Route route;
    Moment moment;
    bool lost;  // the line says the connection was lost; else that none was made
};
// clang-format off
const DisplayEndsCase kDisplayEndsCases[] = {
    {"X11Connecting",                 &kMorvane, Route::X11,               Moment::Connecting, false},
    {"X11Connected",                  &kTalisse, Route::X11,               Moment::Connected,  true},
    {"X11WindowMade",                 &kMorvane, Route::X11,               Moment::WindowMade, true},
    {"WaylandConnected",              &kTalisse, Route::Wayland,           Moment::Connected,  true},
    {"WaylandWindowMade",             &kMorvane, Route::Wayland,           Moment::WindowMade, true},
    {"WaylandAfterX11Connected",      &kMorvane, Route::WaylandAfterX11,   Moment::Connected,  true},
    {"WaylandAfterX11WindowMade",     &kTalisse, Route::WaylandAfterX11,   Moment::WindowMade, true},
    {"WaylandHandedDownConnected",    &kMorvane, Route::WaylandHandedDown, Moment::Connected,  true},
    {"WaylandHandedDownWindowMade",   &kTalisse, Route::WaylandHandedDown, Moment::WindowMade, true},
};
// clang-format on

class DisplayEndsTest : public StartTest, public ::testing::WithParamInterface<DisplayEndsCase> {};

TEST_P(DisplayEndsTest, EndsInTheWordsOfItsMoment) {
    const DisplayEndsCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(open_display(*c.program, c.route == Route::X11 ? Kind::X11 : Kind::Wayland));
    if (IsSkipped()) return;
    Launch how;
    how.stderr_file = err_file();
    std::string server = "Wayland compositor", named;
    if (c.route == Route::WaylandHandedDown) {
        relay_ = std::make_unique<DisplayRelay>(DisplayRelay::Protocol::Wayland, socket_, c.moment);
        how.wayland_socket = relay_->hand_down();
        ASSERT_GE(how.wayland_socket, 0) << "no connection to the compositor to hand down";
        named = "WAYLAND_SOCKET=" + std::to_string(how.wayland_socket);
    } else {
        const std::string relayed = put_relay(c.moment);
        ASSERT_NE(relayed, "") << "the relay cannot listen";
        if (c.route == Route::X11) {
            how.display = relayed;
            server = "X server";
            named = "DISPLAY=" + relayed;
        } else {
            how.wayland_display = relayed;
            named = "WAYLAND_DISPLAY=" + relayed;
        }
        // A display number with no server: the test's own, past its relay's.
        if (c.route == Route::WaylandAfterX11) how.display = ":" + std::to_string(2 * kFirstRelayDisplay + getpid());
    }
    launch(*c.program, how);
    if (how.wayland_socket >= 0) close(how.wayland_socket);
    ASSERT_TRUE(relay_->wait_held(60s)) << "the program did not come to the moment: " << err();
    end_display();
    expect_said(c.lost ? lost_line(server, named) : could_not_connect(server, named));
}

INSTANTIATE_TEST_SUITE_P(WindowTest, DisplayEndsTest, ::testing::ValuesIn(kDisplayEndsCases), CaseName());

// Another program sends the program a SIGSEGV or SIGBUS (kill -SEGV) as it
// starts under Wayland, held by a relay while SDL connects or makes the
// window, its compositor there: the signal ends it, as it ends any program.
// What the start does with a fault of the program's own when its compositor
// has gone is for such faults alone.
struct SentFaultCase {
    const char* name;
    const std::string* program;
    Moment moment;
    int signal;
};
const SentFaultCase kSentFaultCases[] = {
    {"MorvaneSegvConnected", &kMorvane, Moment::Connected, SIGSEGV},
    {"TalisseBusWindowMade", &kTalisse, Moment::WindowMade, SIGBUS},
};

class SentFaultTest : public StartTest, public ::testing::WithParamInterface<SentFaultCase> {};

TEST_P(SentFaultTest, EndsTheProgramByIt) {
    const SentFaultCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(open_display(*c.program, Kind::Wayland));
    if (IsSkipped()) return;
    Launch how;
    how.default_faults = true;
    ASSERT_NO_FATAL_FAILURE(start_held(*c.program, c.moment, how));
    kill(program_.pid, c.signal);
    // Were the signal lost, the program would go on to its menu.
    relay_->release();
    const auto status = program_.wait_for_exit(20s);
    ASSERT_TRUE(status.has_value()) << "the program still runs 20 s after the signal: " << err();
    EXPECT_EQ(*status, 128 + c.signal) << err();
    EXPECT_EQ(err(), "");
}

INSTANTIATE_TEST_SUITE_P(WindowTest, SentFaultTest, ::testing::ValuesIn(kSentFaultCases), CaseName());

// Another program destroys the program's window as SDL makes it (some tools
// do, the moment a window exists): SDL's next requests about it fail, and it
// would wait for ever for the window to be mapped. Or it destroys the window
// once SDL has returned it, before the first page: SDL's first paint meets
// it gone. Either ends the program as a close of its window does (status 0,
// nothing said, the leak checker on).
struct MadeWindowCase {
    const char* name;
    const std::string* program;
    Moment moment;
};
const MadeWindowCase kMadeWindowCases[] = {
    {"MorvaneAsItIsMade", &kMorvane, Moment::WindowMade},
    {"TalisseBeforeItsFirstPage", &kTalisse, Moment::FirstPaint},
};

class MadeWindowTest : public StartTest, public ::testing::WithParamInterface<MadeWindowCase> {};

TEST_P(MadeWindowTest, DestroyedItEndsAsClosed) {
    const MadeWindowCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(open_display(*c.program, Kind::X11));
    if (IsSkipped()) return;
    ASSERT_NO_FATAL_FAILURE(start_held(*c.program, c.moment));
    // The server has the program's request to make the window, but may not
    // have taken it yet.
    XWindowAttributes attributes;
    for (const auto end = std::chrono::steady_clock::now() + 30s;
         !XGetWindowAttributes(display_, relay_->window(), &attributes) && std::chrono::steady_clock::now() < end;)
        std::this_thread::sleep_for(1ms);
    XDestroyWindow(display_, relay_->window());
    XSync(display_, False);
    relay_->release();
    expect_ended_as_closed();
}

INSTANTIATE_TEST_SUITE_P(WindowTest, MadeWindowTest, ::testing::ValuesIn(kMadeWindowCases), CaseName());

// Runs a shell command: its exit status (as pclose gives it) and what it
// printed.
std::pair<int, std::string> run_command(const std::string& command) {
    std::string text;
    FILE* out = popen(command.c_str(), "r");
    if (!out) return {-1, text};
    char buf[256];
    while (fgets(buf, sizeof buf, out)) text += buf;
    return {pclose(out), text};
}

// Without its fonts the program does not open a blank window: it stops and
// says which package to install.
TEST(StartUp, MissingFontStopsWithThePackageToInstall) {
    if (!std::filesystem::exists(kMorvane)) GTEST_SKIP() << "Morvane is not built";
    const auto dir = std::filesystem::temp_directory_path() / ("no-fonts-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const auto [status, text] = run_command("FONTCONFIG_FILE=" + (dir / "fonts.conf").string() +
                                            " DISPLAY= ASAN_OPTIONS=detect_leaks=0 " + kMorvane + " 2>&1");
    std::filesystem::remove_all(dir);
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_NE(text.find("fonts-noto-cjk"), std::string::npos) << text;
    EXPECT_NE(text.find("fonts-liberation2"), std::string::npos) << text;
    EXPECT_NE(text.find("fonts-dejavu-core"), std::string::npos) << text;
}

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
        // A compositor's connection handed down that is not there.
        {"no connection handed down", "-u DISPLAY -u WAYLAND_DISPLAY WAYLAND_SOCKET=999", "WAYLAND_SOCKET=999"},
    };
    for (const std::string& program : {kMorvane, kTalisse}) {
        if (!std::filesystem::exists(program)) GTEST_SKIP() << program << " is not built";
        for (const Case& c : cases) {
            SCOPED_TRACE(program + ": " + c.what);
            // A program still running after 30 s hangs: timeout ends it with
            // status 124. The bound only catches that; how fast it stops is
            // no concern of this test.
            const auto [status, text] = run_command("timeout 30 env -u WAYLAND_SOCKET " + c.env +
                                                    " ASAN_OPTIONS=detect_leaks=0 " + program + " 2>&1 >/dev/null");
            EXPECT_TRUE(WIFEXITED(status));
            EXPECT_NE(WEXITSTATUS(status), 124) << "still running after 30 s";
            EXPECT_NE(WEXITSTATUS(status), 0);
            EXPECT_NE(text.find("cannot open its window"), std::string::npos) << text;
            EXPECT_NE(text.find(c.expected), std::string::npos) << text;
        }
    }
}

}  // namespace
