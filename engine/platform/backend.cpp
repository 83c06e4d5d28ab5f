// Backend selection and the headless backend, whose keys come from a script.
#include <deque>
#include <functional>

#include "engine/platform/internal.h"

namespace plat {
namespace internal {
namespace {

class Headless final : public Backend {
public:
    Headless(const std::string& keys, std::function<void(size_t)> on_key)
        : keys_(keys.begin(), keys.end()), on_key_(std::move(on_key)) {}
    Str poll_key() override {
        // A program that polls with the script used up would wait for ever:
        // the run stops here, with the page as it stands.
        if (keys_.empty()) throw ScriptEnded{};
        Str key(1, keys_.front());
        keys_.pop_front();
        if (on_key_) on_key_(keys_.size());
        return key;
    }
    void idle() override { throw ScriptEnded{}; }
    size_t pending() const override { return keys_.size(); }
    bool is_headless() const override { return true; }

private:
    std::deque<char> keys_;
    std::function<void(size_t)> on_key_;
};

std::unique_ptr<Backend>& slot() {
    static std::unique_ptr<Backend> b = std::make_unique<Headless>("", nullptr);
    return b;
}

}  // namespace

Backend& backend() { return *slot(); }
void set_backend(std::unique_ptr<Backend> b) {
    slot().reset();  // a window is closed before the next opens
    slot() = std::move(b);
}
std::unique_ptr<Backend> make_headless_backend(const std::string& keys, std::function<void(size_t)> on_key) {
    return std::make_unique<Headless>(keys, std::move(on_key));
}

}  // namespace internal

void use_headless(const HeadlessOptions& options) {
    internal::set_backend(internal::make_headless_backend(options.keys, options.on_key));
    internal::reset_drawing_state();
    internal::reset_runtime_state(options.seed, options.time, options.draws);
}

bool headless() { return internal::backend().is_headless(); }
void set_title(const std::string& title_utf8) { internal::backend().set_title(title_utf8); }
size_t pending_keys() { return internal::backend().pending(); }

}  // namespace plat

#if defined(__SANITIZE_ADDRESS__)
// Test builds run under the leak checker. Fontconfig loses a block while it
// reads its configuration, and the libraries behind the window keep theirs
// for the life of the process (D-Bus, Xlib); they are not the course's leaks,
// and the count of them is not worth a line in every program's output.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:libX11.so\n"
           "leak:libSDL2\n";
}
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
