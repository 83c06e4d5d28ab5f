// Texts inside the engine are CP932 (Windows Shift-JIS) byte strings: a
// character is one byte (ASCII, half-width katakana 0xA1-0xDF) or two (lead
// byte 0x81-0x9F or 0xE0-0xFC). Sources are UTF-8; every literal is converted
// once, where it stands, through SJ("..."), and back to UTF-8 only when a
// glyph is drawn or a text is reported.
#pragma once
#include <string>
#include <string_view>
#include <vector>

using Str = std::string;  // CP932 bytes

namespace plat {

// True for a byte that starts a double-byte character.
bool sj_is_lead(unsigned char b);
// Byte length (1 or 2) of the character that starts at byte `pos`; a lead
// byte at the very end of the text counts as one byte.
int sj_char_len(const Str& s, size_t pos);
// The text split into characters (each one or two bytes).
std::vector<Str> sj_chars(const Str& s);
// Number of characters.
size_t sj_count(const Str& s);

// Conversions. Characters that have no counterpart become "?" (to CP932) or
// U+FFFD (to UTF-8); nothing throws.
Str utf8_to_cp932(std::string_view utf8);
std::string cp932_to_utf8(const Str& sj);

}  // namespace plat

// A CP932 text from a UTF-8 literal, converted the first time this line runs.
#define SJ(lit)                                                    \
    ([]() -> const Str& {                                          \
        static const Str sj_literal_ = ::plat::utf8_to_cp932(lit); \
        return sj_literal_;                                        \
    }())
