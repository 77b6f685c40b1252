// Shared parts of the monster pictures (see MonsterKit.h).
#include "MonsterKit.h"

#include <cmath>

namespace sprites {

static const Rgb kInk = {0.11, 0.08, 0.14};

void MonsterEye(cairo_t* cr, double x, double y, double r, bool beaten) {
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  SetRgb(cr, {1, 1, 1});
  cairo_fill_preserve(cr);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, std::fmax(1.8, r * 0.28));
  cairo_stroke(cr);
  if (beaten) {
    double k = r * 0.5;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, std::fmax(2.0, r * 0.34));
    cairo_move_to(cr, x - k, y - k);
    cairo_line_to(cr, x + k, y + k);
    cairo_move_to(cr, x + k, y - k);
    cairo_line_to(cr, x - k, y + k);
    cairo_stroke(cr);
    return;
  }
  cairo_arc(cr, x + r * 0.3, y + r * 0.05, r * 0.58, 0, 2 * M_PI);
  SetRgb(cr, kInk);
  cairo_fill(cr);
  cairo_arc(cr, x + r * 0.12, y - r * 0.22, r * 0.24, 0, 2 * M_PI);
  SetRgb(cr, {1, 1, 1});
  cairo_fill(cr);
}

void DizzyStars(cairo_t* cr, double cx, double cy, double w) {
  Ellipse(cr, cx, cy, w / 2, w / 7);
  cairo_set_source_rgba(cr, 1, 0.95, 0.6, 0.55);
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  const double at[] = {0.3, 2.4, 4.3};
  for (double a : at) {
    double x = cx + std::cos(a) * w / 2, y = cy + std::sin(a) * w / 7;
    StarPath(cr, x, y, 6.5, 2.8, 5, a);
    FillInked(cr, RgbHex(0xffe04a), 1.6);
  }
}

void Bandage(cairo_t* cr, double cx, double cy, double length, double thick, double angle) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  RoundedRect(cr, -length / 2, -thick / 2, length, thick, thick * 0.3);
  FillInked(cr, RgbHex(0xf6efdc), 2.0);
  cairo_set_line_width(cr, 1.6);
  SetRgb(cr, RgbHex(0xc9b89a));
  for (double x = -length / 2 + 6; x < length / 2 - 3; x += 6) {
    cairo_move_to(cr, x, -thick / 2 + 2);
    cairo_line_to(cr, x - 3, thick / 2 - 2);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Plaster(cairo_t* cr, double cx, double cy, double size, double angle) {
  for (int i = 0; i < 2; ++i) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle + (i ? M_PI / 2 : 0));
    RoundedRect(cr, -size / 2, -size / 6, size, size / 3, size / 6);
    FillInked(cr, RgbHex(0xf0c9a0), 1.8);
    RoundedRect(cr, -size / 7, -size / 6 + 1.5, size / 3.5, size / 3 - 3, 2);
    SetRgb(cr, RgbHex(0xdca77a));
    cairo_fill(cr);
    cairo_restore(cr);
  }
}

void Crack(cairo_t* cr, double x0, double y0, double x1, double y1, unsigned seed) {
  Noise rnd(seed);
  const int steps = 5;
  double dx = x1 - x0, dy = y1 - y0, len = std::sqrt(dx * dx + dy * dy);
  double nx = -dy / len, ny = dx / len;
  cairo_move_to(cr, x0, y0);
  for (int i = 1; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps, off = i == steps ? 0 : (rnd.Next() - 0.5) * len * 0.35;
    cairo_line_to(cr, x0 + dx * t + nx * off, y0 + dy * t + ny * off);
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetRgb(cr, kInk);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
}

void Tear(cairo_t* cr, double x, double y, double size, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, -size * 0.5, -size);
  cairo_line_to(cr, -size * 0.15, size * 0.1);
  cairo_line_to(cr, -size * 0.35, size * 0.25);
  cairo_line_to(cr, 0, size * 0.9);
  cairo_line_to(cr, size * 0.3, size * 0.2);
  cairo_line_to(cr, size * 0.1, 0.0);
  cairo_line_to(cr, size * 0.5, -size);
  cairo_close_path(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Mouth(cairo_t* cr, double x, double y, double w, bool beaten) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 2.2);
  SetRgb(cr, kInk);
  if (beaten) {
    cairo_move_to(cr, x - w / 2, y);
    cairo_curve_to(cr, x - w / 4, y - w / 4, x - w / 8, y + w / 4, x, y);
    cairo_curve_to(cr, x + w / 8, y - w / 4, x + w / 4, y + w / 4, x + w / 2, y);
  } else {
    cairo_move_to(cr, x - w / 2, y - w / 6);
    cairo_curve_to(cr, x - w / 4, y + w / 4, x + w / 4, y + w / 4, x + w / 2, y - w / 6);
  }
  cairo_stroke(cr);
}

}  // namespace sprites

namespace sprites {

void Fade(cairo_t* cr) {
  Desaturate(cr, 0.6);
}

}  // namespace sprites
