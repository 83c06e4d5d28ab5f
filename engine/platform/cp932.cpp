#include "engine/platform/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <mutex>

namespace plat {

bool sj_is_lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

int sj_char_len(const Str& s, size_t pos) {
    if (pos >= s.size()) return 0;
    if (sj_is_lead(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()) return 2;
    return 1;
}

std::vector<Str> sj_chars(const Str& s) {
    std::vector<Str> out;
    for (size_t i = 0; i < s.size();) {
        const int n = sj_char_len(s, i);
        out.push_back(s.substr(i, static_cast<size_t>(n)));
        i += static_cast<size_t>(n);
    }
    return out;
}

size_t sj_count(const Str& s) {
    size_t n = 0;
    for (size_t i = 0; i < s.size(); i += static_cast<size_t>(sj_char_len(s, i))) ++n;
    return n;
}

namespace {

// Length of the UTF-8 sequence that starts with byte b (1 for a stray byte).
size_t utf8_len(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

// One converter for each direction, opened on first use and kept: opening
// one costs far more than converting a line of text.
struct Converter {
    std::mutex mutex;
    iconv_t cd;
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Converter() {
        if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
};

// Runs one conversion; on a character without counterpart (or a malformed
// one) writes `bad` and skips `skip(byte)` input bytes.
template <class Skip>
std::string convert(Converter& conv, std::string_view in, std::string_view bad, Skip skip) {
    std::lock_guard lock(conv.mutex);
    iconv_t cd = conv.cd;
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char buf[256];
    size_t pos = 0;
    while (pos < in.size()) {
        char* inp = const_cast<char*>(in.data() + pos);
        size_t inleft = in.size() - pos;
        char* outp = buf;
        size_t outleft = sizeof buf;
        const size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
        const int err = errno;
        out.append(buf, static_cast<size_t>(outp - buf));
        pos = in.size() - inleft;
        if (r == static_cast<size_t>(-1) && err != E2BIG) {
            out.append(bad);
            size_t n = skip(static_cast<unsigned char>(in[pos]), pos);
            pos += n ? n : 1;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

}  // namespace

Str utf8_to_cp932(std::string_view utf8) {
    static Converter conv("CP932", "UTF-8");
    return convert(conv, utf8, "?",
                   [&](unsigned char b, size_t pos) { return std::min(utf8_len(b), utf8.size() - pos); });
}

std::string cp932_to_utf8(const Str& sj) {
    static Converter conv("UTF-8", "CP932");
    return convert(conv, sj, "\xEF\xBF\xBD",
                   [&](unsigned char, size_t pos) { return static_cast<size_t>(sj_char_len(sj, pos)); });
}

}  // namespace plat
