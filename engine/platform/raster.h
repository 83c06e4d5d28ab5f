// The rasteriser's entries for the window and the PNG writer.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

namespace plat::internal {

// Paints the page (background colour 15 and the display list) in page units
// onto `cr`, clipped to the page; the caller sets up the scale.
void render_page(cairo_t* cr);

// Writes an 8-bit RGB PNG of width x height pixels whose rows (0x00RRGGBB
// each) `row(y)` gives. False (and no file left) when it cannot be written.
bool write_rgb_png(const std::string& path, int width, int height, const std::function<const std::uint32_t*(int)>& row);

}  // namespace plat::internal
