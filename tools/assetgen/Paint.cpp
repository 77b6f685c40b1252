// Painting helpers shared by every picture module.
#include <cmath>

#include "AssetGen.h"

Rgb RgbHex(unsigned hex) {
  return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Lighter(Rgb c, double t) {
  return Mix(c, {1, 1, 1}, t);
}

Rgb Darker(Rgb c, double t) {
  return Mix(c, {0, 0, 0}, t);
}

void SetRgb(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void FillPattern(cairo_t* cr, cairo_pattern_t* pattern) {
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
  double r = std::fmin(radius, std::fmin(w, h) / 2.0);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2.0, 0.0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0.0, M_PI / 2.0);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2.0, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

static void SelectFont(cairo_t* cr, double size, const char* family, bool bold) {
  cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

void DrawTextCentred(cairo_t* cr, const char* text, double cx, double cy, double size, const char* family, bool bold,
                     Rgb fill, double outlineWidth, Rgb outline) {
  cairo_save(cr);
  SelectFont(cr, size, family, bold);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text, &ext);
  // Centre the ink, not the advance box, so short words sit where they look centred.
  cairo_move_to(cr, cx - ext.x_bearing - ext.width / 2.0, cy - ext.y_bearing - ext.height / 2.0);
  cairo_text_path(cr, text);
  if (outlineWidth > 0.0) {
    SetRgb(cr, outline);
    cairo_set_line_width(cr, outlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  SetRgb(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawTextAt(cairo_t* cr, const char* text, double x, double y, double size, const char* family, bool bold,
                Rgb fill) {
  cairo_save(cr);
  SelectFont(cr, size, family, bold);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text);
  SetRgb(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
}

double Noise::Next() {
  // LCG step with an output mix, so low bits are as good as high ones.
  state = state * 1664525u + 1013904223u;
  unsigned x = state;
  x ^= x >> 16;
  x *= 0x7feb352du;
  x ^= x >> 15;
  return (x >> 8) / 16777216.0;
}
