#include "tests/common/page_probe.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

namespace probe {
namespace {

struct PixelRect {
    int x0, y0, x1, y1;
};
PixelRect pixels_of(const plat::Image& img, float x0, float y0, float x1, float y1) {
    const float scale = img.scale;
    auto clampx = [&](float v) { return std::clamp(static_cast<int>(std::floor((v - img.x0) * scale)), 0, img.width); };
    auto clampy = [&](float v) {
        return std::clamp(static_cast<int>(std::floor((v - img.y0) * scale)), 0, img.height);
    };
    return {clampx(x0), clampy(y0), clampx(x1), clampy(y1)};
}

int distance(unsigned a, unsigned b) {
    int d = 0;
    for (int shift : {0, 8, 16})
        d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return d;
}

// The extent of the pixels inside the page rectangle that `inked` takes.
template <class Inked>
InkBox extent(const plat::Image& img, float x0, float y0, float x1, float y1, Inked inked) {
    const PixelRect r = pixels_of(img, x0, y0, x1, y1);
    InkBox box;
    int px0 = 1 << 30, py0 = 1 << 30, px1 = -1, py1 = -1;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x)
            if (inked(img.at(x, y))) {
                px0 = std::min(px0, x);
                py0 = std::min(py0, y);
                px1 = std::max(px1, x + 1);
                py1 = std::max(py1, y + 1);
            }
    if (px1 < 0) return box;
    box.any = true;
    box.x0 = img.x0 + static_cast<float>(px0) / img.scale;
    box.y0 = img.y0 + static_cast<float>(py0) / img.scale;
    box.x1 = img.x0 + static_cast<float>(px1) / img.scale;
    box.y1 = img.y0 + static_cast<float>(py1) / img.scale;
    return box;
}

double linear(unsigned c8) {
    const double c = c8 / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double luminance(unsigned rgb) {
    return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) + 0.0722 * linear(rgb & 0xFF);
}

}  // namespace

InkBox ink_box(const plat::Image& img, float x0, float y0, float x1, float y1) {
    const unsigned bg = plat::palette_rgb(15);
    return extent(img, x0, y0, x1, y1, [&](unsigned c) { return distance(c, bg) > 64; });
}

namespace {

// Inked, as ink_box takes it.
bool dark(unsigned c) { return distance(c, plat::palette_rgb(15)) > 64; }

int strokes(const plat::Image& img, PixelRect r) {
    int count = 0;
    bool in = false;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) {
            const bool d = dark(img.at(x, y));
            count += d && !in;
            in = d;
        }
    return count;
}

}  // namespace

int strokes_across(const plat::Image& img, float y, float x0, float x1) {
    PixelRect r = pixels_of(img, x0, y, x1, y);
    r.y1 = std::min(r.y0 + 1, img.height);
    return strokes(img, r);
}

int strokes_down(const plat::Image& img, float x, float y0, float y1) {
    PixelRect r = pixels_of(img, x, y0, x, y1);
    r.x1 = std::min(r.x0 + 1, img.width);
    return strokes(img, r);
}

std::vector<std::pair<float, float>> ink_columns(const plat::Image& img, float x0, float y0, float x1, float y1) {
    const PixelRect r = pixels_of(img, x0, y0, x1, y1);
    std::vector<std::pair<float, float>> runs;
    bool in = false;
    for (int x = r.x0; x <= r.x1; ++x) {
        bool inked = false;
        for (int y = r.y0; y < r.y1 && x < r.x1 && !inked; ++y) inked = dark(img.at(x, y));
        const float at = img.x0 + static_cast<float>(x) / img.scale;
        if (inked && !in) runs.push_back({at, at});
        if (!inked && in) runs.back().second = at;
        in = inked;
    }
    return runs;
}

double inked_share(const plat::Image& img, float x0, float y0, float x1, float y1) {
    const PixelRect r = pixels_of(img, x0, y0, x1, y1);
    long inked = 0, all = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) {
            inked += dark(img.at(x, y));
            ++all;
        }
    return all > 0 ? static_cast<double>(inked) / static_cast<double>(all) : 0;
}

long count_colour(const plat::Image& img, unsigned rgb, float x0, float y0, float x1, float y1) {
    const PixelRect r = pixels_of(img, x0, y0, x1, y1);
    long n = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) n += img.at(x, y) == rgb;
    return n;
}

void save_png(const std::string& name, float scale, float x0, float y0, float x1, float y1) {
    const char* dir = std::getenv("COURSE_PNG_DIR");
    if (dir == nullptr || *dir == '\0') return;
    const std::string path = std::string(dir) + "/" + name + ".png";
    if (!plat::write_png(path, scale, x0, y0, x1, y1)) ADD_FAILURE() << "could not write " << path;
}

long text_touching_borders(float scale, float x0, float y0, float x1, float y1) {
    const plat::Image img = plat::rasterise(scale, x0, y0, x1, y1);
    enum Kind { Fill, Border, Text };
    std::vector<Kind> kinds(img.pixels.size(), Fill);
    for (size_t i = 0; i < img.pixels.size(); ++i) {
        const unsigned c = img.pixels[i];
        bool fill = false;
        for (int f : {11, 13, 14, 15}) fill = fill || distance(c, plat::palette_rgb(f)) <= 40;
        if (fill) continue;
        const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
        kinds[i] = std::min(r, b) - g >= 24 ? Border : Text;
    }
    const auto at = [&](int x, int y) { return kinds[static_cast<size_t>(y) * static_cast<size_t>(img.width) + x]; };
    long touching = 0;
    for (int y = 1; y + 1 < img.height; ++y)
        for (int x = 1; x + 1 < img.width; ++x) {
            if (at(x, y) != Text) continue;
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) near = near || at(x + dx, y + dy) == Border;
            touching += near;
        }
    return touching;
}

std::vector<GlyphSpan> glyph_run(const std::string& utf8, float top) {
    const std::vector<Str> want = plat::sj_chars(plat::utf8_to_cp932(utf8));
    const auto& list = plat::display_list();
    for (size_t start = 0; start < list.size(); ++start) {
        std::vector<GlyphSpan> run;
        float pen = 0;  // where the last glyph's pen ended
        for (size_t i = start; i < list.size() && run.size() < want.size(); ++i) {
            const plat::DrawOp& op = list[i];
            if (op.kind != plat::OpKind::Text) continue;  // a drawn sign between glyphs
            const bool next = op.advance > 0 && op.text == want[run.size()] && std::fabs(op.ay - top) <= 30 &&
                              (run.empty() || std::fabs(op.pen_x - pen) < 0.01f);
            if (!next) break;
            pen = op.pen_x + op.advance;
            const auto set = [&](float x) { return op.part ? plat::internal::in_part(*op.part, x) : x; };
            run.push_back({plat::cp932_to_utf8(op.text), set(op.pen_x), set(pen), op});
        }
        if (run.size() == want.size() && !run.empty()) return run;
    }
    return {};
}

InkBox glyph_ink(const plat::Image& img, const GlyphSpan& glyph, float y0, float y1) {
    const unsigned rgb = plat::palette_rgb(glyph.op.colour);
    return extent(img, glyph.left, y0, glyph.right, y1, [&](unsigned c) { return distance(c, rgb) <= 96; });
}

std::vector<float> ink_gaps(const std::vector<GlyphSpan>& run, float y0, float y1, float scale) {
    std::vector<float> gaps;
    if (run.empty()) return gaps;
    const plat::Image img = plat::rasterise(scale, run.front().left, y0, run.back().right, y1);
    for (size_t i = 0; i + 1 < run.size(); ++i) {
        const InkBox a = glyph_ink(img, run[i], y0, y1);
        const InkBox b = glyph_ink(img, run[i + 1], y0, y1);
        gaps.push_back(a.any && b.any ? std::max(0.0f, b.x0 - a.x1) : 0.0f);
    }
    return gaps;
}

double contrast_ratio(unsigned a, unsigned b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace probe
