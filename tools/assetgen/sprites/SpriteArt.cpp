// The sprite drawing kit (see SpriteArt.h).
#include "SpriteArt.h"

#include <cmath>
#include <cstdint>

namespace sprites {

Rgb InkOf(Rgb c) {
  return Mix(c, RgbHex(0x1c1424), 0.78);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double rOuter, double rInner, int points, double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    double a = -M_PI / 2 + turn + i * M_PI / points;
    double r = (i % 2) ? rInner : rOuter;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void FillShaded(cairo_t* cr, Rgb base, double lineWidth) {
  double x0, y0, x1, y1;
  cairo_path_extents(cr, &x0, &y0, &x1, &y1);
  double w = x1 - x0, h = y1 - y0;
  cairo_pattern_t* g =
      cairo_pattern_create_radial(x0 + 0.35 * w, y0 + 0.28 * h, 0.0, x0 + 0.4 * w, y0 + 0.4 * h, 0.8 * std::fmax(w, h));
  Rgb hi = Lighter(base, 0.35), lo = Darker(base, 0.28);
  cairo_pattern_add_color_stop_rgb(g, 0.0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(g, 1.0, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  if (lineWidth > 0) {
    SetRgb(cr, InkOf(base));
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  cairo_new_path(cr);
}

void FillInked(cairo_t* cr, Rgb fill, double lineWidth) {
  SetRgb(cr, fill);
  cairo_fill_preserve(cr);
  if (lineWidth > 0) {
    SetRgb(cr, InkOf(fill));
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
  }
  cairo_new_path(cr);
}

void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0.0, 0.05, 0.04, 0.08, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.6, 0.05, 0.04, 0.08, alpha * 0.7);
  cairo_pattern_add_color_stop_rgba(g, 1.0, 0.05, 0.04, 0.08, 0.0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void Gleam(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  Ellipse(cr, 0, 0, rx, ry);
  cairo_set_source_rgba(cr, 1, 1, 1, alpha);
  cairo_fill(cr);
  cairo_restore(cr);
}

void LevelStar(cairo_t* cr, double cx, double cy, double r) {
  StarPath(cr, cx, cy, r, r * 0.45, 5);
  FillShaded(cr, RgbHex(0xffc933), std::fmax(1.5, r * 0.22));
  Gleam(cr, cx - r * 0.2, cy - r * 0.25, r * 0.2, r * 0.12, -0.6, 0.85);
}

void Coin(cairo_t* cr, double cx, double cy, double r) {
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  FillShaded(cr, RgbHex(0xf2b52c), std::fmax(1.5, r * 0.16));
  cairo_arc(cr, cx, cy, r * 0.62, 0, 2 * M_PI);
  cairo_set_line_width(cr, std::fmax(1.0, r * 0.12));
  SetRgb(cr, RgbHex(0xc07a12));
  cairo_stroke(cr);
  StarPath(cr, cx, cy, r * 0.36, r * 0.16, 5);
  SetRgb(cr, RgbHex(0xfff1a8));
  cairo_fill(cr);
  Gleam(cr, cx - r * 0.45, cy - r * 0.45, r * 0.22, r * 0.12, -0.8, 0.8);
}

void Heart(cairo_t* cr, double cx, double cy, double size) {
  double s = size / 2.0;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, cx, cy + s * 0.95);
  cairo_curve_to(cr, cx - s * 1.1, cy + s * 0.1, cx - s * 1.05, cy - s * 0.95, cx - s * 0.45, cy - s * 0.85);
  cairo_curve_to(cr, cx - s * 0.15, cy - s * 0.8, cx, cy - s * 0.55, cx, cy - s * 0.4);
  cairo_curve_to(cr, cx, cy - s * 0.55, cx + s * 0.15, cy - s * 0.8, cx + s * 0.45, cy - s * 0.85);
  cairo_curve_to(cr, cx + s * 1.05, cy - s * 0.95, cx + s * 1.1, cy + s * 0.1, cx, cy + s * 0.95);
  cairo_close_path(cr);
  FillShaded(cr, RgbHex(0xe8364a), std::fmax(1.5, size * 0.09));
  Gleam(cr, cx - s * 0.5, cy - s * 0.45, s * 0.2, s * 0.12, -0.7, 0.8);
}

void Desaturate(cairo_t* cr, double amount) {
  cairo_surface_t* s = cairo_get_target(cr);
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < h; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      uint32_t p = row[x];
      double a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      double grey = 0.3 * r + 0.59 * g + 0.11 * b;
      // Premultiplied values stay premultiplied: a linear move never exceeds alpha.
      auto mixed = [&](double c) { return static_cast<uint32_t>(std::lround(c + (grey - c) * amount)); };
      row[x] = (static_cast<uint32_t>(a) << 24) | (mixed(r) << 16) | (mixed(g) << 8) | mixed(b);
    }
  }
  cairo_surface_mark_dirty(s);
}

static double LatticeValue(int i, int j, int octave, unsigned seed) {
  uint32_t h = static_cast<uint32_t>(i) * 374761393u + static_cast<uint32_t>(j) * 668265263u +
               static_cast<uint32_t>(octave) * 2246822519u + seed * 3266489917u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777215.0;
}

double TileNoise(double x, double y, int period, unsigned seed, int baseCells, int octaves) {
  double sum = 0.0, weight = 0.0, amp = 1.0;
  int cells = baseCells;
  for (int o = 0; o < octaves; ++o) {
    double u = x / period * cells, v = y / period * cells;
    double fu = std::floor(u), fv = std::floor(v);
    int i0 = static_cast<int>(fu), j0 = static_cast<int>(fv);
    double tu = u - fu, tv = v - fv;
    tu = tu * tu * (3 - 2 * tu);
    tv = tv * tv * (3 - 2 * tv);
    // Lattice indices wrap at `cells`, which is what makes the tile repeat.
    auto at = [&](int i, int j) {
      return LatticeValue(((i % cells) + cells) % cells, ((j % cells) + cells) % cells, o, seed);
    };
    double a = at(i0, j0), b = at(i0 + 1, j0), c = at(i0, j0 + 1), d = at(i0 + 1, j0 + 1);
    sum += amp * ((a + (b - a) * tu) * (1 - tv) + (c + (d - c) * tu) * tv);
    weight += amp;
    amp *= 0.5;
    cells *= 2;
  }
  return sum / weight;
}

}  // namespace sprites
