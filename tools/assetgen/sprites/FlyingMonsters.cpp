// Monsters of the air: bee, butterfly (seen from above) and woodpecker.
#include <cmath>

#include "MonsterKit.h"

namespace sprites {

static void Wing(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  Ellipse(cr, 0, 0, rx, ry);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 0.86, 0.95, 1.0, 0.82);
  cairo_fill_preserve(cr);
  SetRgb(cr, RgbHex(0x3d5266));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, ry * 0.8);
  cairo_line_to(cr, 0, -ry * 0.5);
  cairo_set_source_rgba(cr, 0.5, 0.65, 0.8, 0.7);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_restore(cr);
  Gleam(cr, cx - rx * 0.2, cy - ry * 0.35, rx * 0.25, ry * 0.18, angle, 0.9);
}

void DrawBee(cairo_t* cr, bool beaten) {
  GroundShadow(cr, 46, 90, 22, 4, 0.25);
  Wing(cr, 36, 24, 12, 18, -0.45);
  if (beaten) Tear(cr, 30, 10, 6, -0.45);
  // Stinger, then the striped body over it.
  cairo_move_to(cr, 18, 47);
  cairo_line_to(cr, 4, 56);
  cairo_line_to(cr, 18, 63);
  cairo_close_path(cr);
  FillInked(cr, RgbHex(0x3a2a22), 2.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetRgb(cr, RgbHex(0x2b1d18));
  cairo_set_line_width(cr, 3.0);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 34 + i * 11, 72);
    cairo_line_to(cr, 30 + i * 11, 84);
  }
  cairo_stroke(cr);
  Ellipse(cr, 44, 55, 29, 21);
  MarkedShape(cr, RgbHex(0xffc21a), false, [&]() {
    SetRgb(cr, RgbHex(0x2b1d18));
    cairo_rectangle(cr, 26, 20, 9, 70);
    cairo_rectangle(cr, 45, 20, 9, 70);
    cairo_fill(cr);
  });
  Gleam(cr, 38, 42, 8, 4, -0.3, 0.55);
  // Head with antennae.
  cairo_set_line_width(cr, 2.6);
  SetRgb(cr, RgbHex(0x2b1d18));
  cairo_move_to(cr, 76, 34);
  cairo_curve_to(cr, 78, 24, 84, 18, 88, 14);
  cairo_move_to(cr, 69, 34);
  cairo_curve_to(cr, 68, 24, 72, 16, 74, 12);
  cairo_stroke(cr);
  cairo_arc(cr, 88, 14, 3.5, 0, 2 * M_PI);
  cairo_arc(cr, 74, 12, 3.5, 0, 2 * M_PI);
  FillInked(cr, RgbHex(0x3a2a22), 0);
  cairo_arc(cr, 74, 48, 16, 0, 2 * M_PI);
  FillShaded(cr, RgbHex(0xffd84d), kMonsterLine);
  MonsterEye(cr, 79, 44, 6.5, beaten);
  cairo_arc(cr, 84, 54, 3, 0, 2 * M_PI);
  SetRgb(cr, RgbHex(0xff8a7a), 0.8);
  cairo_fill(cr);
  Mouth(cr, 80, 57, 8, beaten);
  Wing(cr, 50, 24, 11, 17, 0.35);
  if (!beaten) return;
  Fade(cr);
  Bandage(cr, 44, 58, 44, 10, -0.55);
  Plaster(cr, 66, 40, 12, 0.3);
  DizzyStars(cr, 74, 22, 34);
}

static void ButterflyWing(cairo_t* cr, bool lower, bool fore) {
  // Lower wings mirror the upper ones about the body's axis.
  auto Y = [&](double y) { return lower ? 96 - y : y; };
  if (fore) {
    cairo_move_to(cr, 56, Y(45));
    cairo_curve_to(cr, 64, Y(30), 84, Y(10), 70, Y(4));
    cairo_curve_to(cr, 52, Y(-2), 28, Y(10), 38, Y(44));
  } else {
    cairo_move_to(cr, 46, Y(46));
    cairo_curve_to(cr, 36, Y(30), 8, Y(22), 8, Y(38));
    cairo_curve_to(cr, 8, Y(54), 28, Y(56), 46, Y(49));
  }
  cairo_close_path(cr);
  cairo_path_t* wing = cairo_copy_path(cr);
  double x0, y0, x1, y1;
  cairo_path_extents(cr, &x0, &y0, &x1, &y1);
  cairo_pattern_t* g = cairo_pattern_create_linear(50, lower ? y0 : y1, 50, lower ? y1 : y0);
  Rgb a = fore ? RgbHex(0x7ec4ff) : RgbHex(0xb07cf5), b = fore ? RgbHex(0x4a6cf0) : RgbHex(0x7e48d8);
  cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  // A dark border band inside the edge, dotted with white, like a swallowtail.
  cairo_save(cr);
  cairo_clip_preserve(cr);
  SetRgb(cr, RgbHex(0x2a1f3d));
  cairo_set_line_width(cr, 9);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_append_path(cr, wing);
  SetRgb(cr, RgbHex(0x1c1424));
  cairo_set_line_width(cr, kMonsterLine);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_path_destroy(wing);
  auto dot = [&](double x, double y, double r, unsigned c) {
    cairo_arc(cr, x, lower ? 96 - y : y, r, 0, 2 * M_PI);
    SetRgb(cr, RgbHex(c));
    cairo_fill(cr);
  };
  if (fore) {
    dot(70, 9, 2.4, 0xffffff);
    dot(62, 8, 2.0, 0xffffff);
    dot(55, 24, 6, 0xff8fc8);
    dot(55, 24, 2.6, 0xffe9f5);
  } else {
    dot(14, 36, 2.2, 0xffffff);
    dot(26, 42, 5, 0xffd04a);
  }
}

void DrawButterfly(cairo_t* cr, bool beaten) {
  GroundShadow(cr, 48, 90, 26, 4, 0.2);
  ButterflyWing(cr, false, false);
  ButterflyWing(cr, true, false);
  ButterflyWing(cr, false, true);
  ButterflyWing(cr, true, true);
  if (beaten) {
    Tear(cr, 72, 6, 7, 0.6);
    Tear(cr, 12, 62, 6, -2.2);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetRgb(cr, RgbHex(0x2a1f3d));
  cairo_set_line_width(cr, 2.4);
  cairo_move_to(cr, 80, 44);
  cairo_curve_to(cr, 86, 40, 88, 34, 92, 30);
  cairo_move_to(cr, 80, 52);
  cairo_curve_to(cr, 86, 56, 88, 62, 92, 66);
  cairo_stroke(cr);
  cairo_arc(cr, 92, 30, 3, 0, 2 * M_PI);
  cairo_arc(cr, 92, 66, 3, 0, 2 * M_PI);
  FillInked(cr, RgbHex(0x3b2a4a), 0);
  Ellipse(cr, 50, 48, 24, 6.5);
  FillShaded(cr, RgbHex(0x4a3560), kMonsterLine);
  cairo_set_line_width(cr, 1.6);
  SetRgb(cr, RgbHex(0x7a64a0));
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, 34 + i * 8, 43);
    cairo_line_to(cr, 34 + i * 8, 53);
  }
  cairo_stroke(cr);
  cairo_arc(cr, 76, 48, 8.5, 0, 2 * M_PI);
  FillShaded(cr, RgbHex(0x4a3560), kMonsterLine);
  MonsterEye(cr, 79, 43.5, 4.2, beaten);
  MonsterEye(cr, 79, 52.5, 4.2, beaten);
  if (!beaten) return;
  Fade(cr);
  Plaster(cr, 46, 48, 14, 0.4);
  Bandage(cr, 58, 74, 24, 8, 0.9);
  DizzyStars(cr, 78, 48, 30);
}

void DrawWoodpecker(cairo_t* cr, bool beaten) {
  Rgb black = RgbHex(0x2c2d3a);
  GroundShadow(cr, 46, 89, 26, 4.5);
  // Stiff tail feathers prop the bird up, as on a tree trunk.
  cairo_move_to(cr, 26, 58);
  cairo_line_to(cr, 6, 80);
  cairo_line_to(cr, 12, 83);
  cairo_line_to(cr, 16, 78);
  cairo_line_to(cr, 18, 84);
  cairo_line_to(cr, 34, 66);
  cairo_close_path(cr);
  FillInked(cr, black, 2.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetRgb(cr, RgbHex(0x5a5a66));
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, 44, 72);
  cairo_line_to(cr, 42, 84);
  cairo_line_to(cr, 36, 87);
  cairo_move_to(cr, 54, 72);
  cairo_line_to(cr, 54, 84);
  cairo_line_to(cr, 60, 87);
  cairo_stroke(cr);
  Ellipse(cr, 44, 58, 23, 18);
  MarkedShape(cr, black, false, [&]() {
    Ellipse(cr, 54, 66, 15, 13);
    SetRgb(cr, RgbHex(0xf4f1ea));
    cairo_fill(cr);
  });
  // Wing with white bars.
  cairo_save(cr);
  cairo_translate(cr, 36, 55);
  cairo_rotate(cr, 0.25);
  Ellipse(cr, 0, 0, 17, 11);
  FillShaded(cr, RgbHex(0x383a4a), 2.5);
  SetRgb(cr, RgbHex(0xf4f1ea));
  for (int i = 0; i < 3; ++i) {
    RoundedRect(cr, -10 + i * 2, -6 + i * 5, 14, 2.8, 1.4);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // Beak: straight and long, bent when beaten.
  cairo_move_to(cr, 76, 30);
  if (beaten) {
    cairo_line_to(cr, 86, 34);
    cairo_line_to(cr, 92, 46);
    cairo_line_to(cr, 82, 40);
  } else {
    cairo_line_to(cr, 95, 36);
    cairo_line_to(cr, 77, 41);
  }
  cairo_close_path(cr);
  FillShaded(cr, RgbHex(0x8c8f9a), 2.5);
  cairo_arc(cr, 66, 36, 15, 0, 2 * M_PI);
  MarkedShape(cr, black, false, [&]() {
    // White face stripe under the eye; red crest on the crown.
    Ellipse(cr, 70, 43, 14, 5);
    SetRgb(cr, RgbHex(0xf4f1ea));
    cairo_fill(cr);
    Ellipse(cr, 60, 22, 16, 9);
    SetRgb(cr, RgbHex(0xe2312d));
    cairo_fill(cr);
  });
  cairo_move_to(cr, 52, 26);
  cairo_curve_to(cr, 50, 16, 56, 14, 58, 18);
  cairo_curve_to(cr, 60, 10, 68, 12, 66, 20);
  cairo_close_path(cr);
  FillShaded(cr, RgbHex(0xe2312d), 2.5);
  MonsterEye(cr, 70, 33, 5.2, beaten);
  if (!beaten) return;
  Fade(cr);
  Bandage(cr, 62, 26, 30, 8, 0.35);
  Plaster(cr, 46, 62, 12, 0.2);
  DizzyStars(cr, 64, 12, 34);
}

}  // namespace sprites
