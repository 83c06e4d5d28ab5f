// The drawn signs between stacked fractions keep the gaps their glyph rules
// leave: a sign's arm stops short of the fraction bars on either side, so
// "x/2 + y/3" does not read as one long stroke. Checked from the pixels.
#include <algorithm>
#include <utility>
#include <vector>

#include "tests/common/page_probe.h"
#include "tests/text/support.h"

namespace texttest {
namespace {

using Strokes = TextTest;

TEST_F(Strokes, SignBetweenTwoFractionsKeepsClearOfBothBars) {
    constexpr float kScale = 2;
    const unsigned page = plat::palette_rgb(15), ink = plat::palette_rgb(3);
    for (const auto& [text, png] : {std::pair{"ﾀx/2ﾀ+ﾀy/3ﾀ=8", "text_plus_between_fractions"},
                                    std::pair{"ﾀx/2ﾀ-ﾀy/3ﾀ=1", "text_minus_between_fractions"}}) {
        SCOPED_TRACE(text);
        plat::clear_display_list();
        mu(text, 100, 200, 3);
        // Along the line: the first bar, the sign's level arm, the second bar.
        std::vector<plat::DrawOp> strokes;
        for (const auto& op : plat::display_list())
            if (op.kind == plat::OpKind::Line && op.ay == op.by) strokes.push_back(op);
        std::sort(strokes.begin(), strokes.end(), [](const auto& a, const auto& b) { return a.ax < b.ax; });
        ASSERT_EQ(strokes.size(), 3u);
        const plat::Image img = plat::rasterise(kScale, 50, 150, 400, 300);
        auto at = [&](float x, float y) {
            return img.at(static_cast<int>((x - img.x0) * kScale), static_cast<int>((y - img.y0) * kScale));
        };
        for (size_t i = 0; i + 1 < strokes.size(); ++i) {
            const plat::DrawOp &left = strokes[i], &right = strokes[i + 1];
            ASSERT_LT(left.bx, right.ax);
            // Each stroke inks right up to its stated end...
            EXPECT_EQ(at(left.bx - 0.25f, left.ay), ink) << "left stroke ends at " << left.bx;
            EXPECT_EQ(at(right.ax + 0.25f, right.ay), ink) << "right stroke starts at " << right.ax;
            // ...and not a pixel past it: the band both strokes span is
            // clear between them.
            const float top = std::min(left.ay - left.width / 2, right.ay - right.width / 2);
            const float bottom = std::max(left.ay + left.width / 2, right.ay + right.width / 2);
            long inked = 0;
            for (float y = top + 0.25f; y < bottom; y += 0.5f)
                for (float x = left.bx + 0.25f; x < right.ax; x += 0.5f) inked += at(x, y) != page;
            EXPECT_EQ(inked, 0) << "gap from " << left.bx << " to " << right.ax;
        }
        probe::save_png(png, 4, 80, 170, 400, 300);
    }
}

}  // namespace
}  // namespace texttest
