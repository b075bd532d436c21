// resources/image_png_writer.cpp — the PNG writers: 16-bit grey for saved terrain heights
// and 8-bit RGB for screen captures (rows bottom first, as GL reads them). libpng writes
// through the stream callbacks; its errors come back through its jump.
#include "resources/images.h"

#include <bit>
#include <climits>
#include <png.h>

namespace {

// What a write needs across libpng's jump: owned by the caller.
struct png_write_job {
    stream* s;
    int width, height;
    bool grey16;
    std::vector<png_bytep> rows; // top row first, as the file stores them
};

void png_write_to_stream(png_structp png, png_bytep data, png_size_t length) {
    stream* s = (stream*)png_get_io_ptr(png);
    if (length > INT_MAX || stream_write(s, data, (int)length) != (int)length)
        png_error(png, "Write error");
}

void png_flush_stream(png_structp png) {
    stream_flush((stream*)png_get_io_ptr(png));
}

void png_write_fail(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void png_write_ignore_warning(png_structp, png_const_charp) {}

bool png_encode_rows(png_write_job* job) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, png_write_fail,
                                              png_write_ignore_warning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, job->s, png_write_to_stream, png_flush_stream);
    png_set_IHDR(png, info, job->width, job->height, job->grey16 ? 16 : 8,
                 job->grey16 ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, job->rows.data());
    // The file holds big-endian samples; machine values are swapped on the way out.
    int transforms = job->grey16 && std::endian::native == std::endian::little
                         ? PNG_TRANSFORM_SWAP_ENDIAN
                         : PNG_TRANSFORM_IDENTITY;
    png_write_png(png, info, transforms, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

int png_write_file(const char* name, png_write_job* job) {
    job->s = stream_open(name, "wb");
    if (!job->s) return 0;
    bool ok = png_encode_rows(job) && stream_flush(job->s) == 0 && !ferror(job->s->file);
    stream_close(job->s);
    return ok ? 1 : 0;
}

bool png_size_ok(int width, int height) {
    return width > 0 && height > 0 && width <= image_dimension_limit &&
           height <= image_dimension_limit;
}

} // namespace

int png_write_gray16(const char* name, const uint16_t* samples, int width, int height) {
    if (!png_size_ok(width, height)) return 0;
    png_write_job job{nullptr, width, height, true, std::vector<png_bytep>(height)};
    for (int y = 0; y < height; ++y) job.rows[y] = (png_bytep)(samples + (size_t)y * width);
    return png_write_file(name, &job);
}

int png_write_rgb(const char* name, const unsigned char* pixels, int width, int height) {
    if (!png_size_ok(width, height)) return 0;
    png_write_job job{nullptr, width, height, false, std::vector<png_bytep>(height)};
    for (int y = 0; y < height; ++y)
        job.rows[y] = (png_bytep)(pixels + (size_t)(height - 1 - y) * width * 3);
    return png_write_file(name, &job);
}

int image_write_png_rgb(const char* name, int width, int height, const unsigned char* rgb) {
    return png_write_rgb(name, rgb, width, height);
}
