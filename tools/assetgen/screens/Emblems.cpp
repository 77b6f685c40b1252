// The four season emblems: blossom, sun, maple leaf and snowflake, the game's
// marks for spring, summer, autumn and winter on every screen.
#include <cmath>

#include "screens/ScreenPaint.h"

static void PaintMapleLeaf(cairo_t* cr, double cx, double cy, double r) {
  // Polar outline of the right half, from the top tip down to the stem (degrees, radius).
  static const double kHalf[][2] = {{-90, 1.0}, {-72, 0.5}, {-58, 0.62}, {-44, 0.42}, {-24, 0.98}, {-8, 0.55},
                                    {6, 0.62},  {20, 0.4},  {38, 0.78},  {58, 0.36},  {80, 0.3}};
  cairo_new_path(cr);
  for (const auto& pt : kHalf) {
    double a = pt[0] * M_PI / 180;
    cairo_line_to(cr, cx + std::cos(a) * r * pt[1], cy + std::sin(a) * r * pt[1]);
  }
  for (int i = static_cast<int>(sizeof(kHalf) / sizeof(kHalf[0])) - 1; i >= 1; --i) {
    double a = M_PI - kHalf[i][0] * M_PI / 180;
    cairo_line_to(cr, cx + std::cos(a) * r * kHalf[i][1], cy + std::sin(a) * r * kHalf[i][1]);
  }
  cairo_close_path(cr);
}

void PaintSeasonEmblem(cairo_t* cr, int season, double cx, double cy, double r) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  double line = std::fmax(2.0, r * 0.1);
  Rgb ink = Ui::kInk;
  if (season == 1) {
    for (int i = 0; i < 5; ++i) {
      double a = -M_PI / 2 + i * 2 * M_PI / 5;
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.5, r * 0.45, 0, 2 * M_PI);
    }
    SetRgb(cr, ink);
    cairo_set_line_width(cr, line * 2);
    cairo_stroke_preserve(cr);
    SetRgb(cr, RgbHex(0xF7A8C9));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
      double a = -M_PI / 2 + i * 2 * M_PI / 5;
      cairo_arc(cr, cx + std::cos(a) * r * 0.58, cy + std::sin(a) * r * 0.58, r * 0.2, 0, 2 * M_PI);
      SetRgb(cr, RgbHex(0xFFD6E7));
      cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, r * 0.25, 0, 2 * M_PI);
    SetRgb(cr, RgbHex(0xF7C948));
    cairo_fill(cr);
  } else if (season == 2) {
    for (int i = 0; i < 12; ++i) {
      double a = i * M_PI / 6, b = a + M_PI / 12, c = a - M_PI / 12;
      double tip = i % 2 ? r * 0.85 : r;
      cairo_move_to(cr, cx + std::cos(c) * r * 0.55, cy + std::sin(c) * r * 0.55);
      cairo_line_to(cr, cx + std::cos(a) * tip, cy + std::sin(a) * tip);
      cairo_line_to(cr, cx + std::cos(b) * r * 0.55, cy + std::sin(b) * r * 0.55);
      cairo_close_path(cr);
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r * 0.6, 0, 2 * M_PI);
    SetRgb(cr, ink);
    cairo_set_line_width(cr, line * 2);
    cairo_stroke_preserve(cr);
    SetRgb(cr, RgbHex(0xFFB627));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.5, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.15, cy - r * 0.15, 0, cx, cy, r * 0.5);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.98, 0.75);
    cairo_pattern_add_color_stop_rgb(g, 1, 1.0, 0.80, 0.25);
    FillPattern(cr, g);
  } else if (season == 3) {
    cairo_move_to(cr, cx, cy + r * 0.25);
    cairo_line_to(cr, cx + r * 0.1, cy + r * 1.0);
    SetRgb(cr, ink);
    cairo_set_line_width(cr, line * 2.6);
    cairo_stroke(cr);
    PaintMapleLeaf(cr, cx, cy + r * 0.05, r);
    cairo_set_line_width(cr, line * 2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx, cy - r, cx, cy + r);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.98, 0.62, 0.18);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.80, 0.22, 0.10);
    FillPattern(cr, g);
    cairo_move_to(cr, cx, cy + r * 0.3);
    cairo_line_to(cr, cx, cy - r * 0.7);
    cairo_move_to(cr, cx, cy + r * 0.1);
    cairo_line_to(cr, cx + r * 0.55, cy - r * 0.25);
    cairo_move_to(cr, cx, cy + r * 0.1);
    cairo_line_to(cr, cx - r * 0.55, cy - r * 0.25);
    SetRgb(cr, RgbHex(0x8E2A10), 0.8);
    cairo_set_line_width(cr, line * 0.8);
    cairo_stroke(cr);
  } else {
    for (int pass = 0; pass < 2; ++pass) {
      for (int i = 0; i < 6; ++i) {
        double a = i * M_PI / 3 - M_PI / 2;
        double ux = std::cos(a), uy = std::sin(a);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + ux * r, cy + uy * r);
        for (double t : {0.45, 0.7}) {
          double bx = cx + ux * r * t, by = cy + uy * r * t;
          double len = r * (t < 0.5 ? 0.3 : 0.22);
          for (int side = -1; side <= 1; side += 2) {
            double b = a + side * M_PI / 4;
            cairo_move_to(cr, bx, by);
            cairo_line_to(cr, bx + std::cos(b) * len, by + std::sin(b) * len);
          }
        }
      }
      SetRgb(cr, pass == 0 ? RgbHex(0x2A5C8F) : RgbHex(0xF4FBFF));
      cairo_set_line_width(cr, pass == 0 ? line * 3.2 : line * 1.4);
      cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy, r * 0.16, 0, 2 * M_PI);
    SetRgb(cr, RgbHex(0xBFE4F6));
    cairo_fill(cr);
  }
  cairo_restore(cr);
}
