// The elimination solver run headless as a section runs it: the arrays of
// start-up, a label drawn just before the call, and typed keys for its pauses.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/platform/runtime.h"
#include "engine/platform/screen.h"
#include "engine/shell/shell.h"
#include "engine/solver/solver.h"
#include "engine/text/text.h"

namespace solver_test {

// Where the caller's label goes: the work area's left edge and its line.
inline constexpr float kLeft = 60;
inline constexpr float kTop = 80;
// Where the caller's label ended: the brace goes there.
inline float label_end = 0;

// A piece of text as MU drew it, UTF-8.
struct Piece {
    float x, y, end;
    int colour;
    std::string text;
};

inline std::string utf8(const Str& s) { return plat::cp932_to_utf8(s); }

struct System {
    float a1, b1, c1, a2, b2, c2;
};

struct Call {
    Call(System s, Program p = Program::Morvane, float aa = 0, float llt = 0, std::string l1 = "", std::string l2 = "")
        : system(s), program(p), AA(aa), LLT(llt), label1(std::move(l1)), label2(std::move(l2)) {}
    System system;
    Program program;
    float AA;
    float LLT;
    std::string label1, label2;  // UTF-8; empty for the defaults
};

// Sets up the page as a section does before a solver call (the label "(1)"
// at the work area's left edge, the cursor after it) and runs the solver with
// `keys` key presses. Returns false when the keys ran out at a pause.
inline bool run(const Call& call, int keys) {
    plat::use_headless({std::string(static_cast<size_t>(keys), 'k'), std::nullopt, std::nullopt});
    reset_globals(call.program);
    create_shared_arrays();
    FE$SETDRAWWIDTH(0, 3);
    G.II = kLeft;
    G.B1 = kLeft;
    G.YMOTO = 7;
    G.DSM1 = kLeft;
    G.DSM2 = kTop;
    G.KKAI$ = "(1)";
    MU();
    label_end = G.DSM1;
    G.YI1 = G.DSM1;
    G.B2 = G.DSM2;

    const System& s = call.system;
    G.GX3(1) = s.a1;
    G.GX3(2) = s.b1;
    G.GX3(3) = s.a2;
    G.GX3(4) = s.b2;
    G.GY3(1) = s.c1;
    G.GY3(2) = s.c2;
    G.GX3(5) = 9;  // a generator's multipliers, never read
    G.GX3(6) = 9;
    G.AA = call.AA;
    G.LLT = call.LLT;
    G.CCC3$ = plat::utf8_to_cp932(call.label1);
    G.ENZAN$ = plat::utf8_to_cp932(call.label2);
    try {
        SOLVE_BY_ELIMINATION();
    } catch (const plat::ScriptEnded&) {
        return false;
    }
    return true;
}

// Every text drawn on the page after the caller's label, in drawing order
// (the key-pause prompts in the bottom strip left out).
inline std::vector<Piece> pieces() {
    std::vector<Piece> out;
    for (const plat::DrawOp& op : plat::display_list())
        if (op.kind == plat::OpKind::Note && op.ay < 639)
            out.push_back({op.ax, op.ay, op.bx, op.colour, utf8(op.text)});
    if (!out.empty()) out.erase(out.begin());  // the label
    return out;
}

}  // namespace solver_test
