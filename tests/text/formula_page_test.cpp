// Specimens drawn on the headless page and written as PNG, checked from the
// pixels: a sheet of every kind of glyph, each inside its cell, and a page of
// formula texts whose fractions keep numerator, bar and denominator apart.
// The PNGs stay in the build directory to be looked at.
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "tests/common/page_probe.h"
#include "tests/text/support.h"

namespace texttest {
namespace {

constexpr float kScale = 2;  // pixels per page unit

struct Rect {
    float x0, y0, x1, y1;
};

// The inked pixels of the page, or of the part of it from (x0, y0) to
// (x1, y1); the whole page is also written as a PNG named `png` when one is
// given and PNGs are asked for (probe::save_png).
class Ink {
public:
    explicit Ink(const std::string& png = "") : Ink(0, 0, plat::kPageWidth, plat::kPageHeight) {
        if (!png.empty()) probe::save_png(png, kScale);
    }
    Ink(float x0, float y0, float x1, float y1) {
        const plat::Image image = plat::rasterise(kScale, x0, y0, x1, y1);
        w_ = image.width;
        h_ = image.height;
        x0_ = x0;
        y0_ = y0;
        const unsigned bg = plat::palette_rgb(15);
        ink_.assign(static_cast<size_t>(w_) * static_cast<size_t>(h_), false);
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                const unsigned p = image.at(x, y);
                int diff = 0;
                for (int shift : {0, 8, 16})
                    diff = std::max(
                        diff, std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((bg >> shift) & 0xFF)));
                ink_[static_cast<size_t>(y) * w_ + x] = diff > 60;  // faint edge shading is not ink
            }
    }

    // Extent of the ink inside a region, in page units (pixel edges).
    std::optional<Rect> extent(const Rect& region) const {
        std::optional<Rect> r;
        const int px0 = std::max(0, static_cast<int>(std::floor((region.x0 - x0_) * kScale)));
        const int py0 = std::max(0, static_cast<int>(std::floor((region.y0 - y0_) * kScale)));
        const int px1 = std::min(w_, static_cast<int>(std::ceil((region.x1 - x0_) * kScale)));
        const int py1 = std::min(h_, static_cast<int>(std::ceil((region.y1 - y0_) * kScale)));
        for (int y = py0; y < py1; ++y)
            for (int x = px0; x < px1; ++x)
                if (ink_[static_cast<size_t>(y) * w_ + x]) {
                    const Rect p{x0_ + x / kScale, y0_ + y / kScale, x0_ + (x + 1) / kScale, y0_ + (y + 1) / kScale};
                    if (!r) r = p;
                    r->x0 = std::min(r->x0, p.x0);
                    r->y0 = std::min(r->y0, p.y0);
                    r->x1 = std::max(r->x1, p.x1);
                    r->y1 = std::max(r->y1, p.y1);
                }
        return r;
    }

    // Inked pixels outside every one of the regions.
    int outside(const std::vector<Rect>& regions) const {
        int n = 0;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                if (!ink_[static_cast<size_t>(y) * w_ + x]) continue;
                const float ux = x0_ + (x + 0.5f) / kScale, uy = y0_ + (y + 0.5f) / kScale;
                bool in = false;
                for (const Rect& r : regions) in = in || (ux >= r.x0 && ux < r.x1 && uy >= r.y0 && uy < r.y1);
                n += !in;
            }
        return n;
    }

private:
    int w_ = 0, h_ = 0;
    float x0_ = 0, y0_ = 0;
    std::vector<bool> ink_;
};

std::string rect_text(const Rect& r) {
    return "(" + num(r.x0) + "," + num(r.y0) + ")-(" + num(r.x1) + "," + num(r.y1) + ")";
}

// ------------------------------------------------------------ glyph sheet

// One specimen: draws at the pen (x, y) and gives the cell it may ink.
struct Specimen {
    std::string name;
    std::function<Rect(float x, float y)> draw;
};

// Characters whose ink may reach below a lesson line's 40: descenders and
// brackets.
bool descends(const std::string& utf8) {
    for (const char* c : {"y", "g", "j", "p", "q", "Q", "(", ")", ",", "（", "）"})
        if (utf8 == c) return true;
    return false;
}

// A glyph of the formula text. The cell runs from the pen to the pen after
// it; down, it is the lesson line (normal: from a unit below the line top to
// 40 below it, 43 for descenders, which the next line 50 further down and an
// erase box 40 below the line's top leave free) or the fraction part's band,
// which keeps clear of the bar and of the over-lines; raised glyphs reach
// higher.
Specimen formula(const char* utf8, bool fraction, float x1 = 0, float small = 0) {
    std::string name =
        std::string(fraction ? "fraction " : "") + (x1 ? "exponent " : "") + (small ? "small raised " : "") + utf8;
    return {name, [=](float x, float y) {
                G.RTASKAI1 = fraction ? 1 : 0;
                G.X1 = x1;
                G.TBSIYAKX = small;
                G.A$ = sj(utf8);
                G.DSM1 = x;
                G.DSM2 = y;
                DRAW_TOKENS();
                G.RTASKAI1 = 0;
                const float raised = small ? 10 : fraction && x1 ? 4 : 0;
                if (fraction) return Rect{x, y - 1 - raised, G.DSM1, y + 32};
                return Rect{x, y + 1 - raised, G.DSM1, y + (descends(utf8) ? 43.0f : 40.0f)};
            }};
}

// A prompt cell: 16 across, the height of a size-16 glyph.
Specimen prompt_cell(const char* utf8) {
    return {std::string("prompt ") + utf8, [=](float x, float y) {
                G.KKAI$ = sj(utf8);
                G.DSM1 = x;
                G.DSM2 = y;
                DRAW_PROMPT_TEXT();
                return Rect{x, y - 5, G.DSM1, y + 18};
            }};
}

// The glyphs the pages show, in both modes of the formula text, and the
// prompt cells. (Not here: "°", which no text holds, and "." and "ℓ" inside
// a fraction, which no fraction holds: their rules give them the height of
// a normal line.)
std::vector<Specimen> glyph_specimens() {
    std::vector<Specimen> s;
    for (const char* c : {"0", "3", "8", "x", "a", "c",  "y",  "b",  "X",  "A",  "l",  "=",  ".", "'", "*", "/",
                          "@", "(", ")", "-", "+", "解", "あ", "ア", "①",  "②",  "Ｐ", "…",  "ｱ", "?", "g", "j",
                          "Q", "m", "W", ",", "%", "道", "関", "（", "）", "、", "。", "ー", "⑨", "㍑"})
        s.push_back(formula(c, false));
    for (const char* c : {"2", "x", "-"}) s.push_back(formula(c, false, 1));
    for (const char* c : {"3", "a"}) s.push_back(formula(c, false, 0, 1));
    for (const char* c : {"0", "5", "9", "x", "a", "c", "y", "=", "-", "+", "/", "*", "解", "あ", "(", ")"})
        s.push_back(formula(c, true));
    for (const char* c : {"2", "x"}) s.push_back(formula(c, true, 1));
    for (const char* c : {"1", "x", "A", "z", "練", "①", "，", "-"}) s.push_back(prompt_cell(c));
    return s;
}

using Specimens = TextTest;

TEST_F(Specimens, EveryGlyphInksOnlyItsCell) {
    const auto specimens = glyph_specimens();
    std::vector<Rect> cells, regions;
    for (size_t i = 0; i < specimens.size(); ++i) {
        const float x = 40 + 110 * static_cast<float>(i % 12);
        const float y = 40 + 100 * static_cast<float>(i / 12);
        ASSERT_LT(y, 700);
        G.YMOTO = 0;
        cells.push_back(specimens[i].draw(x, y));
        regions.push_back({x - 20, y - 30, x + 90, y + 70});
    }
    const Ink ink("text_glyph_sheet");
    constexpr float tolerance = 0.5f;  // one pixel of edge shading
    for (size_t i = 0; i < specimens.size(); ++i) {
        SCOPED_TRACE(specimens[i].name);
        const auto e = ink.extent(regions[i]);
        if (!e) {
            ADD_FAILURE() << "no ink";
            continue;
        }
        const Rect& c = cells[i];
        EXPECT_TRUE(e->x0 >= c.x0 - tolerance && e->x1 <= c.x1 + tolerance && e->y0 >= c.y0 - tolerance &&
                    e->y1 <= c.y1 + tolerance)
            << "ink " << rect_text(*e) << " cell " << rect_text(c);
    }
    EXPECT_EQ(ink.outside(regions), 0);
}

// -------------------------------------------------------- formula page

// A page as the lessons set it: fractions with roots and exponents, signs,
// italic letters, the script ell, pictograms, and the prompt strip below.
struct PageText {
    float x, y, colour;
    const char* text;
};

const PageText kPage[] = {
    {40, 20, 3, "連立方程式の解き方"},  {40, 90, 0, "2x+3y=12 …①"},
    {420, 90, 0, "5x-3y=9 …②"},         {780, 90, 0, "①+②  7x=21"},
    {40, 170, 5, "x=ﾀ3/2ﾀ, y=-ﾀ5/4ﾀ"},  {420, 170, 0, "ﾀ2x+1/3ﾀ-ﾀx-2/4ﾀ=1"},
    {860, 170, 0, "①*ﾀ1/10ﾀ, ②/10"},    {40, 280, 0, "ﾀx^2+1/2ﾀ-ﾀ3/x^2ﾀ=ﾀ1/!3ﾝﾀ"},
    {560, 280, 0, "#ﾀ1/2ﾀﾝ+!5ﾝ*2/3@4"}, {1000, 280, 7, "a'=ﾀa+c/2ﾀ"},
    {40, 390, 0, "l=2.5a-c  ﾀ3/2ﾀl"},   {560, 390, 0, "y=ﾀ12/-5ﾀx+ﾀ3/ タﾀ"},
    {40, 480, 0, "ｶｶｶ 3本で 360円"},    {560, 480, 0, "ｷｷ 2冊で 240円"},
    {40, 570, 5, "答 x=3, y=2"},
};

// Where one draw inks the page, drawn alone.
std::optional<Rect> ink_of(const plat::DrawOp& op, const Rect& region) {
    plat::clear_display_list();
    FE$SETDRAWWIDTH(0, op.width);
    switch (op.kind) {
        case plat::OpKind::Text: {
            const plat::Font& f = op.font;
            FE$SETFONTNAME(0, f.face == plat::Face::Serif     ? Str("Times New Roman")
                              : f.face == plat::Face::MTExtra ? Str("MT Extra")
                                                              : sj("ゴシック"));
            FE$SETFONTSIZE(0, f.size);
            FE$SETFONTBOLD(0, f.bold ? -1 : 0);
            FE$SETFONTITALIC(0, f.italic ? -1 : 0);
            $PsSYMBOL40(0, 0, op.ax, op.ay, op.text, op.h, op.v, static_cast<float>(op.colour), 0, 0, 1);
            break;
        }
        case plat::OpKind::Line:
            $PsLINE(0, 0, op.ax, op.ay, 0, op.bx, op.by, -1, static_cast<float>(op.colour), 0, 0, -1, 7);
            break;
        case plat::OpKind::Polyline: {
            std::vector<float> block = {13, static_cast<float>(op.pts.size()), -1, 0, 0,
                                        -1, static_cast<float>(op.colour)};
            for (auto it = op.pts.rbegin(); it != op.pts.rend(); ++it) {
                block.push_back(it->second);
                block.push_back(it->first);
                block.push_back(0);
            }
            block.push_back(0);
            $PsCONNECT(block);
            break;
        }
        default: return std::nullopt;
    }
    return Ink(region.x0, region.y0, region.x1, region.y1).extent(region);
}

void add(std::optional<Rect>& to, const Rect& r) {
    if (!to) {
        to = r;
        return;
    }
    to->x0 = std::min(to->x0, r.x0);
    to->y0 = std::min(to->y0, r.y0);
    to->x1 = std::max(to->x1, r.x1);
    to->y1 = std::max(to->y1, r.y1);
}

// The ink of one stacked fraction: what stands above its bar, the bar, what
// stands below it, and the over-line of a tall root over it.
struct FractionInk {
    std::string where;
    std::optional<Rect> numerator, bar, denominator, over_line;
};

// The fractions among the draws [from, to) of a text whose line top is y;
// every draw is inked alone and goes with the bar whose span it starts in.
void fraction_ink(const std::vector<plat::DrawOp>& ops, size_t from, size_t to, float y,
                  std::vector<FractionInk>& out) {
    std::vector<Rect> bars;
    for (size_t i = from; i < to; ++i)
        if (ops[i].kind == plat::OpKind::Line && ops[i].width == 4 && ops[i].ay == y + 25)
            bars.push_back({ops[i].ax, y - 30, ops[i].bx, y + 90});
    for (const Rect& span : bars) {
        FractionInk f;
        f.where = num(span.x0) + "," + num(y);
        for (size_t i = from; i < to; ++i) {
            const plat::DrawOp& op = ops[i];
            const float left = op.kind == plat::OpKind::Polyline ? op.pts.front().first : op.ax;
            if (op.kind == plat::OpKind::Note || left < span.x0 - 1 || left >= span.x1) continue;
            const auto e = ink_of(op, {span.x0 - 10, span.y0, span.x1 + 10, span.y1});
            if (!e) continue;
            if (op.kind == plat::OpKind::Line && op.width == 4 && op.ay == y + 25) add(f.bar, *e);
            else if (op.kind == plat::OpKind::Line && op.ay == y - 14) add(f.over_line, *e);
            else if ((e->y0 + e->y1) / 2 < y + 25) add(f.numerator, *e);
            else add(f.denominator, *e);
        }
        out.push_back(f);
    }
}

TEST_F(Specimens, FormulaPageKeepsFractionPartsApart) {
    std::vector<std::pair<size_t, size_t>> ranges;
    for (const PageText& p : kPage) {
        const size_t before = plat::display_list().size();
        G.KKAI$ = sj(p.text);
        G.DSM1 = p.x;
        G.DSM2 = p.y;
        G.YMOTO = p.colour;
        MU();
        ranges.emplace_back(before, plat::display_list().size());
    }
    // The prompt strip: a section menu line and a typed entry being echoed.
    $PsLINE(0, 0, 0, 639, 0, 1366, 720, -1, 7, 2, 15, 0, 15);
    G.YMOTO = 0;
    G.KKAI$ = sj("P46 練習問題 ①,②解答　　　③終了");
    G.DSM1 = 16;
    G.DSM2 = 666;
    DRAW_PROMPT_TEXT();
    G.KKAI$ = sj("入力");
    G.DSM1 = 1008;
    G.DSM2 = 666;
    DRAW_PROMPT_TEXT();
    G.DSM1 = 1056;
    for (const char* key : {"-", "1", ".", "5"}) {
        G.A$ = key;
        G.YMOTO = 5;
        DRAW_WIDE_TEXT();
        G.DSM1 = G.DS4;
    }
    const Ink page_ink("text_specimen");
    // The roots and exponents, close up.
    probe::save_png("text_specimen_roots", 4, 20, 240, 1000, 370);

    const std::vector<plat::DrawOp> ops = plat::display_list();
    std::vector<FractionInk> fractions;
    for (size_t i = 0; i < ranges.size(); ++i)
        fraction_ink(ops, ranges[i].first, ranges[i].second, kPage[i].y, fractions);
    ASSERT_EQ(fractions.size(), 13u);
    constexpr float gap = 0.5f;  // at least one clear pixel row
    for (const FractionInk& f : fractions) {
        SCOPED_TRACE("fraction at " + f.where);
        ASSERT_TRUE(f.bar && f.numerator && f.denominator);
        EXPECT_LE(f.numerator->y1 + gap, f.bar->y0)
            << "numerator " << rect_text(*f.numerator) << " bar " << rect_text(*f.bar);
        EXPECT_LE(f.bar->y1 + gap, f.denominator->y0)
            << "bar " << rect_text(*f.bar) << " denominator " << rect_text(*f.denominator);
        if (f.over_line) {
            EXPECT_LE(f.over_line->y1 + gap, f.numerator->y0)
                << "over-line " << rect_text(*f.over_line) << " numerator " << rect_text(*f.numerator);
        }
    }
}

}  // namespace
}  // namespace texttest
