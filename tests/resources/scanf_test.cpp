// tests/resources/scanf_test.cpp — the program's formatted reader: agreement with the C
// library's sscanf on integers, words, characters, sets, "%n" and literals, and the results
// where it differs on purpose (failed literals, "0x" with x, numbers built in 80 bits).
#include "resources/internal.h"
#include "resources/stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A stream over a copy of text, which lives as long as the stream.
struct text_stream {
    std::string text;
    stream* s;
    explicit text_stream(const std::string& t) : text(t) {
        FILE* file = fmemopen(text.data(), text.size(), "r");
        s = file ? stream_wrap_file(file) : nullptr;
    }
    ~text_stream() { stream_close(s); }
    text_stream(const text_stream&) = delete;
    text_stream& operator=(const text_stream&) = delete;
};

// Target slots filled with a pattern first, so that every byte written, and every byte that
// should not have been, shows in a comparison.
constexpr int slot_count = 5;
constexpr int slot_size = 64;
struct targets {
    alignas(16) unsigned char slot[slot_count][slot_size];
    targets() { memset(slot, 0xA5, sizeof slot); }
};

struct agreed_row {
    const char* format;
    const char* input;
};

// Rows on which both readers give the same count and store the same bytes.
constexpr agreed_row agreed_rows[] = {
    // Decimal integers, signs, widths, white space before, failures and the end of data.
    {"%d", "42"},
    {"%d", "-17"},
    {"%d", "+8"},
    {"%d", " \n\t 123abc"},
    {"%d", "abc"},
    {"%d", ""},
    {"%d", "   "},
    {"%d", "-"},
    {"%d%d", "1 2"},
    {"%d %d", "7"},
    {"%3d%d", "12345"},
    {"%1d", "-5"},
    {"%2d", "-5"},
    {"%d", "4294967297"},
    {"%d", "-2147483648"},
    // 16-bit targets keep the low bits.
    {"%hd", "70000"},
    {"%hd", "-1"},
    {"%hd%hd", "32767 -32768"},
    {"%hx", "12345"},
    // Base from the text, octal and hexadecimal.
    {"%i", "26"},
    {"%i", "0x1A"},
    {"%i", "0X1f"},
    {"%i", "017"},
    {"%i", "-0x10"},
    {"%i", "+017"},
    {"%i%d", "09"},
    {"%i", "0"},
    {"%i", "x1"},
    {"%o", "777"},
    {"%o%d", "18"},
    {"%o", "8"},
    {"%x", "1a"},
    {"%X", "FF"},
    {"%x", "-ff"},
    {"%2x%x", "abcd"},
    {"%x", "g"},
    // Words.
    {"%s", "hello world"},
    {"%5s%s", "abcdefgh"},
    {"%s%s", "a b"},
    {"%s", ""},
    {"%s", " \n "},
    {"%s %s", "one"},
    // Characters: no white-space skip, no terminator.
    {"%c", "abc"},
    {"%c", " x"},
    {"%3c", "abcdef"},
    {" %c", "  x"},
    {"%c%c", "ab"},
    {"%c", ""},
    {"%2c%s", "ab cd"},
    // Sets: ranges, negation, "]" first, "-" last or first, widths.
    {"%[a-z]", "hello123"},
    {"%[^\n]", "line one\nline two"},
    {"%[]a]", "]]a]b"},
    {"%[^]]", "abc]def"},
    {"%[a-]", "a-b-c"},
    {"%[-x]", "x-x-y"},
    {"%3[0-9]%d", "12345"},
    {"%[0-9]", "abc"},
    {"%[^,],%[^,]", "ab,cd"},
    {"%[a-cx-z]", "abzzyq"},
    {"%[^a-c]", "xyzb"},
    {"%[a]", ""},
    // Consumed counts, also at the start, suppressed and 16-bit.
    {"%d%n", "123 rest"},
    {"%s%n %s%n", "ab  cd"},
    {"%*d%n", "  42"},
    {"abc%n", "abc"},
    {"%hn%d", "5"},
    {"%n", ""},
    // Literals and white space in the format.
    {"x=%d", "x=5"},
    {"x = %d", "x=  5"},
    {"%d,%d", "1,2"},
    {"%d , %d", "1 ,   2"},
    {"a b", "ab"},
    {"x%d", ""},
    // Suppression.
    {"%*d %d", "1 2"},
    {"%*s %s", "skip keep"},
    {"%*[a-z]%d", "abc12"},
    {"%*c%c", "xy"},
    {"%*d", "5"},
    {"%*d", ""},
    // Percent signs.
    {"%d%%", "5%"},
    {"%%%d", "%5"},
    {"%d %%", "5 %"},
    {"%%", ""},
};

TEST(scanf_agrees_with_c_library, count_stored_bytes_and_consumed_length) {
    for (const agreed_row& row : agreed_rows) {
        SCOPED_TRACE(testing::Message()
                     << "format \"" << row.format << "\" on \"" << row.input << "\"");
        // A trailing %n, reached only when everything before matched, also compares how far
        // each reader went.
        std::string format = std::string(row.format) + "%n";
        targets mine, theirs;
        text_stream t(row.input);
        ASSERT_NE(t.s, nullptr);
        int got = stream_scanf(t.s, format.c_str(), mine.slot[0], mine.slot[1], mine.slot[2],
                               mine.slot[3], mine.slot[4]);
        int want = sscanf(row.input, format.c_str(), theirs.slot[0], theirs.slot[1], theirs.slot[2],
                          theirs.slot[3], theirs.slot[4]);
        EXPECT_EQ(got, want);
        for (int i = 0; i < slot_count; ++i)
            EXPECT_EQ(0, memcmp(mine.slot[i], theirs.slot[i], slot_size)) << "target " << i;
    }
}

struct return_row {
    const char* format;
    const char* input;
    int count;
};

// Counts where the C library would answer otherwise (noted) or that the game relies on.
constexpr return_row return_rows[] = {
    {"%d %f %f %f", "3 1.5 2 -0.25", 4},
    {"%d %f %f %f", "3 x", 1},
    {"%d %f %f %f", "", -1},
    {"[%f %f]", "(1 2)", -1}, // C: 0; a failed literal is -1 even with nothing assigned
    {"%d,%d", "1;2", -1},     // C: 1; also after an assignment
    {"%d x", "5", -1},        // C: 1; a literal at the end of the data fails too
    {"%%", "x", -1},          // C: 0
    {"%d%%", "5 %", -1},      // C: 1; "%%" does not skip white space here
    {"%3c", "ab", -1},        // C: 1; a short character field is the end of the data
    {"%d%[^\n]", "5\nabc", 1},
    {"%[^\n]", "\nabc", 0},
    {"%d %y %d", "1 2 3", 1}, // an unknown conversion ends the call
    {"%d%", "1", 1},
    {"%d%f", "7.", 2},
    {"%i", "0xg", 0}, // C: 1 (reads 0); "0x" alone holds no digit
    {"%f", "e5", 0},
    {"%f", "-", 0},
};

TEST(scanf_returns, the_count_or_minus_one) {
    for (const return_row& row : return_rows) {
        SCOPED_TRACE(testing::Message()
                     << "format \"" << row.format << "\" on \"" << row.input << "\"");
        targets out;
        text_stream t(row.input);
        EXPECT_EQ(row.count, stream_scanf(t.s, row.format, out.slot[0], out.slot[1], out.slot[2],
                                          out.slot[3]));
    }
}

TEST(scanf_returns, stores_each_value_of_a_mixed_line) {
    text_stream t("3 1.5 2 -0.25");
    int n = 0;
    float a = 0, b = 0, c = 0;
    ASSERT_EQ(4, stream_scanf(t.s, "%d %f %f %f", &n, &a, &b, &c));
    EXPECT_EQ(3, n);
    EXPECT_EQ(1.5f, a);
    EXPECT_EQ(2.0f, b);
    EXPECT_EQ(-0.25f, c);
    EXPECT_EQ(-1, stream_scanf(t.s, "%d", &n));
}

struct integer_row {
    const char* format;
    const char* input;
    int32_t value;
    int next; // the byte the stream delivers afterwards, -1 at the end
};

constexpr integer_row integer_rows[] = {
    {"%x", "0x1F", 0, 'x'}, // C reads 31: no "0x" prefix with x
    {"%X", "0X1F", 0, 'X'},
    {"%x", "1a", 26, -1},
    {"%i", "0x1A", 26, -1},
    {"%i", "017", 15, -1},
    {"%i", "17", 17, -1},
    {"%i", "-0x10 ", -16, ' '},
    {"%i", "019", 1, '9'},
    {"%o", "-17", -15, -1},
    // Digits wrap in 32 bits however long the text; C saturates past 64 bits.
    {"%d", "12345678901234567890", (int32_t)(uint32_t)12345678901234567890ull, -1},
    {"%d", "123456789012345678901234567890", 0x4e3f0ad2, -1}, // the value mod 2^32
    {"%d", "2147483648", INT32_MIN, -1},
    {"%d", "-2147483649", INT32_MAX, -1},
    {"%x", "123456789", 0x23456789, -1},
};

TEST(scanf_integers, wrap_and_stop_where_described) {
    for (const integer_row& row : integer_rows) {
        SCOPED_TRACE(testing::Message() << row.format << " on " << row.input);
        text_stream t(row.input);
        int32_t value = 12345;
        ASSERT_EQ(1, stream_scanf(t.s, row.format, &value));
        EXPECT_EQ(row.value, value);
        EXPECT_EQ(row.next, stream_getc(t.s));
    }
}

TEST(scanf_numbers, floats_are_the_nearest_for_ordinary_texts) {
    const char* texts[] = {"0.1", "1e10", "-2.5e-3", "123456.789", "3.14159", "+7", "-0.0"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        text_stream t(text);
        float value = 99;
        ASSERT_EQ(1, stream_scanf(t.s, "%f", &value));
        EXPECT_EQ(strtof(text, nullptr), value);
        EXPECT_EQ(std::signbit(strtof(text, nullptr)), std::signbit(value));
    }
}

TEST(scanf_numbers, doubles_match_strtod_for_plain_texts) {
    const char* texts[] = {"0.5", "3.14159", "-1234.5678", "1e-5", "2.718281828459045"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        text_stream t(text);
        double value = 99;
        ASSERT_EQ(1, stream_scanf(t.s, "%lf", &value));
        EXPECT_EQ(strtod(text, nullptr), value);
    }
}

struct extended_row {
    const char* text;
    long double value;
};

// Values worked out by exact rational arithmetic rounded to a 64-bit significand after each
// step of the reader's order of operations. The first ones are correctly rounded; the others
// are not, and stored data depends on getting exactly these.
constexpr extended_row extended_rows[] = {
    {"0.1", 0x1.999999999999999ap-4L},
    {"1.5", 0x1.8p+0L},
    {"3.14159265358979323846", 0x1.921fb54442d1846ap+1L},
    {"1e-30", 0x1.4484bfeebc29f864p-100L},
    {"1e30", 0x1.93e5939a08ce9dbcp+99L},
    {"123456789012345678901234567890", 0x1.8ee90ff6c373e0ecp+96L},
    {"1e300", 0x1.7e43c8800759ba5cp+996L},
    {"-9.87654321e-123", -0x1.a1da480a81b5a62cp-406L},
    {"1e4000", 0x1.a3750647fcab18c6p+13287L},
    {"1e-4000", 0x1.387ae70c9e700b7ep-13288L},
};

TEST(scanf_numbers, extended_values_follow_the_order_of_operations) {
    const char* formats[] = {"%Lf", "%llf", "%qf"};
    for (const char* format : formats) {
        for (const extended_row& row : extended_rows) {
            SCOPED_TRACE(testing::Message() << format << " on " << row.text);
            text_stream t(row.text);
            long double value = 99;
            ASSERT_EQ(1, stream_scanf(t.s, format, &value));
            EXPECT_EQ(row.value, value);
        }
    }
}

struct number_row {
    const char* format;
    const char* input;
    double value;
    int next;
};

// Lone points, bare exponents, widths and the ends of the exponent range.
constexpr number_row number_rows[] = {
    {"%f", ".", 0.0, -1},       {"%f", "1e", 1.0, -1},       {"%f", "1e+", 1.0, -1},
    {"%f", "2.5.5", 2.5, '.'},  {"%f", "-.5x", -0.5, 'x'},   {"%f", "1E2", 100.0, -1},
    {"%3f", "1.25", 1.2, '5'},  {"%4f", "1e-50", 1e-5, '0'}, {"%lf", "1e400", INFINITY, -1},
    {"%lf", "1e-400", 0.0, -1},
};

TEST(scanf_numbers, scan_as_far_as_they_may) {
    for (const number_row& row : number_rows) {
        SCOPED_TRACE(testing::Message() << row.format << " on " << row.input);
        text_stream t(row.input);
        if (row.format[1] == 'l') {
            double value = 99;
            ASSERT_EQ(1, stream_scanf(t.s, row.format, &value));
            EXPECT_EQ(row.value, value);
        } else {
            float value = 99;
            ASSERT_EQ(1, stream_scanf(t.s, row.format, &value));
            EXPECT_EQ((float)row.value, value);
        }
        EXPECT_EQ(row.next, stream_getc(t.s));
    }
}

TEST(scanf_numbers, exponents_past_the_extended_range) {
    const struct {
        const char* text;
        long double value;
    } rows[] = {
        {"1e5000", INFINITY},  {"-1e5000", -INFINITY}, {"1e-5000", 0.0L}, {"1e99999999", INFINITY},
        {"1e-99999999", 0.0L}, {"0e5000", 0.0L}, // zero stays zero, not zero times infinity
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        text_stream t(row.text);
        long double value = 99;
        ASSERT_EQ(1, stream_scanf(t.s, "%Lf", &value));
        EXPECT_EQ(row.value, value);
    }
}

TEST(scanf_integers, h_stores_sixteen_bits_and_l_thirty_two) {
    text_stream t("70000 -2 5 9");
    int16_t halves[4] = {-1, -1, -1, -1};
    ASSERT_EQ(2, stream_scanf(t.s, "%hd %hx", &halves[1], &halves[2]));
    EXPECT_EQ(4464, halves[1]);
    EXPECT_EQ(-2, halves[2]);
    EXPECT_EQ(-1, halves[0]);
    EXPECT_EQ(-1, halves[3]);
    // "l" has no effect on integers: the target stays 32-bit.
    int32_t wide[2] = {-1, -1};
    ASSERT_EQ(1, stream_scanf(t.s, "%ld", &wide[0]));
    EXPECT_EQ(5, wide[0]);
    EXPECT_EQ(-1, wide[1]);
}

TEST(scanf_words, s_with_width_stores_at_most_that_and_a_zero) {
    text_stream t("abcdefgh ij");
    char word[8];
    memset(word, '?', sizeof word);
    ASSERT_EQ(1, stream_scanf(t.s, "%5s", word));
    EXPECT_EQ(0, memcmp(word, "abcde\0??", 8));
    ASSERT_EQ(1, stream_scanf(t.s, "%5s", word));
    EXPECT_STREQ("fgh", word);
}

TEST(scanf_sets, comment_lines_are_skipped) {
    text_stream t("# first\n#\n   # indented\n#last\nP6 12 34\n#trailing");
    char mark[2];
    int loops = 0;
    while (stream_scanf(t.s, " %1[#]%*[^\n]", mark) == 1) ++loops;
    EXPECT_EQ(4, loops);
    char magic[3];
    int width = 0, height = 0;
    ASSERT_EQ(3, stream_scanf(t.s, "%2s %d %d", magic, &width, &height));
    EXPECT_STREQ("P6", magic);
    EXPECT_EQ(12, width);
    EXPECT_EQ(34, height);
    // The last comment runs into the end of the data; after it, there is nothing left.
    EXPECT_EQ(1, stream_scanf(t.s, " %1[#]%*[^\n]", mark));
    EXPECT_EQ(-1, stream_scanf(t.s, " %1[#]%*[^\n]", mark));
}

TEST(scanf_consumed, n_counts_from_the_start_of_the_call) {
    {
        text_stream t("  42");
        int value = 0, n = -1;
        ASSERT_EQ(1, stream_scanf(t.s, "%d%n", &value, &n));
        EXPECT_EQ(4, n);
    }
    // A byte peeked before the call belongs to the call; one peeked by it stays unconsumed.
    text_stream t("12 34");
    ASSERT_EQ('1', stream_peekc(t.s));
    EXPECT_EQ(1u, t.s->position);
    int value = 0, before = -1, after = -1;
    ASSERT_EQ(1, stream_scanf(t.s, "%n%d%n", &before, &value, &after));
    EXPECT_EQ(0, before);
    EXPECT_EQ(2, after);
    EXPECT_EQ(3u, t.s->position);
    EXPECT_EQ(' ', t.s->pushback);
    ASSERT_EQ(1, stream_scanf(t.s, "%n%d%n", &before, &value, &after));
    EXPECT_EQ(34, value);
    EXPECT_EQ(0, before);
    EXPECT_EQ(3, after);
    EXPECT_EQ(5u, t.s->position);
}

} // namespace
