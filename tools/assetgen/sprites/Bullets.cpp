// Bullets, which also serve as falling season particles and level pips. The
// snowball is large because it doubles as the tower's range disc.
#include <cmath>

#include "SpriteArt.h"

namespace sprites {

static void DrawFlowerBullet(cairo_t* cr, int w, int) {
  cairo_scale(cr, w / 64.0, w / 64.0);
  Rgb petal = RgbHex(0xff8fbf);
  SetRgb(cr, InkOf(petal));
  for (int i = 0; i < 5; ++i) {
    double a = -M_PI / 2 + i * 2 * M_PI / 5;
    cairo_arc(cr, 32 + std::cos(a) * 15, 32 + std::sin(a) * 15, 13.5, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  for (int i = 0; i < 5; ++i) {
    double a = -M_PI / 2 + i * 2 * M_PI / 5;
    cairo_arc(cr, 32 + std::cos(a) * 15, 32 + std::sin(a) * 15, 10.5, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(32, 32, 4, 32, 32, 28);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.42, 0.66);
    cairo_pattern_add_color_stop_rgb(g, 1, 1.0, 0.78, 0.88);
    FillPattern(cr, g);
  }
  cairo_arc(cr, 32, 32, 9, 0, 2 * M_PI);
  FillShaded(cr, RgbHex(0xffd23a), 3.0);
}

static void DrawSunbeam(cairo_t* cr, int w, int) {
  cairo_scale(cr, w / 64.0, w / 64.0);
  cairo_pattern_t* glow = cairo_pattern_create_radial(32, 32, 8, 32, 32, 32);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.9, 0.4, 0.9);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.8, 0.2, 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  StarPath(cr, 32, 32, 29, 17, 8);
  FillShaded(cr, RgbHex(0xff9a1f), 3.0);
  cairo_arc(cr, 32, 32, 15, 0, 2 * M_PI);
  cairo_pattern_t* core = cairo_pattern_create_radial(28, 27, 2, 32, 32, 15);
  cairo_pattern_add_color_stop_rgb(core, 0, 1, 1, 0.85);
  cairo_pattern_add_color_stop_rgb(core, 1, 1, 0.8, 0.15);
  cairo_set_source(cr, core);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(core);
  SetRgb(cr, RgbHex(0xb85a10));
  cairo_set_line_width(cr, 3.0);
  cairo_stroke(cr);
}

static void DrawGust(cairo_t* cr, int w, int) {
  cairo_scale(cr, w / 64.0, w / 64.0);
  // A spiral of wind around a maple leaf: the autumn shot.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    for (int i = 0; i <= 60; ++i) {
      double t = i / 60.0, a = 0.6 + t * 2.0 * M_PI * 1.15, r = 28 - t * 17;
      cairo_line_to(cr, 32 + std::cos(a) * r, 32 + std::sin(a) * r);
    }
    if (pass == 0) {
      SetRgb(cr, RgbHex(0x2e5a6a));
      cairo_set_line_width(cr, 10);
    } else {
      SetRgb(cr, RgbHex(0xd8f6f2));
      cairo_set_line_width(cr, 5.5);
    }
    cairo_stroke(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, 32, 32);
  cairo_rotate(cr, 0.3);
  const double pts[][2] = {{0, -1},    {0.22, -0.5}, {0.6, -0.7},  {0.5, -0.2},  {1, 0},      {0.55, 0.3},
                           {0.6, 0.6}, {0.1, 0.45},  {0, 1},       {-0.1, 0.45}, {-0.6, 0.6}, {-0.55, 0.3},
                           {-1, 0},    {-0.5, -0.2}, {-0.6, -0.7}, {-0.22, -0.5}};
  for (const auto& p : pts) cairo_line_to(cr, p[0] * 13, p[1] * 13);
  cairo_close_path(cr);
  cairo_restore(cr);
  FillShaded(cr, RgbHex(0xf07a22), 2.5);
}

static void DrawSnowball(cairo_t* cr, int w, int h) {
  // Soft-edged disc with a light centre; stays round when stretched to a range circle.
  double c = w / 2.0, r = w / 2.0;
  cairo_pattern_t* g = cairo_pattern_create_radial(c, c, 0, c, c, r);
  cairo_pattern_add_color_stop_rgba(g, 0.0, 1.0, 1.0, 1.0, 1.0);
  cairo_pattern_add_color_stop_rgba(g, 0.5, 0.94, 0.97, 1.0, 1.0);
  cairo_pattern_add_color_stop_rgba(g, 0.78, 0.8, 0.9, 1.0, 1.0);
  cairo_pattern_add_color_stop_rgba(g, 0.88, 0.72, 0.86, 1.0, 0.85);
  cairo_pattern_add_color_stop_rgba(g, 1.0, 0.7, 0.84, 1.0, 0.0);
  cairo_set_source(cr, g);
  cairo_arc(cr, c, c, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A soft highlight towards the top left gives the snowball its roundness.
  cairo_pattern_t* hi = cairo_pattern_create_radial(c - r * 0.3, c - r * 0.3, 0, c - r * 0.3, c - r * 0.3, r * 0.4);
  cairo_pattern_add_color_stop_rgba(hi, 0, 1, 1, 1, 0.9);
  cairo_pattern_add_color_stop_rgba(hi, 1, 1, 1, 1, 0);
  cairo_set_source(cr, hi);
  cairo_arc(cr, c, c, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(hi);
  (void)h;
}

void AddBulletPictures(std::vector<Picture>& out) {
  out.push_back({"Bullet/Flower.png", 64, 64, DrawFlowerBullet});
  out.push_back({"Bullet/Sunbeam.png", 64, 64, DrawSunbeam});
  out.push_back({"Bullet/Gust.png", 64, 64, DrawGust});
  out.push_back({"Bullet/Snowball.png", 256, 256, DrawSnowball});
}

}  // namespace sprites
