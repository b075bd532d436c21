// resources/scram_reader.cpp — scrambled files: a 64-byte header, then 16-byte blocks of
// AES-256 in electronic-codebook mode, each block's first four bytes mixed with its offset.
// The header keeps a 32-byte salt in the clear and the plain length and the "enigma" marker
// enciphered under the program's master key; the salt and the master key give the file key.
#include "resources/files.h"
#include "resources/internal.h"

#include <cstdlib>
#include <cstring>
#include <nettle/aes.h>
#include <nettle/sha2.h>

struct scram_reader {
    FILE* file;
    aes256_ctx key;
    uint8_t block[16];
    int block_used;         // bytes of block already delivered; 16 when it is empty
    int32_t plain_position; // bytes delivered
    int32_t plain_length;
};

namespace {

uint8_t master_key[32];
bool master_ready = false;
const char master_text[] = "Tarvik scrambled game data, key material 1";

void decode_block(scram_reader* r, uint8_t* block, uint32_t offset) {
    aes256_decrypt(&r->key, 16, block, block);
    for (int i = 0; i < 4; ++i) block[i] ^= (uint8_t)(offset >> (8 * i));
}

} // namespace

void scramble_prepare_keys() {
    sha256_ctx hash;
    sha256_init(&hash);
    sha256_update(&hash, sizeof master_text - 1, (const uint8_t*)master_text);
    sha256_digest(&hash, sizeof master_key, master_key);
    master_ready = true;
}

const uint8_t* scram_master_key() {
    if (!master_ready) scramble_prepare_keys();
    return master_key;
}

void scram_file_key(const uint8_t salt[scram_salt_bytes], uint8_t key[32]) {
    sha256_ctx hash;
    sha256_init(&hash);
    sha256_update(&hash, 32, scram_master_key());
    sha256_update(&hash, scram_salt_bytes, salt);
    sha256_digest(&hash, 32, key);
}

scram_reader* scram_open(FILE* file) {
    uint8_t header[scram_header_bytes];
    if (fread(header, 1, sizeof header, file) != sizeof header) {
        perror("fread error");
        return nullptr;
    }
    aes256_ctx master;
    aes256_set_decrypt_key(&master, scram_master_key());
    aes256_decrypt(&master, 32, header + 32, header + 32);
    uint32_t length = header[32] | header[33] << 8 | header[34] << 16 | (uint32_t)header[35] << 24;
    if (memcmp(header + scram_marker_offset, "enigma", 6) != 0 || length == 0xFFFFFFFFu ||
        length > (uint32_t)INT32_MAX)
        return nullptr;
    scram_reader* r = (scram_reader*)calloc(1, sizeof(scram_reader));
    if (!r) return nullptr;
    uint8_t key[32];
    scram_file_key(header, key);
    aes256_set_decrypt_key(&r->key, key);
    r->file = file;
    r->block_used = 16;
    r->plain_length = (int32_t)length;
    return r;
}

int scram_read(scram_reader* r, unsigned char* buffer, int n) {
    int32_t left = r->plain_length - r->plain_position;
    if (n > left) n = left;
    int delivered = 0;
    while (delivered < n) {
        if (r->block_used < 16) {
            int part = 16 - r->block_used;
            if (part > n - delivered) part = n - delivered;
            memcpy(buffer + delivered, r->block + r->block_used, part);
            r->block_used += part;
            delivered += part;
            continue;
        }
        int whole = (n - delivered) / 16;
        if (whole > 0) { // whole blocks go straight into the caller's buffer
            uint8_t* out = buffer + delivered;
            int got = (int)fread(out, 16, whole, r->file);
            for (int j = 0; j < got; ++j)
                decode_block(r, out + 16 * j, (uint32_t)(r->plain_position + delivered + 16 * j));
            delivered += 16 * got;
            if (got < whole) break; // a short block ends the data
            continue;
        }
        if (fread(r->block, 1, 16, r->file) != 16) break;
        decode_block(r, r->block, (uint32_t)(r->plain_position + delivered));
        r->block_used = 0;
    }
    r->plain_position += delivered;
    return delivered;
}

void scram_close(scram_reader* r) {
    free(r);
}
