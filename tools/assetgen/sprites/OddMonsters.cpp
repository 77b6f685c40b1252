// The two odd monsters: a walking ice cube and a walking teacup.
#include <cmath>

#include "MonsterKit.h"

namespace sprites {

static void Face(cairo_t* cr, double x, double y, double r, double gap, bool beaten) {
  MonsterEye(cr, x, y, r, beaten);
  MonsterEye(cr, x + gap, y - 0.5, r * 0.92, beaten);
  Mouth(cr, x + gap * 0.55, y + r * 2.0, r * 1.5, beaten);
}

void DrawIce(cairo_t* cr, bool beaten) {
  Rgb front = RgbHex(0x9edcff), side = RgbHex(0x5fb2e6), top = RgbHex(0xdff5ff);
  if (beaten) {
    // Meltwater.
    Ellipse(cr, 48, 88, 40, 6);
    cairo_set_source_rgba(cr, 0.55, 0.8, 1.0, 0.7);
    cairo_fill(cr);
  } else {
    GroundShadow(cr, 48, 89, 32, 4.5);
  }
  RoundedRect(cr, 26, 76, 13, 12, 4);
  FillShaded(cr, side, 2.5);
  RoundedRect(cr, 54, 76, 13, 12, 4);
  FillShaded(cr, side, 2.5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, 66, 30);
  cairo_line_to(cr, 84, 18);
  cairo_line_to(cr, 84, 66);
  cairo_line_to(cr, 66, 80);
  cairo_close_path(cr);
  FillShaded(cr, side, kMonsterLine);
  cairo_move_to(cr, 14, 30);
  cairo_line_to(cr, 32, 18);
  cairo_line_to(cr, 84, 18);
  cairo_line_to(cr, 66, 30);
  cairo_close_path(cr);
  FillShaded(cr, top, kMonsterLine);
  RoundedRect(cr, 14, 30, 52, 50, 6);
  cairo_path_t* face = cairo_copy_path(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, face);
  cairo_pattern_t* g = cairo_pattern_create_linear(14, 30, 66, 80);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.8, 0.95, 1.0);
  cairo_pattern_add_color_stop_rgb(g, 1, front.r * 0.85, front.g * 0.9, front.b);
  FillPattern(cr, g);
  // Glassy streaks and trapped bubbles.
  cairo_save(cr);
  cairo_append_path(cr, face);
  cairo_clip(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
  cairo_move_to(cr, 18, 46);
  cairo_line_to(cr, 32, 32);
  cairo_line_to(cr, 38, 32);
  cairo_line_to(cr, 18, 52);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
  cairo_arc(cr, 24, 70, 3, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_arc(cr, 30, 64, 2, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_append_path(cr, face);
  SetRgb(cr, InkOf(front));
  cairo_set_line_width(cr, kMonsterLine);
  cairo_stroke(cr);
  cairo_path_destroy(face);
  // Icicles along the bottom edge.
  for (int i = 0; i < 3; ++i) {
    double x = 22 + i * 14;
    cairo_move_to(cr, x - 3.5, 79);
    cairo_line_to(cr, x + 3.5, 79);
    cairo_line_to(cr, x, 86 - i % 2 * 2);
    cairo_close_path(cr);
    FillInked(cr, top, 1.8);
  }
  StarPath(cr, 78, 14, 7, 2, 4);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  cairo_fill(cr);
  Face(cr, 42, 50, 6.5, 15, beaten);
  cairo_move_to(cr, 35, 40);
  cairo_line_to(cr, 47, 43);
  cairo_move_to(cr, 52, 42);
  cairo_line_to(cr, 63, 39);
  SetRgb(cr, InkOf(front));
  cairo_set_line_width(cr, 2.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  if (!beaten) return;
  Tear(cr, 84, 16, 8, 0.8);
  Fade(cr);
  Crack(cr, 18, 34, 34, 74, 5);
  Crack(cr, 66, 40, 80, 58, 9);
  Bandage(cr, 40, 26, 34, 8, -0.15);
  DizzyStars(cr, 48, 9, 36);
}

void DrawTea(cairo_t* cr, bool beaten) {
  Rgb china = RgbHex(0xfbf6ec), blue = RgbHex(0x3c72c8), tea = RgbHex(0x9a5a2a);
  GroundShadow(cr, 46, 89, 28, 4.5);
  // Legs and little shoes.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetRgb(cr, RgbHex(0x3a2a30));
  cairo_set_line_width(cr, 4);
  cairo_move_to(cr, 38, 74);
  cairo_line_to(cr, 34, 84);
  cairo_move_to(cr, 56, 74);
  cairo_line_to(cr, 62, 84);
  cairo_stroke(cr);
  Ellipse(cr, 36, 86, 7, 3.5);
  FillShaded(cr, RgbHex(0xd8433a), 2.2);
  Ellipse(cr, 65, 86, 7, 3.5);
  FillShaded(cr, RgbHex(0xd8433a), 2.2);
  // Handle at the back.
  cairo_arc(cr, 17, 50, 10, 0, 2 * M_PI);
  SetRgb(cr, InkOf(china));
  cairo_set_line_width(cr, 9);
  cairo_stroke(cr);
  cairo_arc(cr, 17, 50, 10, 0, 2 * M_PI);
  SetRgb(cr, china);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_move_to(cr, 14, 34);
  cairo_line_to(cr, 80, 34);
  cairo_curve_to(cr, 80, 60, 70, 78, 47, 78);
  cairo_curve_to(cr, 24, 78, 14, 60, 14, 34);
  cairo_close_path(cr);
  MarkedShape(cr, china, false, [&]() {
    // Willow-pattern band with a wavy edge and roses.
    cairo_move_to(cr, 10, 42);
    for (int x = 10; x <= 84; x += 2) cairo_line_to(cr, x, 42 + std::sin(x * 0.5) * 1.5);
    for (int x = 84; x >= 10; x -= 2) cairo_line_to(cr, x, 49 + std::sin(x * 0.5) * 1.5);
    cairo_close_path(cr);
    SetRgb(cr, blue);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
      cairo_arc(cr, 26 + i * 20, 64 + (i % 2) * 4, 3, 0, 2 * M_PI);
      SetRgb(cr, RgbHex(0xf08aa8));
      cairo_fill(cr);
    }
  });
  Ellipse(cr, 47, 34, 33, 7);
  FillShaded(cr, china, 2.6);
  Ellipse(cr, 47, 35, 28, 4.5);
  FillShaded(cr, tea, 0);
  Gleam(cr, 38, 34, 7, 1.6, 0, 0.6);
  Face(cr, 56, 58, 5.5, 14, beaten);
  cairo_arc(cr, 50, 66, 2.8, 0, 2 * M_PI);
  cairo_arc(cr, 76, 65, 2.4, 0, 2 * M_PI);
  SetRgb(cr, RgbHex(0xff8fa0), 0.6);
  cairo_fill(cr);
  if (!beaten) {
    // Steam curls.
    cairo_set_line_width(cr, 4);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    for (int i = 0; i < 2; ++i) {
      double x = 40 + i * 16;
      cairo_move_to(cr, x, 26);
      cairo_curve_to(cr, x - 6, 20, x + 6, 14, x, 6);
    }
    cairo_stroke(cr);
    // Tea-bag tag hanging over the rim.
    cairo_move_to(cr, 70, 33);
    cairo_line_to(cr, 82, 38);
    SetRgb(cr, RgbHex(0x6b5a48));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_rectangle(cr, 79, 37, 9, 9);
    FillInked(cr, RgbHex(0xffd84a), 2);
    return;
  }
  Tear(cr, 70, 28, 6, 0.3);
  // Spilled tea running down the side.
  cairo_move_to(cr, 58, 38);
  cairo_curve_to(cr, 60, 46, 56, 50, 60, 54);
  cairo_curve_to(cr, 64, 50, 62, 46, 66, 38);
  SetRgb(cr, tea);
  cairo_fill(cr);
  Fade(cr);
  Crack(cr, 22, 38, 36, 74, 3);
  Bandage(cr, 46, 52, 40, 9, 0.35);
  DizzyStars(cr, 48, 16, 36);
}

}  // namespace sprites
