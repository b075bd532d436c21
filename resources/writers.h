// resources/writers.h — writers of the formats the file system reads: ".saf" archives, gzip
// files and scrambled files. The data generator and the tests make their files with these.
// Every writer gives the same bytes for the same input.
#pragma once

#include <string>
#include <vector>

// One member of an archive: its game name and its bytes.
struct archive_member {
    std::string name;
    std::string data;
};

// The whole archive: the header lines, "-", then the members' bytes in order.
std::string archive_encode(const std::vector<archive_member>& members);
// A one-member gzip file (no name, time 0), best compression.
std::string gzip_encode(const std::string& data);
// A scrambled file whose salt follows from the data.
std::string scram_encode(const std::string& data);
// A PNG of 8-bit pixels, rows top first, 1 (grey), 3 (RGB) or 4 (RGBA) channels; the text
// chunks (key, value) go in as tEXt chunks. Empty on failure.
std::string png_encode(int width, int height, int channels, const unsigned char* pixels,
                       const std::vector<std::pair<std::string, std::string>>& texts = {});
// Writes the bytes to the path, creating its folders. 1 on success.
int write_whole_file(const std::string& path, const std::string& bytes);
// The SHA-1 digest of the bytes (the first MiB, as the data check reads) as 40 hex digits.
std::string game_data_digest(const std::string& bytes);
