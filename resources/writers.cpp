// resources/writers.cpp — the archive, gzip and scrambled writers.
#include "resources/writers.h"

#include "resources/files.h"
#include "resources/internal.h"

#include <cstdio>
#include <cstring>
#include <nettle/aes.h>
#include <nettle/sha1.h>
#include <nettle/sha2.h>
#include <png.h>
#include <zlib.h>

std::string archive_encode(const std::vector<archive_member>& members) {
    std::string out;
    for (const archive_member& m : members)
        out += std::to_string(m.data.size()) + " " + m.name + "\n";
    out += "-\n";
    for (const archive_member& m : members) out += m.data;
    return out;
}

std::string gzip_encode(const std::string& data) {
    z_stream z;
    memset(&z, 0, sizeof z);
    // Window bits 31: zlib writes the gzip header itself, with time 0 and no name.
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 31, 9, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, data.size()) + 32, '\0');
    z.next_in = (Bytef*)data.data();
    z.avail_in = (uInt)data.size();
    z.next_out = (Bytef*)out.data();
    z.avail_out = (uInt)out.size();
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

std::string scram_encode(const std::string& data) {
    uint8_t header[scram_header_bytes] = {};
    sha256_ctx hash;
    sha256_init(&hash);
    sha256_update(&hash, 5, (const uint8_t*)"salt:");
    sha256_update(&hash, data.size(), (const uint8_t*)data.data());
    sha256_digest(&hash, scram_salt_bytes, header);
    uint32_t length = (uint32_t)data.size();
    for (int i = 0; i < 4; ++i) header[32 + i] = (uint8_t)(length >> (8 * i));
    memcpy(header + scram_marker_offset, "enigma", 6);

    aes256_ctx master, file_key;
    aes256_set_encrypt_key(&master, scram_master_key());
    aes256_encrypt(&master, 32, header + 32, header + 32);
    uint8_t key[32];
    scram_file_key(header, key);
    aes256_set_encrypt_key(&file_key, key);

    std::string out((const char*)header, sizeof header);
    for (size_t offset = 0; offset < data.size(); offset += 16) {
        uint8_t block[16] = {};
        memcpy(block, data.data() + offset, data.size() - offset < 16 ? data.size() - offset : 16);
        for (int i = 0; i < 4; ++i) block[i] ^= (uint8_t)(offset >> (8 * i));
        aes256_encrypt(&file_key, 16, block, block);
        out.append((const char*)block, 16);
    }
    return out;
}

int write_whole_file(const std::string& path, const std::string& bytes) {
    make_folders(path.c_str());
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return 0;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

std::string game_data_digest(const std::string& bytes) {
    constexpr size_t span = 1048576;
    sha1_ctx hash;
    sha1_init(&hash);
    sha1_update(&hash, bytes.size() < span ? bytes.size() : span, (const uint8_t*)bytes.data());
    uint8_t digest[SHA1_DIGEST_SIZE];
    sha1_digest(&hash, sizeof digest, digest);
    return digest_hex(digest, sizeof digest);
}

namespace {
void append_png_bytes(png_structp png, png_bytep data, png_size_t length) {
    ((std::string*)png_get_io_ptr(png))->append((const char*)data, length);
}
void no_flush(png_structp) {}
} // namespace

std::string png_encode(int width, int height, int channels, const unsigned char* pixels,
                       const std::vector<std::pair<std::string, std::string>>& texts) {
    const int types[5] = {-1, PNG_COLOR_TYPE_GRAY, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_COLOR_TYPE_RGB,
                          PNG_COLOR_TYPE_RGB_ALPHA};
    if (channels < 1 || channels > 4 || width <= 0 || height <= 0) return std::string();
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return std::string();
    }
    png_set_write_fn(png, &out, append_png_bytes, no_flush);
    png_set_IHDR(png, info, width, height, 8, types[channels], PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_text> chunks(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        chunks[i] = png_text{};
        chunks[i].compression = PNG_TEXT_COMPRESSION_NONE;
        chunks[i].key = const_cast<char*>(texts[i].first.c_str());
        chunks[i].text = const_cast<char*>(texts[i].second.c_str());
    }
    if (!chunks.empty()) png_set_text(png, info, chunks.data(), (int)chunks.size());
    png_write_info(png, info);
    for (int row = 0; row < height; ++row)
        png_write_row(png, const_cast<unsigned char*>(pixels + (size_t)row * width * channels));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}
