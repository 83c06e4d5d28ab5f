// Runs a course program without a window on typed keys, then prints the
// texts on the screen ("y x colour text", one a line) and writes the page as
// PNG if asked. "ended" is the last line when the program ended first.
//
//   replay morvane|talisse --keys KEYS [--seed N] [--png FILE] [--scale S]
//
// In KEYS, \r is Enter, \b BackSpace, \xHH any byte (\x0c clears an entry),
// \n, \t and \\ as usual.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "engine/platform/screen.h"
#include "programs/morvane/morvane.h"
#include "programs/talisse/talisse.h"

namespace {

int usage(const std::string& why) {
    std::cerr << "replay: " << why << "\n"
              << "usage: replay morvane|talisse --keys KEYS [--seed N] [--png FILE] [--scale S]\n";
    return 2;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> decode_keys(const std::string& text) {
    std::string keys;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            keys += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case 'r': keys += '\r'; break;
            case 'n': keys += '\n'; break;
            case 'b': keys += '\b'; break;
            case 't': keys += '\t'; break;
            case '\\': keys += '\\'; break;
            case 'x': {
                if (i + 2 >= text.size()) return std::nullopt;
                const int hi = hex_digit(text[i + 1]), lo = hex_digit(text[i + 2]);
                if (hi < 0 || lo < 0) return std::nullopt;
                keys += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default: return std::nullopt;
        }
    }
    return keys;
}

std::optional<float> number(const std::string& text) {
    char* end = nullptr;
    const float v = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0') return std::nullopt;
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage("which program?");
    const std::string program = argv[1];
    const CourseDef* course = nullptr;
    if (program == "morvane" || program == "Morvane") course = &morvane_course();
    if (program == "talisse" || program == "Talisse") course = &talisse_course();
    if (!course) return usage("unknown program '" + program + "'");

    plat::HeadlessOptions options;
    std::optional<std::string> png;
    float scale = 1;
    bool have_keys = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return usage("missing value after " + arg);
        const std::string value = argv[++i];
        if (arg == "--keys") {
            const auto keys = decode_keys(value);
            if (!keys) return usage("bad escape in --keys");
            options.keys = *keys;
            have_keys = true;
        } else if (arg == "--seed") {
            const auto seed = number(value);
            if (!seed) return usage("bad --seed");
            options.seed = *seed;
        } else if (arg == "--png") {
            png = value;
        } else if (arg == "--scale") {
            const auto s = number(value);
            if (!s || *s <= 0) return usage("bad --scale");
            scale = *s;
        } else {
            return usage("unknown option " + arg);
        }
    }
    if (!have_keys) return usage("--keys is required");

    // Fonts are looked up only when the page is drawn to pixels.
    if (const auto missing = png ? plat::check_fonts() : std::nullopt) {
        std::cerr << *missing << "\n";
        return 1;
    }

    plat::use_headless(options);
    bool ended = false;
    try {
        run_course(*course);
        ended = true;
    } catch (const plat::ScriptEnded&) {
    }
    std::cout << plat::format_visible(plat::visible_notes());
    if (ended) std::cout << "ended\n";
    std::cout.flush();
    if (png && !plat::write_png(*png, scale)) {
        std::cerr << "replay: cannot write " << *png << "\n";
        return 1;
    }
    return 0;
}
