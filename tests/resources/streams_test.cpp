// tests/resources/streams_test.cpp — reading and writing open streams: look-ahead, lines,
// blocks and seeks on plain files and archive members, numbered backups, the gzip reader's
// headers and damaged data, and scrambled files read back in pieces.
#include "resources/files.h"
#include "resources/stream.h"
#include "resources/writers.h"

#include "support/child_process.h"
#include "support/saved_environment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// A fresh folder per test holding the user's data folder (the user home is its "Tarvik/")
// and the game's data folder, where put() and open() work.
class Streams : public testing::Test {
  protected:
    saved_environment environment{"XDG_DATA_HOME", "HOME", "QD_HOME"};
    std::string root = make_temp_folder() + "/";
    std::string home = root + "xdg/Tarvik/";
    std::string data = root + "data/";

    void SetUp() override {
        setenv("XDG_DATA_HOME", (root + "xdg").c_str(), 1);
        setenv("HOME", (root + "home").c_str(), 1);
        setenv("QD_HOME", data.c_str(), 1);
        file_system_reset();
    }
    void TearDown() override {
        file_system_reset();
        fs::remove_all(root);
    }

    void put(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(write_whole_file(data + name, bytes)) << name;
    }
    stream* open(const std::string& name) {
        return stream_open(name[0] == '@' ? name.c_str() : (data + name).c_str(), "rb");
    }
};

// What is left of the stream, read in pieces of the given size.
std::string rest_of(stream* s, int piece = 4096) {
    std::string text;
    std::vector<char> buffer(piece);
    while (int got = stream_read(s, buffer.data(), piece)) {
        EXPECT_LE(got, piece);
        text.append(buffer.data(), got);
    }
    return text;
}

// Lower-case letters in an order that compresses only so far: many deflate input buffers.
std::string letters(size_t size) {
    std::string out(size, ' ');
    uint32_t seed = 12345;
    for (char& c : out) {
        seed = seed * 1103515245u + 12345u;
        c = (char)('a' + (seed >> 16) % 26);
    }
    return out;
}

// Every byte value, zero included.
std::string bytes_of_every_value(size_t size) {
    std::string out(size, '\0');
    for (size_t i = 0; i < size; ++i) out[i] = (char)(i * 37 + i / 256);
    return out;
}

// --- Characters, lines, blocks and seeks --------------------------------------------------

TEST_F(Streams, PeekKeepsTheByteAndCountsItOnce) {
    put("f", "\xff\x80z");
    stream* s = open("f");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(stream_peekc(s), 0xFF); // bytes are 0..255, never confused with the end
    EXPECT_EQ(stream_peekc(s), 0xFF);
    EXPECT_EQ(s->position, 1u);
    EXPECT_EQ(stream_getc(s), 0xFF);
    EXPECT_EQ(s->position, 1u);
    EXPECT_EQ(stream_getc(s), 0x80);
    EXPECT_EQ(stream_peekc(s), 'z');
    char block[4];
    EXPECT_EQ(stream_read(s, block, 4), 1);
    EXPECT_EQ(block[0], 'z');
    EXPECT_EQ(s->position, 3u);
    EXPECT_EQ(stream_peekc(s), -1);
    EXPECT_EQ(stream_getc(s), -1);
    EXPECT_EQ(s->position, 3u);
    stream_close(s);
}

TEST_F(Streams, ArchiveMemberReadsStopAtTheMemberEnd) {
    put("pack.saf", archive_encode({{"a.txt", "abcd"}, {"b.txt", "EFGH\n"}}));
    char buffer[16];

    stream* s = open("@a.txt");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(stream_read(s, buffer, 10), 4);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_EQ(stream_read(s, buffer, 10), 0);
    EXPECT_EQ(stream_getc(s), -1);
    stream_close(s);

    s = open("@a.txt");
    EXPECT_EQ(stream_peekc(s), 'a');
    EXPECT_EQ(stream_read(s, buffer, 10), 4); // the peeked byte and the three after it
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    stream_close(s);

    s = open("@a.txt");
    EXPECT_EQ(stream_getc(s), 'a');
    EXPECT_EQ(stream_peekc(s), 'b');
    EXPECT_EQ(stream_read(s, buffer, 10), 3);
    stream_close(s);

    s = open("@a.txt");
    EXPECT_STREQ(stream_gets(s, buffer, sizeof buffer), "abcd");
    EXPECT_EQ(stream_gets(s, buffer, sizeof buffer), nullptr);
    stream_close(s);
}

TEST_F(Streams, SeekMovesWithinPlainFilesAndArchiveMembers) {
    put("digits", "0123456789");
    stream* s = open("digits");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(stream_seek(s, 7), 1);
    EXPECT_EQ(s->position, 7u);
    EXPECT_EQ(stream_getc(s), '7');
    EXPECT_EQ(stream_peekc(s), '8');
    EXPECT_EQ(stream_seek(s, 2), 1); // drops the peeked byte
    EXPECT_EQ(stream_getc(s), '2');
    EXPECT_EQ(stream_seek(s, -1), 0);
    EXPECT_EQ(stream_getc(s), '3');
    stream_close(s);

    put("pack.saf", archive_encode({{"a", "abcd"}, {"b", "EFGH"}, {"c", "tail"}}));
    s = open("@b");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(stream_seek(s, 2), 1);
    EXPECT_EQ(rest_of(s), "GH");
    EXPECT_EQ(stream_seek(s, 4), 0); // offsets are below the member's length
    EXPECT_EQ(stream_seek(s, 0), 1);
    EXPECT_EQ(s->position, 0u);
    EXPECT_EQ(rest_of(s), "EFGH");
    stream_close(s);
}

TEST_F(Streams, SeekIsRefusedOnDecodedStreams) {
    const std::string text = "decoded streams only go forward";
    put("g.gz", gzip_encode(text));
    put("s.scram", scram_encode(text));
    put("gs.gz.scram", scram_encode(gzip_encode(text)));
    put("pack.saf", archive_encode({{"m.gz", gzip_encode(text)}}));
    for (const char* name : {"g", "s", "gs", "@m"}) {
        SCOPED_TRACE(name);
        stream* s = open(name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(stream_getc(s), 'd');
        EXPECT_EQ(stream_seek(s, 0), 0);
        EXPECT_EQ(rest_of(s), text.substr(1));
        stream_close(s);
    }
}

TEST_F(Streams, GetsStopsAfterALineFeedAndAtTheEnd) {
    put("lines", "ab\ncdef");
    stream* s = open("lines");
    ASSERT_NE(s, nullptr);
    char buffer[8];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(stream_peekc(s), 'a');
    EXPECT_STREQ(stream_gets(s, buffer, sizeof buffer), "ab\n");
    EXPECT_STREQ(stream_gets(s, buffer, 3), "cd");
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(stream_gets(s, buffer, 1), buffer); // room for the terminator only
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_STREQ(stream_gets(s, buffer, sizeof buffer), "ef");
    EXPECT_EQ(stream_gets(s, buffer, sizeof buffer), nullptr);
    stream_close(s);
}

TEST_F(Streams, WritesGoStraightToTheFile) {
    stream* s = stream_open((root + "out/w.txt").c_str(), "wb");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(stream_putc(s, 'a'), 1);
    EXPECT_GE(stream_puts(s, "bc"), 0);
    EXPECT_EQ(stream_write(s, "de", 2), 2);
    EXPECT_EQ(stream_write(s, "zz", 0), 0);
    EXPECT_EQ(stream_printf(s, "%d\n", 42), 3);
    EXPECT_EQ(stream_flush(s), 0);
    EXPECT_EQ(read_file(root + "out/w.txt"), "abcde42\n");
    stream_close(s);
}

// --- Numbered backups ---------------------------------------------------------------------

// Replaces the file behind name with text through a "~" open; false when the open fails.
bool replace_keeping_backup(const std::string& name, const std::string& text) {
    stream* s = stream_open(name.c_str(), "~wb");
    if (!s) return false;
    stream_puts(s, text.c_str());
    stream_close(s);
    return true;
}

TEST_F(Streams, TildeModeKeepsEachReplacedVersionUnderTheSmallestFreeNumber) {
    const std::string path = root + "save/setup.txt";
    ASSERT_TRUE(replace_keeping_backup(path, "v1"));
    EXPECT_FALSE(fs::exists(path + ".~1~")); // nothing to keep the first time
    ASSERT_TRUE(replace_keeping_backup(path, "v2"));
    ASSERT_TRUE(replace_keeping_backup(path, "v3"));
    EXPECT_EQ(read_file(path), "v3");
    EXPECT_EQ(read_file(path + ".~1~"), "v1");
    EXPECT_EQ(read_file(path + ".~2~"), "v2");
    fs::remove(path + ".~1~");
    ASSERT_TRUE(replace_keeping_backup(path, "v4"));
    EXPECT_EQ(read_file(path + ".~1~"), "v3");
    EXPECT_FALSE(fs::exists(path + ".~3~"));

    // Game names keep their backups in the user home.
    ASSERT_TRUE(replace_keeping_backup("@setup.txt", "h1"));
    ASSERT_TRUE(replace_keeping_backup("@setup.txt", "h2"));
    EXPECT_EQ(read_file(home + "setup.txt"), "h2");
    EXPECT_EQ(read_file(home + "setup.txt.~1~"), "h1");
}

TEST_F(Streams, TildeModeFailsWithoutTouchingTheFileWhenEveryNumberIsTaken) {
    const std::string path = data + "full/keep.txt";
    put("full/keep.txt", "precious");
    for (int i = 1; i <= 9999; ++i) {
        FILE* f = fopen((path + ".~" + std::to_string(i) + "~").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fclose(f);
    }
    EXPECT_FALSE(replace_keeping_backup(path, "lost"));
    EXPECT_EQ(read_file(path), "precious");
    auto files = std::distance(fs::directory_iterator(data + "full"), fs::directory_iterator());
    EXPECT_EQ(files, 10000);
}

// --- Gzip ---------------------------------------------------------------------------------

const std::string gzip_payload = "gzip payload\nsecond line\n";

// gzip_encode's output with the flag byte replaced and header fields put after the fixed
// ten bytes.
std::string gzip_with(int flags, const std::string& fields) {
    std::string packed = gzip_encode(gzip_payload);
    std::string header = packed.substr(0, 10);
    header[3] = (char)flags;
    return header + fields + packed.substr(10);
}

struct gzip_case {
    const char* label;
    std::string bytes;
    bool opens;
};

void PrintTo(const gzip_case& c, std::ostream* out) {
    *out << c.label;
}

class GzipHeader : public Streams, public testing::WithParamInterface<gzip_case> {};

TEST_P(GzipHeader, OpensOnlyKnownHeaders) {
    put("g.gz", GetParam().bytes);
    stream* s = open("g");
    if (!GetParam().opens) {
        EXPECT_EQ(s, nullptr);
        stream_close(s);
        return;
    }
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(rest_of(s), gzip_payload);
    stream_close(s);
}

const std::string all_fields = "\x02\x00"s + "xy" + "name\0"s + "comment\0"s + "\xAB\xCD";

INSTANTIATE_TEST_SUITE_P(
    Headers, GzipHeader,
    testing::ValuesIn(std::vector<gzip_case>{
        {"Plain", gzip_with(0, ""), true},
        {"TextFlag", gzip_with(1, ""), true},
        {"HeaderCrc", gzip_with(2, "\x12\x34"), true},
        {"Extra", gzip_with(4, "\x03\x00"s + "abc"), true},
        {"EmptyExtra", gzip_with(4, "\x00\x00"s), true},
        {"Name", gzip_with(8, "terrain.hf\0"s), true},
        {"Comment", gzip_with(16, "made by hand\0"s), true},
        {"AllFields", gzip_with(2 | 4 | 8 | 16, all_fields), true},
        {"Bit5", gzip_with(0x20, ""), false},
        {"Bit6", gzip_with(0x40, ""), false},
        {"Bit7", gzip_with(0x80, ""), false},
        {"Bit5WithName", gzip_with(0x28, "terrain.hf\0"s), false},
        {"WrongMagic", "\x1f\x8c"s + gzip_with(0, "").substr(2), false},
        {"NotDeflate", "\x1f\x8b\x07"s + gzip_with(0, "").substr(3), false},
        {"ShorterThanTheFixedPart", gzip_with(0, "").substr(0, 9), false},
        {"NameWithoutEnd", gzip_with(8, "").substr(0, 10) + "terrain", false},
        {"ExtraPastTheEnd", gzip_with(4, "").substr(0, 10) + "\xff\x00"s + "ab", false},
        {"HeaderCrcPastTheEnd", gzip_with(2, "").substr(0, 11), false},
        {"Empty", "", false},
    }),
    [](const testing::TestParamInfo<gzip_case>& info) { return std::string(info.param.label); });

TEST_F(Streams, GzipReadsLongDataWholeAndCutDataToWhereItStops) {
    const std::string text = letters(300000);
    const std::string packed = gzip_encode(text);
    ASSERT_GT(packed.size(), 4 * 16384u); // several refills of the compressed input
    put("whole.gz", packed);
    put("no_trailer.gz", packed.substr(0, packed.size() - 8)); // the trailer is not checked
    put("half.gz", packed.substr(0, packed.size() / 2));
    const size_t half = packed.size() / 2;
    // The member ends halfway; the rest of the same stream follows it in the archive.
    put("pack.saf", archive_encode({{"m.gz", packed.substr(0, half)}, {"n", packed.substr(half)}}));

    stream* s = open("whole");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(rest_of(s, 1000), text);
    stream_close(s);

    s = open("no_trailer");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(rest_of(s, 7), text);
    stream_close(s);

    std::string loose_half;
    for (const char* name : {"half", "@m"}) {
        SCOPED_TRACE(name);
        s = open(name);
        ASSERT_NE(s, nullptr);
        std::string got = rest_of(s, 4096);
        EXPECT_GT(got.size(), 0u);
        EXPECT_LT(got.size(), text.size());
        EXPECT_EQ(got, text.substr(0, got.size()));
        EXPECT_EQ(stream_getc(s), -1);
        EXPECT_EQ(stream_read(s, &got[0], 1), 0);
        stream_close(s);
        if (loose_half.empty())
            loose_half = got;
        else
            EXPECT_EQ(got, loose_half); // the member's bytes end its stream
    }
}

TEST_F(Streams, GzipOfNothingIsAnEmptyStream) {
    put("empty.gz", gzip_encode(""));
    stream* s = open("empty");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(stream_peekc(s), -1);
    EXPECT_EQ(rest_of(s), "");
    stream_close(s);
}

// --- Scrambled files ----------------------------------------------------------------------

class ScrambledRoundTrip : public Streams,
                           public testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(ScrambledRoundTrip, ReadsBackInPieces) {
    const auto [length, piece] = GetParam();
    const std::string text = bytes_of_every_value(length);
    put("s.scram", scram_encode(text));

    stream* s = open("s");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(rest_of(s, piece), text);
    EXPECT_EQ(stream_getc(s), -1);
    stream_close(s);

    // A peek first moves every later piece off the 16-byte block boundaries.
    s = open("s");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(stream_peekc(s), length > 0 ? (unsigned char)text[0] : -1);
    EXPECT_EQ(rest_of(s, piece), text);
    stream_close(s);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ScrambledRoundTrip,
                         testing::Combine(testing::Values(0, 1, 15, 16, 17, 1000),
                                          testing::Values(1, 7, 16, 33)),
                         [](const testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return "Length" + std::to_string(std::get<0>(info.param)) + "Pieces" +
                                    std::to_string(std::get<1>(info.param));
                         });

TEST_F(Streams, DamagedScrambledHeaderRefusesTheOpen) {
    const std::string good = scram_encode("scrambled setup text");
    put("good.scram", good);
    stream* s = open("good");
    ASSERT_NE(s, nullptr);
    stream_close(s);
    // Bytes 32..47 hold the enciphered length and marker.
    for (size_t at : {32u, 35u, 40u, 45u, 47u}) {
        std::string bad = good;
        bad[at] ^= 0x01;
        put("bad.scram", bad);
        put("bad_gzip.gz.scram", bad);
        EXPECT_EQ(open("bad"), nullptr) << "byte " << at;
        EXPECT_EQ(open("bad_gzip"), nullptr) << "byte " << at;
    }
    put("short.scram", good.substr(0, 63));
    EXPECT_EQ(open("short"), nullptr);
    put("empty.scram", "");
    EXPECT_EQ(open("empty"), nullptr);
}

TEST_F(Streams, ShortScrambledBlockEndsTheData) {
    const std::string text = bytes_of_every_value(1000);
    const std::string scrambled = scram_encode(text);             // the header and 63 blocks
    put("cut.scram", scrambled.substr(0, scrambled.size() - 20)); // 61 whole blocks left
    for (int piece : {33, 4096}) {
        SCOPED_TRACE(piece);
        stream* s = open("cut");
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(rest_of(s, piece), text.substr(0, 61 * 16));
        EXPECT_EQ(stream_getc(s), -1);
        stream_close(s);
    }
}

} // namespace
