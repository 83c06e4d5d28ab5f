// The root signs, the tall root sign and the parallelogram are five-point
// polylines in the text colour.
#pragma once
#include <vector>

#include "engine/globals.h"

namespace text_detail {

// The runtime's polyline block takes the points last first, y before x.
inline void five_point_polyline(const float (&pts)[5][2]) {
    std::vector<float> block = {13, 5, -1, 0, 0, -1, G.YMOTO};
    for (int i = 4; i >= 0; --i) {
        block.push_back(pts[i][1]);
        block.push_back(pts[i][0]);
        block.push_back(0);
    }
    block.push_back(0);
    $PsCONNECT(block);
}

}  // namespace text_detail
