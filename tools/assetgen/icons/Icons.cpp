// The application icon at the sizes a desktop asks for: a watchtower on a
// road through the four seasons, drawn as vectors so every size is sharp.
#include <cmath>
#include <filesystem>

#include "AssetGen.h"
#include "ImageFiles.h"

// The four quarters of the badge, spring at the top left, going clockwise.
static void DrawSeasons(cairo_t* cr, double s) {
  const Rgb kSeasons[4] = {RgbHex(0x7CC35A), RgbHex(0xF2C23A), RgbHex(0xD8702E), RgbHex(0x7FB8E6)};
  const double kX[4] = {0.0, 0.5, 0.5, 0.0};
  const double kY[4] = {0.0, 0.0, 0.5, 0.5};
  for (int q = 0; q < 4; ++q) {
    cairo_rectangle(cr, kX[q] * s, kY[q] * s, 0.5 * s, 0.5 * s);
    cairo_pattern_t* shade = cairo_pattern_create_radial(0.5 * s, 0.5 * s, 0.05 * s, 0.5 * s, 0.5 * s, 0.75 * s);
    cairo_pattern_add_color_stop_rgb(shade, 0.0, kSeasons[q].r, kSeasons[q].g, kSeasons[q].b);
    cairo_pattern_add_color_stop_rgb(shade, 1.0, kSeasons[q].r * 0.6, kSeasons[q].g * 0.6, kSeasons[q].b * 0.6);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
  }
}

// The monsters' road, entering left and leaving right, as on the maps.
static void DrawRoad(cairo_t* cr, double s) {
  cairo_move_to(cr, -0.05 * s, 0.78 * s);
  cairo_curve_to(cr, 0.3 * s, 0.78 * s, 0.3 * s, 0.62 * s, 0.5 * s, 0.62 * s);
  cairo_curve_to(cr, 0.7 * s, 0.62 * s, 0.7 * s, 0.8 * s, 1.05 * s, 0.8 * s);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  SetRgb(cr, RgbHex(0x5A4632));
  cairo_set_line_width(cr, 0.17 * s);
  cairo_stroke_preserve(cr);
  SetRgb(cr, RgbHex(0xC9A66B));
  cairo_set_line_width(cr, 0.12 * s);
  cairo_stroke(cr);
}

static void DrawTower(cairo_t* cr, double s) {
  const Rgb stone = RgbHex(0xE8E2D4), shadow = RgbHex(0x8F8778), outline = RgbHex(0x2B2620);
  // Body, narrowing upwards.
  cairo_move_to(cr, 0.36 * s, 0.66 * s);
  cairo_line_to(cr, 0.40 * s, 0.34 * s);
  cairo_line_to(cr, 0.60 * s, 0.34 * s);
  cairo_line_to(cr, 0.64 * s, 0.66 * s);
  cairo_close_path(cr);
  cairo_pattern_t* side = cairo_pattern_create_linear(0.36 * s, 0, 0.64 * s, 0);
  cairo_pattern_add_color_stop_rgb(side, 0.0, stone.r, stone.g, stone.b);
  cairo_pattern_add_color_stop_rgb(side, 1.0, shadow.r, shadow.g, shadow.b);
  cairo_set_source(cr, side);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(side);
  SetRgb(cr, outline);
  cairo_set_line_width(cr, 0.025 * s);
  cairo_stroke(cr);
  // Battlements: three merlons on a ledge.
  cairo_rectangle(cr, 0.35 * s, 0.27 * s, 0.30 * s, 0.08 * s);
  for (int m = 0; m < 3; ++m) cairo_rectangle(cr, (0.35 + 0.11 * m) * s, 0.19 * s, 0.08 * s, 0.09 * s);
  SetRgb(cr, stone);
  cairo_fill_preserve(cr);
  SetRgb(cr, outline);
  cairo_stroke(cr);
  // Door and window.
  cairo_arc(cr, 0.5 * s, 0.57 * s, 0.045 * s, M_PI, 0.0);
  cairo_line_to(cr, 0.545 * s, 0.66 * s);
  cairo_line_to(cr, 0.455 * s, 0.66 * s);
  cairo_close_path(cr);
  cairo_rectangle(cr, 0.475 * s, 0.40 * s, 0.05 * s, 0.07 * s);
  SetRgb(cr, outline);
  cairo_fill(cr);
}

static void DrawIcon(cairo_t* cr, int size) {
  const double s = size;
  RoundedRect(cr, 0.03 * s, 0.03 * s, 0.94 * s, 0.94 * s, 0.18 * s);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  DrawSeasons(cr, s);
  DrawRoad(cr, s);
  DrawTower(cr, s);
  cairo_restore(cr);
  SetRgb(cr, RgbHex(0x2B2620));
  cairo_set_line_width(cr, std::fmax(1.0, 0.03 * s));
  cairo_stroke(cr);
}

bool WriteIcons(const std::string& outDir) {
  bool ok = true;
  for (int size : {48, 128, 256}) {
    std::filesystem::path dir = std::filesystem::path(outDir) / (std::to_string(size) + "x" + std::to_string(size));
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    DrawIcon(cr, size);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    ok = !ec && WritePng(surface, (dir / "orvane.png").string()) && ok;
    cairo_surface_destroy(surface);
  }
  return ok;
}
