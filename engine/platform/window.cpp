// The window backend (SDL2): one resizable, maximised window showing the
// logical page scaled uniformly to fit, surrounded by the page colour. The
// page is rasterised from the display list at the window's real pixel size,
// so it stays sharp at any size, and again whenever the list has changed or
// the window was resized or uncovered.
#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>

#include "engine/platform/internal.h"
#include "engine/platform/raster.h"

namespace plat::internal {
namespace {

// How long one key poll or idle step sleeps on window events when nothing is
// waiting: short enough for the page to stay lively, long enough that a
// program waiting for a key uses no measurable CPU.
constexpr Uint32 kWaitMs = 100;

[[noreturn]] void fail_start(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Morvane / Talisse", message.c_str(), nullptr);
    std::exit(1);
}

}  // namespace

Str key_for_press(int sym, std::string& skip_text) {
    switch (sym) {
        case SDLK_RETURN:
        case SDLK_RETURN2:
        case SDLK_KP_ENTER:
            return "\r";
        case SDLK_BACKSPACE:
            return "\b";
        case SDLK_DELETE:
            return "\x0c";
        case SDLK_ESCAPE:
            return "\x1b";
        case SDLK_TAB:
            return "\t";
        case SDLK_LCTRL: case SDLK_RCTRL: case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LALT:
        case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI: case SDLK_MODE: case SDLK_CAPSLOCK:
        case SDLK_NUMLOCKCLEAR: case SDLK_SCROLLLOCK:
            return {};  // a modifier alone is no key
        default:
            break;
    }
    // The keypad gives its characters whatever Num Lock says; the text
    // event that may follow is then not counted twice.
    static constexpr struct {
        SDL_Keycode sym;
        char c;
    } kKeypad[] = {{SDLK_KP_0, '0'}, {SDLK_KP_1, '1'}, {SDLK_KP_2, '2'}, {SDLK_KP_3, '3'},
                   {SDLK_KP_4, '4'}, {SDLK_KP_5, '5'}, {SDLK_KP_6, '6'}, {SDLK_KP_7, '7'},
                   {SDLK_KP_8, '8'}, {SDLK_KP_9, '9'}, {SDLK_KP_PERIOD, '.'}, {SDLK_KP_DIVIDE, '/'},
                   {SDLK_KP_MULTIPLY, '*'}, {SDLK_KP_MINUS, '-'}, {SDLK_KP_PLUS, '+'}};
    for (const auto& kp : kKeypad)
        if (sym == kp.sym) {
            skip_text = std::string(1, kp.c);
            return Str(1, kp.c);
        }
    // A key that types a character (on any keyboard layout, "ö" and "¥"
    // too, and with AltGr or Alt held) comes as its text event; counting the
    // key press as well would make one press two keys. A combination that
    // types nothing (Ctrl with a letter) is no key.
    const bool types = sym >= 32 && sym != SDLK_DELETE && (sym & SDLK_SCANCODE_MASK) == 0;
    if (types) return {};
    return "\x1c";  // any other key: ends a key pause, the input field ignores it
}

namespace {

class Window final : public Backend {
public:
    explicit Window(const std::string& title) {
        if (auto missing = check_fonts()) fail_start(*missing);
        if (SDL_Init(SDL_INIT_VIDEO) != 0)
            fail_start(std::string("The course cannot open its window: ") + SDL_GetError());
        window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   static_cast<int>(kPageWidth), static_cast<int>(kPageHeight),
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
        if (!window_) fail_start(std::string("The course cannot open its window: ") + SDL_GetError());
        SDL_StartTextInput();
        pump(0);
        present();
    }
    ~Window() override {
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
        if (wait_ms > 0) {
            if (!SDL_WaitEventTimeout(&e, static_cast<int>(wait_ms))) return;
            handle(e);
        }
        while (SDL_PollEvent(&e)) handle(e);
    }

    void handle(const SDL_Event& e) {
        switch (e.type) {
            case SDL_QUIT:
                closed_ = true;
                break;
            case SDL_WINDOWEVENT:
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_CLOSE:
                        closed_ = true;
                        break;
                    case SDL_WINDOWEVENT_EXPOSED:
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                    case SDL_WINDOWEVENT_RESIZED:
                    case SDL_WINDOWEVENT_SHOWN:
                    case SDL_WINDOWEVENT_RESTORED:
                    case SDL_WINDOWEVENT_MAXIMIZED:
                        stale_ = true;
                        break;
                    default:
                        break;
                }
                break;
            case SDL_KEYDOWN:
                key_down(e.key.keysym);
                break;
            case SDL_TEXTINPUT:
                text_input(e.text.text);
                break;
            default:
                break;
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

    // Shows the page if it may differ from what the window shows.
    void present() {
        if (!stale_ && list_version() == shown_version_) return;
        shown_version_ = list_version();
        if (!stale_ && display_list() == shown_) return;
        shown_ = display_list();
        stale_ = false;
        draw();
    }

    void draw() {
        SDL_Surface* target = SDL_GetWindowSurface(window_);
        if (!target || target->w <= 0 || target->h <= 0) return;
        const int w = target->w, h = target->h;
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
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
        SDL_Surface* page = SDL_CreateRGBSurfaceWithFormatFrom(
            cairo_image_surface_get_data(surface), w, h, 32, cairo_image_surface_get_stride(surface),
            SDL_PIXELFORMAT_RGB888);
        if (page) {
            SDL_BlitSurface(page, nullptr, target, nullptr);
            SDL_FreeSurface(page);
        }
        cairo_surface_destroy(surface);
        SDL_UpdateWindowSurface(window_);
    }

    SDL_Window* window_ = nullptr;
    std::deque<Str> keys_;
    std::string skip_text_;
    bool closed_ = false;
    bool stale_ = true;
    unsigned long long shown_version_ = ~0ULL;
    std::vector<DrawOp> shown_;
};

}  // namespace

std::unique_ptr<Backend> make_window_backend(const std::string& title_utf8) {
    return std::make_unique<Window>(title_utf8);
}

}  // namespace plat::internal
