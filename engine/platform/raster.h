// The rasteriser's entry for the window and the PNG writer.
#pragma once
#include <cairo.h>

namespace plat::internal {

// Paints the page (background colour 15 and the display list) in page units
// onto `cr`, clipped to the page; the caller sets up the scale.
void render_page(cairo_t* cr);

}  // namespace plat::internal
