// The window backend (SDL2).
#include "engine/platform/internal.h"

namespace plat::internal {

std::unique_ptr<Backend> make_window_backend(const std::string&) { return make_headless_backend(""); }

}  // namespace plat::internal
