// resources/writers.cpp — the archive, gzip and scrambled writers.
#include "resources/writers.h"

#include "resources/files.h"
#include "resources/internal.h"

#include <cstdio>
#include <cstring>
#include <nettle/aes.h>
#include <nettle/sha1.h>
#include <nettle/sha2.h>
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
