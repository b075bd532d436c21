// resources/image_predictive.cpp — the game's own compact image format ("R6" RGB, "R7" RGBA):
// each byte is the difference from a prediction made out of the pixels already decoded.
// The reader after the magic and the encoder for fixtures and the data generator.
#include "resources/images.h"

#include <algorithm>

namespace {

constexpr int read_chunk = 65536;

// The prediction for channel c of pixel (x, y) from the decoded pixels before it.
int predictive_guess(const uint8_t* pixels, int width, int channels, int x, int y, int c) {
    size_t row = (size_t)width * channels;
    const uint8_t* here = pixels + y * row + (size_t)x * channels + c;
    if (x == 0 && y == 0) return 0;
    if (y == 0) return here[-channels];
    if (x == 0) return here[-(ptrdiff_t)row];
    int guess = here[-channels] + here[-(ptrdiff_t)row] - here[-(ptrdiff_t)row - channels];
    return std::clamp(guess, 0, 255);
}

int predictive_read_number(stream* s) {
    char hash[2];
    while (stream_scanf(s, " %1[#]%*[^\n]", hash) == 1) {
    }
    int value = -1;
    if (stream_scanf(s, "%d", &value) != 1) return -1;
    return value;
}

} // namespace

bool image_read_predictive(stream* s, int file_channels, int channels, image* out) {
    if ((file_channels != 3 && file_channels != 4) || (channels != 3 && channels != 4))
        return false;
    int width = predictive_read_number(s);
    int height = predictive_read_number(s);
    if (width <= 0 || height <= 0 || stream_getc(s) < 0 ||
        !image_size_fits(s, width, height, file_channels))
        return false;
    size_t count = (size_t)width * height;
    // Decoded at the file's channel count first; the predictions only see those channels.
    std::vector<uint8_t> decoded;
    std::vector<uint8_t> piece;
    size_t total = count * file_channels;
    while (decoded.size() < total) {
        size_t have = decoded.size();
        int n = (int)std::min<size_t>(total - have, read_chunk);
        piece.resize(n);
        if (stream_read(s, piece.data(), n) != n) return false;
        decoded.resize(have + n);
        for (int i = 0; i < n; ++i) {
            size_t at = have + i;
            size_t pixel = at / file_channels;
            int x = (int)(pixel % width), y = (int)(pixel / width);
            int c = (int)(at % file_channels);
            int guess = predictive_guess(decoded.data(), width, file_channels, x, y, c);
            decoded[at] = (uint8_t)(piece[i] + guess);
        }
    }
    out->width = width;
    out->height = height;
    out->channels = channels;
    out->has_mips = false;
    if (channels == file_channels) {
        out->pixels.swap(decoded);
        return true;
    }
    // An absent alpha keeps its prediction, 0 everywhere; a present one is dropped.
    out->pixels.assign(count * channels, 0);
    for (size_t i = 0; i < count; ++i)
        for (int c = 0; c < 3; ++c) out->pixels[i * channels + c] = decoded[i * file_channels + c];
    return true;
}

std::string predictive_encode(int width, int height, int channels, const uint8_t* pixels) {
    std::string out = std::string(channels == 4 ? "R7" : "R6") + "\n" + std::to_string(width) +
                      " " + std::to_string(height) + "\n";
    size_t total = (size_t)width * height * channels;
    for (size_t at = 0; at < total; ++at) {
        size_t pixel = at / channels;
        int x = (int)(pixel % width), y = (int)(pixel / width);
        int guess = predictive_guess(pixels, width, channels, x, y, (int)(at % channels));
        out += (char)(uint8_t)(pixels[at] - guess);
    }
    return out;
}
