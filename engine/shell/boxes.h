// Filled boxes and the pen width, as the shell draws them.
#pragma once
#include "engine/platform/runtime.h"

namespace shell {

// A filled box between two absolute corners, edged in `border`.
inline void box(float x1, float y1, float x2, float y2, float border, float fill) {
    $PsLINE(0, 0, x1, y1, 0, x2, y2, -1, border, 2, fill, -1, 3);
}
// A filled box from (x, y), w wide and h high.
inline void box_wh(float x, float y, float w, float h, float border, float fill) {
    $PsLINE(0, 0, x, y, 1, w, h, -1, border, 2, fill, -1, 3);
}

}  // namespace shell
