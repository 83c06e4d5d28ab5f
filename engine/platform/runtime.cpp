// Keys, clock, random numbers, string and number conversions and faults.
#include "engine/platform/runtime.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <vector>

#include "engine/platform/internal.h"

namespace {

// ------------------------------------------------------------ state
struct RuntimeState {
    std::uint64_t rng = 0;
    std::optional<float> seed_override;
    std::optional<std::string> time_override;
    std::deque<float> scripted_draws;  // taken before the generator's own
    int last_place = 0;
    int last_code = 0;
};
RuntimeState& rt() {
    static RuntimeState s;
    return s;
}

// splitmix64: small, fast and well mixed; one step per draw.
std::uint64_t next_random() {
    std::uint64_t z = (rt().rng += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

void seed_random(float seed) {
    // Any float seeds; equal seeds give equal sequences.
    std::uint32_t bits = 0;
    const float s = seed == 0 ? 0.0f : seed;  // -0 and 0 alike
    static_assert(sizeof bits == sizeof s);
    __builtin_memcpy(&bits, &s, sizeof bits);
    rt().rng = 0x5DEECE66DULL * (static_cast<std::uint64_t>(bits) + 1);
}

// Arguments that count characters or bytes are whole numbers; a fraction is
// rounded to the nearest (halves to even).
long whole(float x) {
    if (!(x == x)) return 0;
    if (x > 1e9f) return 1000000000L;
    if (x < -1e9f) return -1000000000L;
    return std::lrint(x);
}

// ------------------------------------------------------------ strings
// Byte offsets of the characters of s, plus the end.
std::vector<size_t> char_starts(const Str& s) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < s.size(); i += static_cast<size_t>(plat::sj_char_len(s, i))) starts.push_back(i);
    starts.push_back(s.size());
    return starts;
}

Str left(const Str& s, const std::vector<size_t>& at, long n) {
    const long count = static_cast<long>(at.size()) - 1;
    if (n <= 0) return {};
    if (n >= count) return s;
    return s.substr(0, at[static_cast<size_t>(n)]);
}

Str right(const Str& s, const std::vector<size_t>& at, long n) {
    const long count = static_cast<long>(at.size()) - 1;
    if (n <= 0) return {};
    if (n >= count) return s;
    return s.substr(at[static_cast<size_t>(count - n)]);
}

Str mid(const Str& s, const std::vector<size_t>& at, long start, long len) {
    const long count = static_cast<long>(at.size()) - 1;
    if (start < 1) start = 1;
    if (len <= 0 || start > count) return {};
    const long last = std::min(count, start - 1 + len);
    return s.substr(at[static_cast<size_t>(start - 1)],
                    at[static_cast<size_t>(last)] - at[static_cast<size_t>(start - 1)]);
}

// Position (from 1, in units of `at`) of the first match at or after unit
// `start`, matching only at unit boundaries; 0 if none.
float instr(long start, const Str& s, const std::vector<size_t>& at, const Str& pattern) {
    const long count = static_cast<long>(at.size()) - 1;
    if (start < 1) start = 1;
    if (count == 0 || start > count) return 0;
    if (pattern.empty()) return static_cast<float>(start);
    for (long i = start; i <= count; ++i)
        if (s.compare(at[static_cast<size_t>(i - 1)], pattern.size(), pattern) == 0) return static_cast<float>(i);
    return 0;
}

std::vector<size_t> byte_starts(const Str& s) {
    std::vector<size_t> at(s.size() + 1);
    for (size_t i = 0; i <= s.size(); ++i) at[i] = i;
    return at;
}

}  // namespace

// ---------------------------------------------------------------- strings
float $PfKLEN(const Str& s) { return static_cast<float>(plat::sj_count(s)); }
Str $PfKLEFT24(const Str& s, float n) { return left(s, char_starts(s), whole(n)); }
Str $PfKRIGHT24(const Str& s, float n) { return right(s, char_starts(s), whole(n)); }
Str $PfKMID24(const Str& s, float start, float len) { return mid(s, char_starts(s), whole(start), whole(len)); }
float $PfKINSTR(float start, const Str& s, const Str& pattern) {
    return instr(whole(start), s, char_starts(s), pattern);
}
float $PfLEN(const Str& s) { return static_cast<float>(s.size()); }
Str $PfLEFT24(const Str& s, float n) { return left(s, byte_starts(s), whole(n)); }
Str $PfRIGHT24(const Str& s, float n) { return right(s, byte_starts(s), whole(n)); }
Str $PfMID24(const Str& s, float start, float len) { return mid(s, byte_starts(s), whole(start), whole(len)); }
float $PfINSTR(float start, const Str& s, const Str& pattern) {
    return instr(whole(start), s, byte_starts(s), pattern);
}

// ---------------------------------------------------------------- numbers
Str $PfSTR244(float x) {
    if (x == 0 || !(x == x)) return " 0";
    if (std::isinf(x)) return x < 0 ? "-1E+39" : " 1E+39";  // never reached by the course
    // Seven significant digits, the shortest that reads back as the value
    // rounded there; no trailing zeros.
    char buf[40];
    const double v = static_cast<double>(x);
    const double a = std::fabs(v);
    if (a >= 1e7 && a < 1e9 && std::floor(a) == a && a < 16777217.0) {
        std::snprintf(buf, sizeof buf, "%.0f", a);
    } else if (a >= 1e7 || a < 1e-7) {
        // Exponent form: d.dddddE+xx
        std::snprintf(buf, sizeof buf, "%.6E", a);
        std::string m(buf);
        const size_t e = m.find('E');
        std::string mant = m.substr(0, e), ex = m.substr(e);
        while (mant.size() > 1 && mant.back() == '0') mant.pop_back();
        if (mant.back() == '.') mant.pop_back();
        std::snprintf(buf, sizeof buf, "%s%s", mant.c_str(), ex.c_str());
    } else {
        std::snprintf(buf, sizeof buf, "%.7g", a);
        std::string m(buf);
        if (m.find('e') != std::string::npos) {  // small values: plain decimals
            // Seven significant digits, rounded, moved behind the zeros.
            std::snprintf(buf, sizeof buf, "%.6e", a);
            const std::string e(buf);
            const int exponent = std::atoi(e.c_str() + e.find('e') + 1);
            m = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + e.substr(0, 1) + e.substr(2, 6);
        }
        if (m.find('.') != std::string::npos) {
            while (m.back() == '0') m.pop_back();
            if (m.back() == '.') m.pop_back();
        }
        if (m.size() > 1 && m[0] == '0' && m[1] == '.') m.erase(0, 1);
        std::snprintf(buf, sizeof buf, "%s", m.c_str());
    }
    return std::string(x < 0 ? "-" : " ") + buf;
}

Str $PfSTR248(float x) { return $PfSTR244(x); }

float $PfVAL(const Str& s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    const size_t begin = i;
    if (i < s.size() && s[i] == '-') ++i;
    size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return 0;
    float value = 0;
    const auto r = std::from_chars(s.data() + begin, s.data() + i, value, std::chars_format::fixed);
    if (r.ec == std::errc::result_out_of_range) plat::raise_fault(0, plat::kFaultOverflow);
    if (r.ec != std::errc()) return 0;
    return value == 0 ? 0.0f : value;
}

float $PnFInt(float x) { return std::floor(x); }

float $PnErrSetCal(float result, plat::SourceLine loc) {
    if (!std::isfinite(result)) plat::raise_fault(static_cast<int>(loc.line()), plat::kFaultOverflow);
    return result;
}

namespace plat {

float checked_divide(float a, float b, plat::SourceLine loc) {
    if (b == 0) raise_fault(static_cast<int>(loc.line()), kFaultDivisionByZero);
    const float q = a / b;
    if (!std::isfinite(q)) raise_fault(static_cast<int>(loc.line()), kFaultOverflow);
    return q;
}

[[noreturn]] void raise_fault(int place, int code) {
    rt().last_place = place;
    rt().last_code = code;
    throw RuntimeFault{place, code};
}

float random_whole_from(float r, float n, float k) {
    // A float r has 24 significant bits, so r*n is exact in double for any
    // float n, and for whole n and k the sum with k is exact too: floor then
    // never leaves [k, k+n-1]. (In single precision, r*4+1 rounds up to 5
    // when r is just below 1.)
    return static_cast<float>(std::floor(static_cast<double>(r) * static_cast<double>(n) + static_cast<double>(k)));
}

float random_whole(float n, float k) { return random_whole_from($PaRnd(), n, k); }

}  // namespace plat

float $PfERL() { return static_cast<float>(rt().last_place); }
float $PfERR() { return static_cast<float>(rt().last_code); }

// ---------------------------------------------------------- random numbers
void $PaRandomize(float seed) { seed_random(rt().seed_override ? *rt().seed_override : seed); }

float $PaRnd() {
    if (!rt().scripted_draws.empty()) {
        const float r = rt().scripted_draws.front();
        rt().scripted_draws.pop_front();
        return r;
    }
    // 24 random bits: a float in [0, 1) with every value a multiple of 2^-24.
    return static_cast<float>(next_random() >> 40) * 0x1p-24f;
}

// ------------------------------------------------------------------- clock
Str $PfTIME24() {
    if (rt().time_override) return *rt().time_override;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return buf;
}

// -------------------------------------------------------------------- keys
Str $PfINKEY24(float) { return plat::internal::backend().poll_key(); }
void $PbCheckAll() { plat::internal::backend().idle(); }

[[noreturn]] void $PsEND(float) { throw plat::ProgramEnded{}; }

namespace plat::internal {

void reset_runtime_state(std::optional<float> seed, std::optional<std::string> time, const std::vector<float>& draws) {
    rt() = RuntimeState{};
    rt().seed_override = seed;
    rt().time_override = std::move(time);
    rt().scripted_draws.assign(draws.begin(), draws.end());
    seed_random(0);
}

}  // namespace plat::internal
