// PNG files of the page: 8-bit RGB written with zlib's fastest effort and no
// row filter. Pages are large areas of a few flat colours, which compress
// well anyway; the slower efforts and the filters cost several times the
// time for files a little smaller, and the decoded pixels are the same.
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "engine/platform/raster.h"

namespace plat::internal {

bool write_rgb_png(const std::string& path, int width, int height,
                   const std::function<const std::uint32_t*(int)>& row) {
    if (width <= 0 || height <= 0) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    // Declared before the jump point: libpng reports errors by longjmp, so
    // nothing with a destructor may be created after it.
    std::vector<png_byte> line(static_cast<size_t>(width) * 3);
    bool ok = png && info;
    if (ok && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_compression_level(png, Z_BEST_SPEED);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) {
            const std::uint32_t* px = row(y);
            png_byte* out = line.data();
            for (int x = 0; x < width; ++x) {
                *out++ = static_cast<png_byte>(px[x] >> 16);
                *out++ = static_cast<png_byte>(px[x] >> 8);
                *out++ = static_cast<png_byte>(px[x]);
            }
            png_write_row(png, line.data());
        }
        png_write_end(png, nullptr);
    } else {
        ok = false;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    ok = std::fclose(file) == 0 && ok;
    if (!ok) std::remove(path.c_str());
    return ok;
}

}  // namespace plat::internal
