// tests/fuzz/make_seeds.cpp — first inputs for the fuzz targets, written with the game's own
// writers so that the fuzzers start from files that parse.
#include "resources/images.h"
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
    const unsigned char pixels[] = {0,  10,  20,  255, 30,  40,  50,  128, 60,  70,  80,  0,
                                    90, 100, 110, 64,  120, 130, 140, 32,  150, 160, 170, 16};
    put("pnm_image/p6", pnm_encode("P6", 2, 2, 255, pixels, "seed"));
    put("pnm_image/p3", pnm_encode("P3", 2, 2, 15, pixels, "seed"));
    put("pnm_image/p5", pnm_encode("P5", 3, 2, 200, pixels));
    put("pnm_image/p2", pnm_encode("P2", 3, 2, 255, pixels, "seed"));
    put("pnm_image/r7", predictive_encode(3, 2, 4, pixels));
    // The first byte picks the channel counts; the magic is not part of the input.
    put("predictive_image/r6", "\x02" + predictive_encode(4, 2, 3, pixels).substr(2));
    put("predictive_image/r7", "\x05" + predictive_encode(2, 3, 4, pixels).substr(2));
    put("png_image/rgba", png_encode(3, 2, 4, pixels, {{"Comment", "[mip_max_alpha]"}}));
    put("png_image/rgb", png_encode(4, 2, 3, pixels));
    put("png_image/grey", png_encode(6, 4, 1, pixels));
    return ok ? 0 : 1;
}
