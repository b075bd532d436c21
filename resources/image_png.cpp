// resources/image_png.cpp — the PNG readers through libpng on a stream: the colour reader for
// textures (RGB or RGBA, with the text chunks and the ".info" companion as info text) and the
// height reader for terrain (16-bit grey). libpng errors come back through its jump.
#include "resources/images.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdio>
#include <cstring>
#include <png.h>

namespace {

constexpr int signature_bytes = 8;
constexpr int info_chunk = 4096;
constexpr int error_bytes = 200;
// Deflate never packs more than 1032 bytes into one; the slack covers headers and rounding.
constexpr int64_t deflate_ratio = 1032;
constexpr int64_t deflate_slack = 65536;
// The longest ancillary chunk (text, profiles) read where the file's length is unknown: a
// damaged length must not make libpng reserve gigabytes.
constexpr int64_t chunk_limit = 16 << 20;
constexpr int chunk_header_bytes = 8; // length and type

// Everything a decode writes: owned by the caller so that a jump out of libpng skips no
// destructor.
struct png_job {
    stream* s;
    bool height_mode;
    image* img;                      // colour reader
    std::vector<uint16_t>* samples;  // height reader
    int width, height;               // height reader
    std::vector<uint8_t> rows_bytes; // height reader: the rows as libpng gives them
    std::vector<png_bytep> rows;
    int64_t file_left;  // bytes after those given to libpng; -1 when unknown
    int64_t chunk_left; // bytes of the current chunk and its CRC not yet given
    uint8_t header[chunk_header_bytes];
    int header_have; // bytes of the next chunk header seen
};

// Passes bytes to libpng, watching the chunk headers go by: libpng allocates a whole
// ancillary chunk before reading it, so a length the file can't hold is refused here first.
void png_read_from_stream(png_structp png, png_bytep data, png_size_t length) {
    png_job* job = (png_job*)png_get_io_ptr(png);
    if (length > INT_MAX || stream_read(job->s, data, (int)length) != (int)length)
        png_error(png, "Read past the end of the file");
    for (png_size_t at = 0; at < length;) {
        if (job->chunk_left > 0) {
            png_size_t skip = std::min<png_size_t>(length - at, job->chunk_left);
            job->chunk_left -= (int64_t)skip;
            at += skip;
            continue;
        }
        job->header[job->header_have++] = data[at++];
        if (job->header_have < chunk_header_bytes) continue;
        job->header_have = 0;
        const uint8_t* h = job->header;
        uint32_t chunk = (uint32_t)h[0] << 24 | (uint32_t)h[1] << 16 | (uint32_t)h[2] << 8 | h[3];
        bool data_chunk = h[4] == 'I' && h[5] == 'D' && h[6] == 'A' && h[7] == 'T';
        int64_t after = job->file_left < 0 ? -1 : job->file_left - (int64_t)at;
        if (chunk > PNG_UINT_31_MAX || (after >= 0 && chunk + 4 > after) ||
            (after < 0 && !data_chunk && chunk > chunk_limit))
            png_error(png, "Chunk longer than the file");
        job->chunk_left = chunk + 4; // and its CRC
    }
    if (job->file_left >= 0) job->file_left -= (int64_t)length;
}

void png_fail(png_structp png, png_const_charp message) {
    char text[error_bytes];
    snprintf(text, sizeof text, "PNG error: %s", message);
    image_set_error(text);
    png_longjmp(png, 1);
}

void png_ignore_warning(png_structp, png_const_charp) {}

void png_append_texts(png_structp png, png_infop info, std::string* text) {
    png_textp chunks = nullptr;
    int count = png_get_text(png, info, &chunks, nullptr);
    for (int i = 0; i < count; ++i) {
        if (chunks[i].text) text->append(chunks[i].text);
        text->push_back('\n');
    }
}

// True when the file's pixel data could come out of the bytes the stream has left.
bool png_size_plausible(png_structp png, png_infop info, stream* s) {
    uint32_t width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    if (width < 1 || height < 1 || width > image_dimension_limit || height > image_dimension_limit)
        return false;
    int64_t bits = (int64_t)png_get_bit_depth(png, info) * png_get_channels(png, info);
    int64_t raw = (int64_t)height * ((width * bits + 7) / 8 + 1);
    int64_t left = image_stream_bytes_left(s);
    return left < 0 || raw <= left * deflate_ratio + deflate_slack;
}

void png_set_colour_transforms(png_structp png, png_infop info) {
    int type = png_get_color_type(png, info), depth = png_get_bit_depth(png, info);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (depth == 16) png_set_strip_16(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
}

void png_set_height_transforms(png_structp png, png_infop info) {
    int type = png_get_color_type(png, info), depth = png_get_bit_depth(png, info);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (type & PNG_COLOR_MASK_ALPHA) png_set_strip_alpha(png);
    if (type & PNG_COLOR_MASK_COLOR) png_set_rgb_to_gray_fixed(png, 1, -1, -1);
    if (depth == 16 && std::endian::native == std::endian::little) png_set_swap(png);
}

// Rows into job; false when libpng gives a shape the reader doesn't expect.
bool png_read_rows(png_structp png, png_infop info, png_job* job) {
    uint32_t width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    size_t row_bytes = png_get_rowbytes(png, info);
    int channels = png_get_channels(png, info);
    int depth = png_get_bit_depth(png, info);
    std::vector<uint8_t>* bytes = job->height_mode ? &job->rows_bytes : &job->img->pixels;
    if (job->height_mode ? depth != 8 && depth != 16
                         : depth != 8 || (channels != 3 && channels != 4) ||
                               row_bytes != (size_t)width * channels)
        return false;
    bytes->clear();
    if (passes == 1) {
        // Row by row: where the length is unknown a file cut short fails before its whole
        // size is allocated; where it is known the size was checked against it.
        if (image_stream_bytes_left(job->s) >= 0) bytes->reserve((size_t)height * row_bytes);
        for (uint32_t y = 0; y < height; ++y) {
            bytes->resize((size_t)(y + 1) * row_bytes);
            png_read_row(png, bytes->data() + (size_t)y * row_bytes, nullptr);
        }
    } else {
        bytes->resize((size_t)height * row_bytes);
        job->rows.resize(height);
        for (uint32_t y = 0; y < height; ++y) job->rows[y] = bytes->data() + (size_t)y * row_bytes;
        png_read_image(png, job->rows.data());
    }
    if (!job->height_mode) {
        job->img->width = (int)width;
        job->img->height = (int)height;
        job->img->channels = channels;
        return true;
    }
    job->width = (int)width;
    job->height = (int)height;
    job->samples->resize((size_t)width * height);
    size_t step = (size_t)channels * (depth / 8); // grey comes first in every pixel
    for (size_t i = 0; i < job->samples->size(); ++i) {
        const uint8_t* p = job->rows_bytes.data() + (i / width) * row_bytes + (i % width) * step;
        uint16_t v;
        if (depth == 16)
            memcpy(&v, p, 2);
        else
            v = (uint16_t)(p[0] * 257);
        (*job->samples)[i] = v;
    }
    return true;
}

bool png_decode(png_job* job) {
    unsigned char signature[signature_bytes];
    if (stream_read(job->s, signature, signature_bytes) != signature_bytes ||
        png_sig_cmp(signature, 0, signature_bytes) != 0)
        return false;
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, png_fail, png_ignore_warning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    png_infop end = info ? png_create_info_struct(png) : nullptr;
    if (!end) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, &end);
        return false;
    }
    job->file_left = image_stream_bytes_left(job->s);
    job->chunk_left = 0;
    job->header_have = 0;
    png_set_read_fn(png, job, png_read_from_stream);
    png_set_sig_bytes(png, signature_bytes);
    png_set_user_limits(png, image_dimension_limit, image_dimension_limit);
    png_read_info(png, info);
    bool ok = png_size_plausible(png, info, job->s);
    if (ok) {
        if (job->height_mode)
            png_set_height_transforms(png, info);
        else
            png_set_colour_transforms(png, info);
        ok = png_read_rows(png, info, job);
    }
    if (ok) png_read_end(png, end);
    if (ok && !job->height_mode) {
        png_append_texts(png, info, &job->img->info);
        png_append_texts(png, end, &job->img->info);
    }
    png_destroy_read_struct(&png, &info, &end);
    return ok;
}

// The whole content of a file, "" when it isn't there.
std::string png_read_companion(const std::string& name) {
    std::string text;
    stream* s = stream_open(name.c_str(), "rb");
    if (!s) return text;
    char chunk[info_chunk];
    int got;
    while ((got = stream_read(s, chunk, sizeof chunk)) > 0) text.append(chunk, got);
    stream_close(s);
    return text;
}

} // namespace

bool image_read_png_stream(stream* s, image* out) {
    image_set_error("");
    *out = image();
    png_job job{s, false, out, nullptr, 0, 0, {}, {}, -1, 0, {}, 0};
    if (png_decode(&job)) return true;
    *out = image();
    return false;
}

bool image_read_png(const char* name, image* out) {
    stream* s = stream_open(name, "rb");
    if (!s) return false;
    bool ok = image_read_png_stream(s, out);
    stream_close(s);
    if (ok) out->info += png_read_companion(std::string(name) + ".info");
    return ok;
}

bool image_read_png_height_stream(stream* s, std::vector<uint16_t>* samples, int* width,
                                  int* height) {
    image_set_error("");
    png_job job{s, true, nullptr, samples, 0, 0, {}, {}, -1, 0, {}, 0};
    bool ok = png_decode(&job);
    if (!ok) samples->clear();
    *width = ok ? job.width : 0;
    *height = ok ? job.height : 0;
    return ok;
}

bool image_read_png_height(const char* name, std::vector<uint16_t>* samples, int* width,
                           int* height) {
    stream* s = stream_open(name, "rb");
    if (!s) {
        samples->clear();
        *width = *height = 0;
        return false;
    }
    bool ok = image_read_png_height_stream(s, samples, width, height);
    stream_close(s);
    return ok;
}
