#include <cstdio>

#include "engine/platform/screen.h"
#include "programs/morvane/morvane.h"

int main() {
    if (const auto missing = plat::check_fonts()) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return 1;
    }
    plat::use_window(morvane_course().title);
    return run_course(morvane_course());
}
