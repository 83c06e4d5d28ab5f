// The window backend (SDL2): one resizable, maximised window showing the
// logical page scaled uniformly to fit, surrounded by the page colour. The
// page is rasterised from the display list at the window's real pixel size,
// so it stays sharp at any size, and again whenever the list has changed or
// the window was resized or uncovered. Cairo paints straight into the
// window's own framebuffer surface: no GPU renderer and no OpenGL stack,
// which on a machine without a GPU would cost a software OpenGL library
// (around 100 MiB) and tens of milliseconds at start.
#include "engine/platform/window/window.h"

#include <SDL.h>
#include <cairo.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/internal.h"
#include "engine/platform/raster.h"
#include "engine/platform/window/ending.h"
#include "engine/platform/window/keys.h"
#include "engine/platform/window/wayland_faults.h"
#include "engine/platform/window/x11_faults.h"

namespace plat::internal {
namespace {

// How long one key poll or idle step sleeps on window events when nothing is
// waiting: short enough for the page to stay lively, long enough that a
// program waiting for a key uses no measurable CPU.
constexpr Uint32 kWaitMs = 100;

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// SDL connects to the session's D-Bus at start (for input methods and to keep
// the screensaver off). A session that has a bus names it in
// DBUS_SESSION_BUS_ADDRESS or keeps it at $XDG_RUNTIME_DIR/bus, where D-Bus
// looks by itself. With neither there is no bus to reach, and D-Bus would try
// to start one: it runs dbus-launch, a fork of the whole program that costs
// several milliseconds of every start and may leave a daemon behind. Only
// then is the session bus marked as absent. Typed text still reaches the
// window through the X input method, which needs no D-Bus.
void skip_bus_autolaunch() {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) return;
    const std::string runtime = env("XDG_RUNTIME_DIR");
    struct stat st {};
    if (!runtime.empty() && stat((runtime + "/bus").c_str(), &st) == 0 && S_ISSOCK(st.st_mode)) return;
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
}

// Where SDL opened the display, and the watch on a Wayland connection, which
// lasts until the window is up.
struct OpenDisplay {
    bool wayland = false;
    std::unique_ptr<WaylandStartWatch> start_watch;
};

bool init_video(const char* driver) {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, driver, SDL_HINT_OVERRIDE);
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

// Opens the user's display with a video driver that shows a real window on
// it: X11 where DISPLAY names a server; else, or where that server cannot be
// reached, Wayland where WAYLAND_DISPLAY names a compositor or one handed the
// program a connection. Never an off-screen or dummy driver: a program
// without a window would run on, unseen, until a signal ended it. Stops the
// program when there is no display to open.
OpenDisplay open_display() {
    const std::string display = env("DISPLAY"), wayland = env("WAYLAND_DISPLAY"), handed = env("WAYLAND_SOCKET");
    const bool handed_wayland = std::getenv("WAYLAND_SOCKET") != nullptr;
    if (display.empty() && wayland.empty() && !handed_wayland)
        end_cannot_open(
            "The course cannot open its window: no display is set (the environment variable DISPLAY is "
            "empty or unset, and so is WAYLAND_DISPLAY). Start it from a desktop session.",
            false);
    // The program's own handlers end it on SIGTERM and SIGINT.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    skip_bus_autolaunch();
    std::string tried, error;
    if (!display.empty()) {
        // Before SDL opens the display: the server may go while SDL
        // connects, and SDL keeps the handlers it finds (and puts the error
        // handler back as it quits, when the last errors are read).
        handle_x11_faults();
        if (init_video("x11")) {
            // Under X11 the window surface is a software framebuffer (X11
            // shared memory), not a texture of a GPU renderer. Wayland has no
            // such framebuffer: there SDL shows the surface through a
            // renderer's texture, and without one the window would stay empty.
            SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
            // X events passed on from now on: the window's DestroyNotify may
            // come before SDL has returned it.
            SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
            return {};
        }
        tried = "the X server at DISPLAY=" + display;
        error = SDL_GetError();
    }
    if (!wayland.empty() || handed_wayland) {
        OpenDisplay opened{true, WaylandStartWatch::begin()};
        if (init_video("wayland")) return opened;
        // SDL gave up because the compositor went as the program connected.
        if (opened.start_watch) opened.start_watch->end_if_lost();
        tried += (tried.empty() ? "" : ", nor ") + std::string("the Wayland server at ") +
                 (handed_wayland ? "WAYLAND_SOCKET=" + handed : "WAYLAND_DISPLAY=" + wayland);
        error = SDL_GetError();
    }
    end_cannot_open("The course cannot open its window: it could not connect to " + tried + " (" + error + ").", false);
}

class Window final : public Backend {
public:
    explicit Window(const std::string& title) {
        end_on_termination_signals();
        if (auto missing = check_fonts()) end_cannot_open(*missing, true);
        OpenDisplay opened = open_display();
        wayland_ = opened.wayland;
        start_watch_ = std::move(opened.start_watch);
        if (!wayland_) watch_window_birth();
        // A Wayland window that SDL creates maximised still gets its first
        // buffer at the page's size, which a compositor may refuse by ending
        // the connection; asked for once the window exists, the maximised
        // size comes before any buffer.
        window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   static_cast<int>(kPageWidth), static_cast<int>(kPageHeight),
                                   SDL_WINDOW_RESIZABLE | (wayland_ ? 0 : SDL_WINDOW_MAXIMIZED));
        window_made(window_);
        if (!window_) {
            // SDL gave up because the compositor went as the window was made.
            if (start_watch_) start_watch_->end_if_lost();
            end_cannot_open(std::string("The course cannot open its window: ") + SDL_GetError(), true);
        }
        if (wayland_) SDL_MaximizeWindow(window_);
        SDL_StartTextInput();
        // No blank page first: the page is shown when the program first
        // waits for a key, which at start is the menu.
        pump(0);
    }
    ~Window() override {
        // SDL's teardown of a window another program destroyed meets only
        // errors, and may wait for ever for the window to be unmapped. The
        // connection and all it holds go with the process.
        if (x_window_destroyed()) return;
        if (window_) SDL_DestroyWindow(window_);
        SDL_Quit();  // also lets go of its D-Bus connection
    }

    Str poll_key() override {
        pump(0);
        if (keys_.empty()) {
            present();
            pump(kWaitMs);
        }
        if (closed_) throw WindowClosed{};
        if (keys_.empty()) return {};
        Str key = std::move(keys_.front());
        keys_.pop_front();
        return key;
    }

    void idle() override {
        pump(0);
        present();
        pump(kWaitMs);
        if (closed_) throw WindowClosed{};
    }

    size_t pending() const override { return keys_.size(); }
    bool is_headless() const override { return false; }
    void set_title(const std::string& title) override { SDL_SetWindowTitle(window_, title.c_str()); }
    void maximise() override { SDL_MaximizeWindow(window_); }

private:
    // Handles every waiting event; with `wait_ms` first sleeps until one
    // comes or the time is up.
    void pump(Uint32 wait_ms) {
        SDL_Event e;
        if (wait_ms > 0 && SDL_WaitEventTimeout(&e, static_cast<int>(wait_ms))) handle(e);
        while (SDL_PollEvent(&e)) handle(e);
        // Another program destroyed the window: closed as by its close
        // button. Its DestroyNotify said so, or an X error met on the way.
        // A termination signal closes it the same way.
        if (x_window_destroyed() || termination_requested()) closed_ = true;
    }

    void handle(const SDL_Event& e) {
        switch (e.type) {
            case SDL_QUIT:
                end_if_wayland_connection_lost(window_);
                closed_ = true;
                break;
            case SDL_WINDOWEVENT:
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_CLOSE: closed_ = true; break;
                    case SDL_WINDOWEVENT_EXPOSED:
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                    case SDL_WINDOWEVENT_RESIZED:
                    case SDL_WINDOWEVENT_SHOWN:
                    case SDL_WINDOWEVENT_RESTORED:
                    case SDL_WINDOWEVENT_MAXIMIZED: stale_ = true; break;
                    // A Wayland window's title bar is drawn anew as it gains
                    // or loses the focus, and shows only once the window
                    // shows its page again.
                    case SDL_WINDOWEVENT_FOCUS_GAINED:
                    case SDL_WINDOWEVENT_FOCUS_LOST: stale_ = stale_ || wayland_; break;
                    default: break;
                }
                break;
            case SDL_SYSWMEVENT: note_x_event(e.syswm.msg); break;
            case SDL_KEYDOWN: key_down(e.key.keysym); break;
            case SDL_TEXTINPUT: text_input(e.text.text); break;
            default: break;
        }
    }

    void key_down(const SDL_Keysym& k) {
        skip_text_.clear();
        Str key = key_for_press(k.sym, skip_text_);
        if (!key.empty()) keys_.push_back(std::move(key));
    }

    void text_input(const char* utf8) {
        std::string text(utf8);
        if (!skip_text_.empty() && text == skip_text_) {
            skip_text_.clear();
            return;
        }
        // One key per character, each as its CP932 text.
        for (const Str& c : sj_chars(utf8_to_cp932(text))) keys_.push_back(c);
    }

    // Shows the page if it may differ from what the window shows. Nothing is
    // drawn once the window is closed: it may be gone already.
    void present() {
        if (closed_) return;
        if (!stale_ && list_version() == shown_version_) return;
        shown_version_ = list_version();
        if (!stale_ && display_list() == shown_) return;
        shown_ = display_list();
        stale_ = false;
        draw();
        // The window is up, showing a page: from now on SDL reports a lost
        // display, and a termination signal closes the window.
        start_watch_.reset();
        window_is_up();
    }

    void draw() {
        SDL_Surface* target = SDL_GetWindowSurface(window_);
        if (!target || target->w <= 0 || target->h <= 0) return;
        const int w = target->w, h = target->h;
        if (target->pixels != populated_) {
            populate(target->pixels, static_cast<size_t>(target->pitch) * static_cast<size_t>(h));
            populated_ = target->pixels;
        }
        // The framebuffer is 32-bit XRGB on every X server with a 24-bit
        // visual: cairo paints into it. Any other format gets the page
        // painted aside and converted.
        const bool direct =
            target->format->format == SDL_PIXELFORMAT_RGB888 || target->format->format == SDL_PIXELFORMAT_ARGB8888;
        if (direct && SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
        cairo_surface_t* surface =
            direct ? cairo_image_surface_create_for_data(static_cast<unsigned char*>(target->pixels),
                                                         CAIRO_FORMAT_RGB24, w, h, target->pitch)
                   : cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        cairo_t* cr = cairo_create(surface);
        const unsigned bg = palette_rgb(15);
        cairo_set_source_rgb(cr, ((bg >> 16) & 0xFF) / 255.0, ((bg >> 8) & 0xFF) / 255.0, (bg & 0xFF) / 255.0);
        cairo_paint(cr);
        const double scale = std::min(w / static_cast<double>(kPageWidth), h / static_cast<double>(kPageHeight));
        cairo_translate(cr, (w - kPageWidth * scale) / 2, (h - kPageHeight * scale) / 2);
        cairo_scale(cr, scale, scale);
        render_page(cr);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        if (direct) {
            if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
        } else if (SDL_Surface* page = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(surface), w, h,
                                                                          32, cairo_image_surface_get_stride(surface),
                                                                          SDL_PIXELFORMAT_RGB888)) {
            SDL_BlitSurface(page, nullptr, target, nullptr);
            SDL_FreeSurface(page);
        }
        cairo_surface_destroy(surface);
        SDL_UpdateWindowSurface(window_);
    }

    // Maps a new framebuffer's pages in one step before the first paint
    // fills it: page by page, touching a maximised window's megabytes of
    // fresh shared memory costs more than painting them (several
    // milliseconds, most of all in a virtual machine). Harmless where the
    // kernel does not know the request.
    static void populate(void* pixels, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
        const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
        const uintptr_t start = reinterpret_cast<uintptr_t>(pixels) & ~(page - 1);
        const uintptr_t end = reinterpret_cast<uintptr_t>(pixels) + bytes;
        madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
#else
        (void)pixels;
        (void)bytes;
#endif
    }

    std::unique_ptr<WaylandStartWatch> start_watch_;
    bool wayland_ = false;
    SDL_Window* window_ = nullptr;
    const void* populated_ = nullptr;  // the framebuffer whose pages are mapped
    std::deque<Str> keys_;
    std::string skip_text_;
    bool closed_ = false;
    bool stale_ = true;
    unsigned long long shown_version_ = ~0ULL;
    std::vector<DrawOp> shown_;
};

}  // namespace

}  // namespace plat::internal

namespace plat {

void use_window(const std::string& title_utf8) {
    internal::reset_drawing_state();
    internal::reset_runtime_state(std::nullopt, std::nullopt);
    internal::set_backend(std::make_unique<internal::Window>(title_utf8));
}

}  // namespace plat
