// resources/textures.cpp — the texture manager: names to GL textures, links, animations, the
// upload with its reduction and resampling, and collection by generation.
#include "resources/textures.h"

#include "platform/gl.h"
#include "platform/log.h"
#include "platform/messages.h"
#include "resources/images.h"
#include "resources/stream.h"

#include <cstring>
#include <memory>
#include <string>
#include <strings.h>
#include <vector>

texture_options_record texture_options = {0, 1, 0};
uint32_t texture_memory = 0;
int32_t texture_generation = 0;

namespace {

constexpr int reduce_floor = 128; // levels are dropped only while both sides exceed this
constexpr int link_bytes = 1023;
constexpr int magic_bytes = 16;

struct texture_record {
    GLuint id;
    int32_t generation; // 0: never collected
    uint32_t memory;    // bytes its upload added
    std::string info;
    std::string name;
};

struct animation {
    GLuint id;
    int frame_count, shown, duration;
    bool loop, paused;
    double start;
    std::vector<image> images;
    std::vector<int> frames; // image index per frame
};

struct link_record {
    std::string name, target;
};

// A picture kept as pixels, by name.
struct kept_image {
    std::string name;
    int32_t generation;
    image pixels; // 3 channels, power-of-two sizes, mip chain
};

std::vector<texture_record> textures;
std::vector<std::unique_ptr<kept_image>> kept_images;
std::vector<std::unique_ptr<animation>> animations;
std::vector<link_record> links;

bool power_of_two(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}
int next_power_of_two(int v) {
    int p = 1;
    while (p < v) p <<= 1;
    return p;
}

// Resamples level 0 by nearest pixel to the next powers of two and builds a fresh chain.
image resampled(const uint8_t* pixels, int width, int height, int channels) {
    image out;
    out.width = next_power_of_two(width);
    out.height = next_power_of_two(height);
    out.channels = channels;
    out.pixels.resize((size_t)out.width * out.height * channels);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            int sx = (int)((int64_t)x * width / out.width),
                sy = (int)((int64_t)y * height / out.height);
            memcpy(&out.pixels[((size_t)y * out.width + x) * channels],
                   pixels + ((size_t)sy * width + sx) * channels, channels);
        }
    image_build_mips(&out, false);
    return out;
}

// The first entry of the list whose name is the requested one, exactly or but for case.
template <typename List, typename Name>
auto find_named(List& list, const std::string& name, Name name_of) -> decltype(&*list.begin()) {
    for (auto& entry : list) {
        const std::string& n = name_of(entry);
        if (n == name) return &entry;
        if (strcasecmp(n.c_str(), name.c_str()) == 0) {
            print_message(("Warning: case mismatch on '" + name.substr(0, 900) + "'").c_str());
            return &entry;
        }
    }
    return nullptr;
}

texture_record* find_loaded(const std::string& name) {
    return find_named(textures, name,
                      [](const texture_record& t) -> const std::string& { return t.name; });
}

// Level 0 of a picture at the next powers of two, its chain rebuilt, reduced like a texture.
image reduced_rgb(image img, int reduction) {
    if (img.channels == 4) { // the ground has no use for alpha
        std::vector<uint8_t> rgb((size_t)img.width * img.height * 3);
        for (size_t i = 0; i < (size_t)img.width * img.height; ++i)
            memcpy(&rgb[i * 3], &img.pixels[i * 4], 3);
        img.pixels = std::move(rgb);
        img.channels = 3;
        img.has_mips = false;
    }
    if (!power_of_two(img.width) || !power_of_two(img.height))
        img = resampled(img.pixels.data(), img.width, img.height, 3);
    for (int r = 0; r < reduction && img.width > reduce_floor && img.height > reduce_floor; ++r) {
        image half;
        half.width = img.width / 2;
        half.height = img.height / 2;
        half.channels = 3;
        half.pixels.resize((size_t)half.width * half.height * 3);
        for (int y = 0; y < half.height; ++y)
            for (int x = 0; x < half.width; ++x)
                for (int c = 0; c < 3; ++c) {
                    auto at = [&](int dx, int dy) {
                        return img.pixels[((size_t)(2 * y + dy) * img.width + 2 * x + dx) * 3 + c];
                    };
                    half.pixels[((size_t)y * half.width + x) * 3 + c] =
                        (uint8_t)((at(0, 0) + at(1, 0) + at(0, 1) + at(1, 1)) >> 2);
                }
        img = std::move(half);
    }
    image_build_mips(&img, false);
    return img;
}

int flags_for(const std::string& name) {
    int flags = 0;
    if (name.find("-hrepeat.") != std::string::npos) flags |= texture_repeat_h;
    if (name.find("-vrepeat.") != std::string::npos) flags |= texture_repeat_v;
    if (name.find("-repeat.") != std::string::npos) flags |= texture_repeat_h | texture_repeat_v;
    return flags;
}

std::string trimmed(const std::string& text) {
    size_t a = text.find_first_not_of(" \t\r\n"), b = text.find_last_not_of(" \t\r\n");
    return a == std::string::npos ? std::string() : text.substr(a, b - a + 1);
}

unsigned record(const std::string& name, GLuint id, uint32_t memory, const std::string& info) {
    textures.push_back({id, texture_generation, memory, info, name});
    return id;
}

unsigned load_named(const std::string& name, int reduction, int depth);

// A LINK file: the rest names the texture to load instead.
unsigned load_link(stream* s, const std::string& name, int reduction, int depth) {
    char text[link_bytes + 1];
    int got = stream_read(s, text, link_bytes);
    text[got > 0 ? got : 0] = 0;
    std::string target = trimmed(text);
    if (target.empty() || target == name || depth > 8) return 0; // no loops, no empty links
    links.push_back({name, "@colors/white.png"});
    size_t index = links.size() - 1;
    unsigned id = load_named(target, reduction, depth + 1);
    links[index].target = target;
    return id;
}

// "ANIM1": frames F, images G, frame duration and loop flag, F image indices, G images.
unsigned load_animation(stream* s, const std::string& name, int reduction, int flags) {
    auto a = std::make_unique<animation>();
    int images = 0, loop = 0;
    if (stream_scanf(s, "%d %d %d %d", &a->frame_count, &images, &a->duration, &loop) != 4 ||
        a->frame_count <= 0 || images <= 0 || a->frame_count > 100000 || images > 4096)
        return 0;
    a->loop = loop != 0;
    for (int f = 0; f < a->frame_count; ++f) {
        int index = 0;
        if (stream_scanf(s, "%d ", &index) != 1 || index < 0 || index >= images) {
            print_message("EOF while reading .seq");
            return 0;
        }
        a->frames.push_back(index);
    }
    for (int i = 0; i < images; ++i) {
        char word[magic_bytes];
        if (stream_scanf(s, "%15s", word) != 1) {
            print_message("EOF while reading .seq");
            return 0;
        }
        image img;
        if (strcmp(word, "R7") == 0) {
            if (!image_read_predictive(s, 4, 4, &img)) return 0;
        } else if (strcmp(word, "PNG") == 0) {
            char line[1024];
            std::string png = stream_gets(s, line, sizeof line) ? trimmed(line) : std::string();
            if (!image_read_png(png.c_str(), &img)) {
                print_message(("Can't read " + png.substr(0, 900)).c_str());
                return 0;
            }
        } else {
            print_message(("Error reading .seq frame " + std::to_string(i)).c_str());
            return 0;
        }
        if (i > 0 && (img.width != a->images[0].width || img.height != a->images[0].height)) {
            print_message("Width/height mismatch reading .seq");
            return 0;
        }
        if (i > 0 && img.channels != a->images[0].channels) {
            print_message("Depth mismatch reading .seq");
            return 0;
        }
        image_build_mips(&img, false);
        a->images.push_back(std::move(img));
    }
    const image& first = a->images[a->frames[0]];
    uint32_t memory = 0;
    a->id = texture_upload(first.pixels.data(), first.width, first.height, first.channels, true,
                           reduction, flags, &memory);
    if (!a->id) return 0;
    a->shown = a->frames[0];
    unsigned id = record(name, a->id, memory, "");
    animations.push_back(std::move(a));
    return id;
}

unsigned load_named(const std::string& requested, int reduction, int depth) {
    std::string name = requested;
    for (const link_record& l : links)
        if (l.name == name) name = l.target;
    if (texture_record* t = find_loaded(name)) {
        if (t->generation != 0 && t->generation != texture_generation) {
            t->generation = texture_generation;
            texture_memory += t->memory;
        }
        return t->id;
    }
    stream* s = stream_open(name.c_str(), "rb");
    if (!s) {
        if (texture_options.debug)
            print_message(("Can't open texture \"" + name.substr(0, 900) + "\"").c_str());
        return 0;
    }
    int flags = flags_for(name);
    char magic[magic_bytes] = "";
    stream_scanf(s, "%15s", magic);
    unsigned id = 0;
    if (strcmp(magic, "ANIM1") == 0) {
        id = load_animation(s, name, reduction, flags);
        stream_close(s);
        return id;
    }
    if (strcmp(magic, "LINK") == 0) {
        id = load_link(s, name, reduction, depth);
        stream_close(s);
        return id;
    }
    image img;
    bool read;
    if (image_read_body(s, magic, &img)) {
        read = true;
        stream_close(s);
    } else {
        stream_close(s);
        read = image_read_png(name.c_str(), &img);
        int compress = texture_options.compress;
        if (read &&
            (compress == 2 || (compress == 1 && img.info.find("[compress]") != std::string::npos)))
            flags |= texture_compress_flag;
    }
    if (!read || img.channels < 3) return 0;
    image_prepare_mips(&img, name.c_str());
    if (!power_of_two(img.width) || !power_of_two(img.height))
        print_message(("Warning: Non power of 2 texture '" + name.substr(0, 950) + "'").c_str());
    uint32_t memory = 0;
    id = texture_upload(img.pixels.data(), img.width, img.height, img.channels, img.has_mips,
                        reduction, flags, &memory);
    return id ? record(name, id, memory, img.info) : 0;
}

} // namespace

unsigned texture_upload(const uint8_t* pixels, int width, int height, int channels, bool has_mips,
                        int reduction, int flags, uint32_t* memory) {
    *memory = 0;
    if (!gl.GenTextures || width <= 0 || height <= 0 || (channels != 3 && channels != 4)) return 0;
    image resized;
    if (!power_of_two(width) || !power_of_two(height)) {
        resized = resampled(pixels, width, height, channels);
        pixels = resized.pixels.data();
        width = resized.width;
        height = resized.height;
        has_mips = true;
    }
    image chain;
    if (!has_mips && !(flags & texture_no_mips)) {
        chain.width = width;
        chain.height = height;
        chain.channels = channels;
        chain.pixels.assign(pixels, pixels + (size_t)width * height * channels);
        image_build_mips(&chain, false);
        pixels = chain.pixels.data();
        has_mips = true;
    }
    // Levels in the chain, each half the one before, down to 1 × 1.
    std::vector<const uint8_t*> levels;
    std::vector<std::pair<int, int>> sizes;
    const uint8_t* level = pixels;
    for (int w = width, h = height;; w = w > 1 ? w / 2 : 1, h = h > 1 ? h / 2 : 1) {
        levels.push_back(level);
        sizes.push_back({w, h});
        if ((w == 1 && h == 1) || !has_mips) break;
        level += (size_t)w * h * channels;
    }
    size_t first = 0;
    while ((int)first < reduction && first + 1 < levels.size() &&
           sizes[first].first > reduce_floor && sizes[first].second > reduce_floor)
        ++first;

    GLuint id = 0;
    gl.GenTextures(1, &id);
    gl.BindTexture(GL_TEXTURE_2D, id);
    gl.GetError();
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S,
                     (flags & texture_repeat_h) ? GL_REPEAT : GL_CLAMP_TO_EDGE);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T,
                     (flags & texture_repeat_v) ? GL_REPEAT : GL_CLAMP_TO_EDGE);
    bool no_clamp = gl.GetError() != GL_NO_ERROR;
    bool single = (flags & texture_no_mips) != 0;
    GLint min_filter = no_clamp ? (single ? GL_NEAREST : GL_NEAREST_MIPMAP_NEAREST)
                                : (single ? GL_LINEAR : GL_LINEAR_MIPMAP_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min_filter);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (channels == 3) { // the edge colour, seen only where clamping to the edge is missing
        const uint8_t* p = levels[first];
        const GLfloat border[4] = {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f, 1};
        gl.TexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, border);
    }
    bool compress = (flags & texture_compress_flag) && gl_caps.major >= 2;
    GLint internal = compress ? (channels == 3 ? GL_COMPRESSED_RGB_ARB : GL_COMPRESSED_RGBA_ARB)
                              : (channels == 3 ? GL_RGB : GL_RGBA);
    GLenum format = channels == 3 ? GL_RGB : GL_RGBA;
    size_t last = single ? first : levels.size() - 1;
    for (size_t l = first; l <= last; ++l) {
        int w = sizes[l].first, h = sizes[l].second;
        gl.TexImage2D(GL_TEXTURE_2D, (GLint)(l - first), internal, w, h, 0, format,
                      GL_UNSIGNED_BYTE, levels[l]);
        GLint bytes = 0;
        if (compress)
            gl.GetTexLevelParameteriv(GL_TEXTURE_2D, (GLint)(l - first),
                                      GL_TEXTURE_COMPRESSED_IMAGE_SIZE_ARB, &bytes);
        *memory += compress && bytes > 0 ? (uint32_t)bytes : (uint32_t)(w * h * channels);
    }
    if (single) gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    texture_memory += *memory;
    return id;
}

unsigned texture_load(const char* name) {
    int reduction = texture_options.reduce;
    if (name[0] == '!') {
        reduction = 0;
        ++name;
    }
    return load_named(name, reduction, 0);
}

const char* texture_name(unsigned id) {
    for (const texture_record& t : textures)
        if (t.id == id) return t.name.c_str();
    return nullptr;
}

const char* texture_info(unsigned id) {
    for (const texture_record& t : textures)
        if (t.id == id) return t.info.c_str();
    return nullptr;
}

int image_load(const char* requested, const uint8_t** pixels, int* width, int* height) {
    int reduction = texture_options.reduce;
    if (requested[0] == '!') {
        reduction = 0;
        ++requested;
    }
    std::string name = requested;
    auto name_of = [](const std::unique_ptr<kept_image>& k) -> const std::string& {
        return k->name;
    };
    std::unique_ptr<kept_image>* found = find_named(kept_images, name, name_of);
    if (!found) {
        image img;
        if (!image_read(name.c_str(), &img) || img.channels < 3) {
            if (texture_options.debug)
                print_message(("Can't open texture \"" + name.substr(0, 900) + "\"").c_str());
            return 0;
        }
        kept_images.push_back(std::make_unique<kept_image>(
            kept_image{name, texture_generation, reduced_rgb(std::move(img), reduction)}));
        found = &kept_images.back();
    } else if ((*found)->generation != 0) {
        (*found)->generation = texture_generation;
    }
    *pixels = (*found)->pixels.pixels.data();
    *width = (*found)->pixels.width;
    *height = (*found)->pixels.height;
    return 1;
}

const char* image_name(const uint8_t* pixels) {
    for (const auto& k : kept_images)
        if (k->pixels.pixels.data() == pixels) return k->name.c_str();
    return nullptr;
}

void texture_collect() {
    for (size_t i = textures.size(); i-- > 0;) {
        texture_record& t = textures[i];
        if (t.generation == 0 || t.generation == texture_generation) continue;
        if (texture_options.debug)
            log_printf("deleting tid %d (%.900s)\n", (int)t.id, t.name.c_str());
        gl.DeleteTextures(1, &t.id);
        texture_memory -= t.memory < texture_memory ? t.memory : texture_memory;
        textures.erase(textures.begin() + (long)i);
    }
    for (size_t i = kept_images.size(); i-- > 0;) {
        const kept_image& k = *kept_images[i];
        if (k.generation == 0 || k.generation == texture_generation) continue;
        if (texture_options.debug) log_printf("deleting image %.900s\n", k.name.c_str());
        kept_images.erase(kept_images.begin() + (long)i);
    }
    for (size_t i = animations.size(); i-- > 0;) {
        if (texture_name(animations[i]->id)) continue;
        if (texture_options.debug)
            log_printf("deleting anim %d for tid %d\n", (int)i, (int)animations[i]->id);
        animations.erase(animations.begin() + (long)i);
    }
}

void texture_cache_free() {
    for (texture_record& t : textures)
        if (gl.DeleteTextures) gl.DeleteTextures(1, &t.id);
    textures.clear();
    kept_images.clear();
    animations.clear();
    links.clear();
    texture_memory = 0;
}

void anim_update(double time) {
    for (auto& a : animations) {
        if (a->paused || a->duration <= 0) continue; // a zero duration never moves on
        double since = time - a->start;
        long frame = since > 0 ? (long)(since / a->duration) : 0;
        frame = a->loop ? frame % a->frame_count
                        : (frame < a->frame_count ? frame : a->frame_count - 1);
        int shown = a->frames[frame];
        if (shown == a->shown) continue;
        a->shown = shown;
        const image& img = a->images[shown];
        gl.BindTexture(GL_TEXTURE_2D, a->id);
        GLenum format = img.channels == 3 ? GL_RGB : GL_RGBA;
        for (int level = 0;; ++level) {
            int w, h;
            const uint8_t* p = image_level(img, level, &w, &h);
            if (!p) break;
            gl.TexSubImage2D(GL_TEXTURE_2D, level, 0, 0, w, h, format, GL_UNSIGNED_BYTE, p);
            if (w == 1 && h == 1) break;
        }
    }
}

void anim_start(unsigned id, double time) {
    for (auto& a : animations)
        if (a->id == id) {
            a->start = time;
            a->paused = false;
        }
}

void anim_pause(unsigned id) {
    for (auto& a : animations)
        if (a->id == id) a->paused = true;
}
