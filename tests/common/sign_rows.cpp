#include "tests/common/sign_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include <gtest/gtest.h>

namespace probe {
namespace {

constexpr float kScale = 4;

int channel_distance(unsigned a, unsigned b) {
    int d = 0;
    for (int shift : {0, 8, 16})
        d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return d;
}

// The part of the page round a sign row and its two rows, with the pixels
// told apart: the marks' colour (deep purple) and its blends with the page
// have red and blue well above green, by a quarter of the pixel's darkness
// at least; the rows' text (black), its blends and blends of black with
// purple do not.
struct RowPixels {
    plat::Image img;
    bool ink(int x, int y) const { return channel_distance(img.at(x, y), plat::palette_rgb(15)) > 24; }
    bool sign(int x, int y) const {
        const unsigned c = img.at(x, y);
        const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
        const int purple = std::min(r, b) - g;
        return ink(x, y) && purple >= 4 && 4 * purple >= 255 - g;
    }
    bool text(int x, int y) const { return ink(x, y) && !sign(x, y); }
    int px(float x) const { return std::clamp(static_cast<int>(std::floor((x - img.x0) * kScale)), 0, img.width); }
    int py(float y) const { return std::clamp(static_cast<int>(std::floor((y - img.y0) * kScale)), 0, img.height); }
    float ux(int x) const { return img.x0 + static_cast<float>(x) / kScale; }
    float uy(int y) const { return img.y0 + static_cast<float>(y) / kScale; }

    // The box of the pixels that `keep` accepts inside a page rectangle.
    template <class Keep>
    InkBox box(float x0, float y0, float x1, float y1, Keep keep) const {
        InkBox b;
        for (int y = py(y0); y < py(y1); ++y)
            for (int x = px(x0); x < px(x1); ++x) {
                if (!keep(x, y)) continue;
                if (!b.any) b = {true, ux(x), uy(y), ux(x + 1), uy(y + 1)};
                b.x0 = std::min(b.x0, ux(x));
                b.y0 = std::min(b.y0, uy(y));
                b.x1 = std::max(b.x1, ux(x + 1));
                b.y1 = std::max(b.y1, uy(y + 1));
            }
        return b;
    }
};

RowPixels pixels_round(const SignRow& row) {
    return {plat::rasterise(kScale, 0, row.y - 30, plat::kPageWidth, row.y + 80)};
}

bool digit(const Str& text) { return text.size() == 1 && text[0] >= '0' && text[0] <= '9'; }

}  // namespace

std::vector<SignRow> sign_rows() {
    // Its marks are thin strokes; a sign that a text shows full-size is
    // drawn with a pen of 5.
    const auto has_marks = [](const plat::DrawOp& note) {
        for (const plat::DrawOp& op : plat::display_list())
            if (op.kind == plat::OpKind::Line && op.colour == 3 && op.width == 3 && op.ax >= note.ax &&
                op.ax <= note.bx && op.ay >= note.ay && op.ay < note.ay + 45)
                return true;
        return false;
    };
    std::vector<SignRow> rows;
    for (const plat::DrawOp& op : plat::display_list())
        if (op.kind == plat::OpKind::Note && op.colour == 3 && op.text.find_first_of("+-") != std::string::npos &&
            op.text.find_first_not_of("+- ") == std::string::npos && has_marks(op))
            rows.push_back({op.ax, op.ay, op.bx, op.text});
    return rows;
}

std::vector<SignMark> sign_marks(const SignRow& row) {
    const RowPixels p = pixels_round(row);
    // The digits' ink of the row above and of the row below.
    std::optional<float> above, below;
    for (const plat::DrawOp& op : plat::display_list()) {
        if (op.kind != plat::OpKind::Text || !digit(op.text)) continue;
        const bool upper = op.ay == row.y - 25, lower = op.ay == row.y + 25;
        if (!upper && !lower) continue;
        const InkBox ink = p.box(op.ax - 4, op.ay, op.ax + 31, op.ay + 44, [&](int x, int y) { return p.text(x, y); });
        if (!ink.any) continue;
        if (upper) above = std::max(above.value_or(ink.y1), ink.y1);
        if (lower) below = std::min(below.value_or(ink.y0), ink.y0);
    }
    std::vector<SignMark> marks;
    for (size_t i = 0; i < row.signs.size(); ++i) {
        if (row.signs[i] == ' ') continue;
        const float cell = row.x + 27 * static_cast<float>(i);
        SignMark m;
        m.sign = row.signs[i];
        m.ink = p.box(cell, row.y, cell + 27, row.y + 45, [&](int x, int y) { return p.sign(x, y); });
        if (m.ink.any && above) m.gap_above = m.ink.y0 - *above;
        if (m.ink.any && below) m.gap_below = *below - m.ink.y1;
        marks.push_back(m);
    }
    return marks;
}

int marks_touching_rows(const SignRow& row) {
    const RowPixels p = pixels_round(row);
    int touching = 0;
    const int x0 = std::max(1, p.px(row.x - 30)), x1 = std::min(p.img.width - 1, p.px(row.end + 30));
    for (int y = 1; y + 1 < p.img.height; ++y)
        for (int x = x0; x < x1; ++x) {
            if (!p.sign(x, y)) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) touching += p.text(x + dx, y + dy);
        }
    return touching;
}

size_t expect_sign_rows_placed() {
    const std::vector<SignRow> rows = sign_rows();
    for (const SignRow& row : rows) {
        SCOPED_TRACE("sign row \"" + row.signs + "\" at (" + std::to_string(row.x) + ", " + std::to_string(row.y) +
                     ")");
        EXPECT_EQ(marks_touching_rows(row), 0);
        const std::vector<SignMark> marks = sign_marks(row);
        size_t cell = 0;
        for (const SignMark& m : marks) {
            while (row.signs[cell] == ' ') ++cell;
            SCOPED_TRACE(std::string("'") + m.sign + "' in cell " + std::to_string(cell));
            const float left = row.x + 27 * static_cast<float>(cell++);
            EXPECT_TRUE(m.ink.any);
            if (!m.ink.any) continue;
            EXPECT_GE(m.ink.x0, left);
            EXPECT_LE(m.ink.x1, left + 27);
            EXPECT_GT(m.gap_below, 1.0f);
            EXPECT_NEAR(m.gap_below / m.gap_above, 0.5f, 0.15f) << "above " << m.gap_above << ", below " << m.gap_below;
        }
    }
    return rows.size();
}

}  // namespace probe
