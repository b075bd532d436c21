// tests/fuzz/make_seeds.cpp — first inputs for the fuzz targets, written with the game's own
// writers so that the fuzzers start from files that parse.
#include "resources/writers.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: fuzz_seeds CORPUS_FOLDER\n");
        return 2;
    }
    std::string corpus = argv[1];
    std::string text = "12 1.5 -3 word\n# comment\n[ 1 2 ] 0.25 4 1 decal.png\n";
    bool ok = true;
    auto put = [&](const std::string& name, const std::string& bytes) {
        ok = write_whole_file(corpus + "/" + name, bytes) && ok;
    };
    put("saf_header/two", archive_encode({{"a/b.txt", "hello"}, {"c.gz", gzip_encode(text)}}));
    put("saf_header/empty", archive_encode({}));
    put("gzip_reader/text", gzip_encode(text));
    put("gzip_reader/empty", gzip_encode(""));
    put("scram_reader/text", scram_encode(text));
    put("scram_reader/gzip", scram_encode(gzip_encode(text)));
    put("stream_scanf/text", std::string("\x01", 1) + text);
    put("stream_scanf/numbers", std::string("\x02", 1) + "0x1A 017 -5 1e-3 .5 1e");
    put("config_reader/lines", "laps=7\nfov=200\nthrottle_key=(0.1,0.9)Pad axis 2\n"
                               "front_brake_key=(k)q\nuse_fbo=No\nslot03=Robot\nnumber=123456789\n"
                               "server_name_hist04=host\nname=Rider\nmystery\n");
    return ok ? 0 : 1;
}
