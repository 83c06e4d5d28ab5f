#include "engine/platform/window/window.h"
#include "programs/talisse/talisse.h"

int main() {
    // Opening the window checks the fonts first: a missing one stops here
    // with a message (on the terminal and in a message box) naming its package.
    plat::use_window(talisse_course().title);
    return run_course(talisse_course());
}
