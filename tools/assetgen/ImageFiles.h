// Writers for the rendered pictures: RGBA PNG and, for opaque pictures, JPEG.
#pragma once
#include <cairo.h>

#include <string>

// RGB when every pixel is opaque, RGBA otherwise; unfiltered rows.
bool WritePng(cairo_surface_t* surface, const std::string& path);
// Quality 92, the picture flattened on black.
bool WriteJpeg(cairo_surface_t* surface, const std::string& path);
