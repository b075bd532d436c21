// resources/scanf.cpp — the program's own formatted reader over a stream. Integers wrap in
// 32 bits and numbers are built in 80-bit extended precision with a fixed order of
// operations, so stored setups and tracks parse to the same values on every build.
#include "resources/stream.h"

#include <cctype>
#include <cstdarg>
#include <cstdint>

namespace {

constexpr uint32_t default_width = 1000000;

enum class scan_result { matched, failed, ended };

// What stands between "%" and the conversion letter.
struct conversion {
    uint32_t width; // 0 when absent
    bool suppress;  // "*"
    bool half;      // "h": 16-bit integer target
    int longs;      // "l" count; "L" and "q" count as two (extended target)
};

// 10^1, 10^2, 10^4 ... 10^2048: bit k of an exponent below 4096 selects entry k.
constexpr long double binary_powers[12] = {1e1L,  1e2L,   1e4L,   1e8L,   1e16L,   1e32L,
                                           1e64L, 1e128L, 1e256L, 1e512L, 1e1024L, 1e2048L};
constexpr long double largest_power = 1e4096L;

bool is_space(int c) {
    return c >= 0 && isspace(c);
}

// Bytes consumed so far; a byte held in pushback has not been consumed yet.
uint32_t consumed(const stream* s) {
    return s->position - (s->pushback >= 0 ? 1 : 0);
}

// False when the data ends.
bool skip_space(stream* s) {
    while (is_space(stream_peekc(s))) stream_getc(s);
    return stream_peekc(s) >= 0;
}

int digit_value(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99; // above every base
}

const unsigned char* read_prefix(const unsigned char* f, conversion* c) {
    *c = conversion{};
    for (;; ++f) {
        if (*f >= '0' && *f <= '9') {
            c->width = c->width * 10 + (*f - '0');
        } else if (*f == '*') {
            c->suppress = true;
        } else if (*f == 'h') {
            c->half = true;
        } else if (*f == 'l') {
            if (c->longs < 2) ++c->longs;
        } else if (*f == 'L' || *f == 'q') {
            c->longs = 2;
        } else {
            return f;
        }
    }
}

// Base 0 takes the base from the text: "0x" is 16, a leading "0" is 8, else 10.
scan_result scan_integer(stream* s, int base, uint32_t width, uint32_t* value) {
    int c = stream_peekc(s);
    if (c < 0) return scan_result::ended;
    bool negative = false;
    if (c == '-' || c == '+') {
        negative = c == '-';
        stream_getc(s);
        --width;
        c = stream_peekc(s);
    }
    bool seen = false;
    if (base == 0) {
        if (c >= '1' && c <= '9') {
            base = 10;
        } else if (c == '0') {
            stream_getc(s);
            c = stream_peekc(s);
            if (c == 'x' || c == 'X') {
                stream_getc(s);
                c = stream_peekc(s);
                base = 16;
            } else {
                base = 8;
                seen = true;
            }
        }
    }
    uint32_t v = 0;
    while (width > 0 && digit_value(c) < base) {
        stream_getc(s);
        v = v * (uint32_t)base + (uint32_t)digit_value(c);
        seen = true;
        --width;
        c = stream_peekc(s);
    }
    if (!seen) return scan_result::failed;
    *value = negative ? 0u - v : v;
    return scan_result::matched;
}

// 10^n as a product of the table's entries, each step rounded in extended precision.
long double power_of_ten(uint32_t n) {
    long double p = 1.0L;
    while (n > 4095) {
        p *= largest_power;
        n -= 4096;
        // Once infinite, the remaining factors of 10^4096 change nothing.
        if (p > largest_power) n %= 4096;
    }
    for (int bit = 11; bit >= 0; --bit)
        if (n & (1u << bit)) p *= binary_powers[bit];
    return p;
}

// Consumes c when the width allows; every character taken uses one of the width.
bool take_if(stream* s, bool wanted, uint32_t* width) {
    if (!wanted || *width == 0) return false;
    stream_getc(s);
    --*width;
    return true;
}

scan_result scan_number(stream* s, uint32_t width, long double* value) {
    int c = stream_peekc(s);
    if (c < 0) return scan_result::ended;
    bool negative = take_if(s, c == '-' || c == '+', &width) && c == '-';
    long double m = 0.0L;
    uint32_t e = 0; // decimal exponent, wrapping like the stored 32-bit integer
    bool seen = false, dot = false;
    for (;;) {
        c = stream_peekc(s);
        if (take_if(s, c >= '0' && c <= '9', &width)) {
            m = m * 10.0L + (long double)(c - '0');
            if (dot) --e;
            seen = true;
        } else if (take_if(s, c == '.' && !dot, &width)) {
            dot = true;
            seen = true;
        } else {
            break;
        }
    }
    if (take_if(s, c == 'e' || c == 'E', &width)) {
        c = stream_peekc(s);
        bool minus = take_if(s, c == '-' || c == '+', &width) && c == '-';
        uint32_t x = 0;
        for (c = stream_peekc(s); take_if(s, c >= '0' && c <= '9', &width); c = stream_peekc(s))
            x = x * 10 + (uint32_t)(c - '0');
        e = minus ? e - x : e + x;
    }
    if (!seen) return scan_result::failed;
    bool below_one = (int32_t)e < 0;
    long double p = power_of_ten(below_one ? 0u - e : e);
    long double v = below_one ? (1.0L / p) * m : m * p;
    if (m == 0) v = 0; // a zero mantissa is zero at any exponent, not 0 x inf
    *value = negative ? -v : v;
    return scan_result::matched;
}

scan_result convert_integer(stream* s, const conversion& c, int base, va_list* args) {
    if (!skip_space(s)) return scan_result::ended;
    uint32_t v;
    scan_result r = scan_integer(s, base, c.width ? c.width : default_width, &v);
    if (r != scan_result::matched || c.suppress) return r;
    if (c.half)
        *va_arg(*args, int16_t*) = (int16_t)v;
    else
        *va_arg(*args, int32_t*) = (int32_t)v;
    return r;
}

// The value is rounded once, from extended precision to the target.
scan_result convert_number(stream* s, const conversion& c, va_list* args) {
    if (!skip_space(s)) return scan_result::ended;
    long double v;
    scan_result r = scan_number(s, c.width ? c.width : default_width, &v);
    if (r != scan_result::matched || c.suppress) return r;
    if (c.longs >= 2)
        *va_arg(*args, long double*) = v;
    else if (c.longs == 1)
        *va_arg(*args, double*) = (double)v;
    else
        *va_arg(*args, float*) = (float)v;
    return r;
}

scan_result convert_word(stream* s, const conversion& c, va_list* args) {
    if (!skip_space(s)) return scan_result::ended;
    char* out = c.suppress ? nullptr : va_arg(*args, char*);
    uint32_t width = c.width ? c.width : default_width;
    uint32_t n = 0;
    for (int ch = stream_peekc(s); n < width && ch >= 0 && !is_space(ch); ch = stream_peekc(s)) {
        stream_getc(s);
        if (out) out[n] = (char)ch;
        ++n;
    }
    if (out) out[n] = 0;
    return scan_result::matched;
}

// Exactly width characters, no terminator; the end of the data part way is an end.
scan_result convert_chars(stream* s, const conversion& c, va_list* args) {
    if (stream_peekc(s) < 0) return scan_result::ended;
    char* out = c.suppress ? nullptr : va_arg(*args, char*);
    uint32_t width = c.width ? c.width : 1;
    for (uint32_t n = 0; n < width; ++n) {
        int ch = stream_getc(s);
        if (ch < 0) return scan_result::ended;
        if (out) out[n] = (char)ch;
    }
    return scan_result::matched;
}

// f is just past "["; returns the closing "]" or the end of the format. The first member
// is literal even when it is "]"; "a-z" is a range unless "-" is followed by "]" or the end.
const unsigned char* read_set(const unsigned char* f, bool members[256], bool* negated) {
    for (int i = 0; i < 256; ++i) members[i] = false;
    *negated = *f == '^';
    if (*negated) ++f;
    for (bool first = true; *f && (first || *f != ']'); first = false) {
        if (f[1] == '-' && f[2] && f[2] != ']') {
            for (int ch = f[0]; ch <= f[2]; ++ch) members[ch] = true;
            f += 3;
        } else {
            members[*f++] = true;
        }
    }
    return f;
}

scan_result convert_set(stream* s, const conversion& c, const bool members[256], bool negated,
                        va_list* args) {
    if (stream_peekc(s) < 0) return scan_result::ended;
    char* out = c.suppress ? nullptr : va_arg(*args, char*);
    uint32_t width = c.width ? c.width : default_width;
    uint32_t n = 0;
    for (int ch = stream_peekc(s); n < width && ch >= 0 && members[ch] != negated;
         ch = stream_peekc(s)) {
        stream_getc(s);
        if (out) out[n] = (char)ch;
        ++n;
    }
    if (n == 0) return scan_result::failed;
    if (out) out[n] = 0;
    return scan_result::matched;
}

void store_consumed(stream* s, const conversion& c, uint32_t start, va_list* args) {
    if (c.suppress) return;
    uint32_t n = consumed(s) - start;
    if (c.half)
        *va_arg(*args, int16_t*) = (int16_t)n;
    else
        *va_arg(*args, int32_t*) = (int32_t)n;
}

int scan(stream* s, const unsigned char* f, va_list* args) {
    uint32_t start = consumed(s);
    int count = 0;
    while (*f) {
        if (isspace(*f)) {
            skip_space(s);
            ++f;
            continue;
        }
        if (*f != '%') {
            if (stream_getc(s) != *f) return -1;
            ++f;
            continue;
        }
        conversion c;
        f = read_prefix(f + 1, &c);
        scan_result r;
        switch (*f) {
        case '%':
            if (stream_getc(s) != '%') return -1;
            ++f;
            continue;
        case 'n':
            store_consumed(s, c, start, args);
            ++f;
            continue;
        case 'd': r = convert_integer(s, c, 10, args); break;
        case 'i': r = convert_integer(s, c, 0, args); break;
        case 'o': r = convert_integer(s, c, 8, args); break;
        case 'x':
        case 'X': r = convert_integer(s, c, 16, args); break;
        case 'f': r = convert_number(s, c, args); break;
        case 's': r = convert_word(s, c, args); break;
        case 'c': r = convert_chars(s, c, args); break;
        case '[': {
            bool members[256], negated;
            f = read_set(f + 1, members, &negated);
            r = convert_set(s, c, members, negated, args);
            break;
        }
        default: return count;
        }
        if (r == scan_result::ended) return count > 0 ? count : -1;
        if (r == scan_result::failed) return count;
        if (!c.suppress) ++count;
        if (*f) ++f; // past the letter, or past the set's "]"
    }
    return count;
}

} // namespace

int stream_scanf(stream* s, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int result = scan(s, (const unsigned char*)format, &args);
    va_end(args);
    return result;
}
