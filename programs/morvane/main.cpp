#include "engine/platform/window/window.h"
#include "programs/morvane/morvane.h"

int main() {
    // Opening the window checks the fonts first: a missing one stops here
    // with a message (on the terminal and in a message box) naming its package.
    plat::use_window(morvane_course().title);
    return run_course(morvane_course());
}
