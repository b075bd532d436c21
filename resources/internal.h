// resources/internal.h — what the file system's own files share and nothing else uses:
// the archive header reader, the gzip and scrambled decoders, and the folder reset.
#pragma once

#include "resources/stream.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// One member line of a ".saf" header.
struct saf_member {
    std::string name;
    int32_t offset; // of the member's data in the archive
    int32_t size;
};

// Reads the header of an archive of file_size bytes from the current position of file.
// False (and no members) when the header is broken or a member lies outside the archive.
bool saf_read_header(FILE* file, int64_t file_size, std::vector<saf_member>* members);

// The length of a gzip member header at data, or 0 when it is refused or cut short.
int gzip_header_length(const unsigned char* data, int size);
// The gzip reader of a stream: start (0 on failure), read up to n bytes, end.
int gzip_start(stream* s);
int gzip_read(stream* s, unsigned char* buffer, int n);
void gzip_end(stream* s);

constexpr int scram_header_bytes = 64;
constexpr int scram_salt_bytes = 32;    // the header's first bytes, kept in the clear
constexpr int scram_marker_offset = 40; // "enigma" in the decoded header; length at 32
// The program's master key, and the key of a file with the given salt.
const uint8_t* scram_master_key();
void scram_file_key(const uint8_t salt[scram_salt_bytes], uint8_t key[32]);

// The scrambled reader on file from its current position; null when the header is bad.
scram_reader* scram_open(FILE* file);
int scram_read(scram_reader* reader, unsigned char* buffer, int n);
void scram_close(scram_reader* reader);

void reset_home_folders();
// A digest as lower-case hexadecimal digits, two a byte.
std::string digest_hex(const uint8_t* digest, int bytes);

// A plain stream over an open file (an fmemopen buffer in tests and fuzzing); the stream
// owns the file from then on.
stream* stream_wrap_file(FILE* file);
