// Four-legged and flippered monsters: camel, cow, squirrel, penguin and seal.
#include <cmath>

#include "MonsterKit.h"

namespace sprites {

static void Leg(cairo_t* cr, double x, double top, double bottom, double w, Rgb c, Rgb hoof) {
  RoundedRect(cr, x - w / 2, top, w, bottom - top, w * 0.4);
  FillShaded(cr, c, 2.5);
  RoundedRect(cr, x - w / 2 - 0.5, bottom - 5, w + 1, 5, 2);
  FillInked(cr, hoof, 2.0);
}

void DrawCamel(cairo_t* cr, bool beaten) {
  Rgb tan = RgbHex(0xdca465), far = Darker(tan, 0.18), hoof = RgbHex(0x6b4a2e);
  GroundShadow(cr, 46, 88, 36, 5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetRgb(cr, InkOf(tan));
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, 16, 52);
  cairo_curve_to(cr, 10, 56, 10, 64, 12, 70);
  cairo_stroke(cr);
  Ellipse(cr, 12, 71, 3, 5);
  FillInked(cr, RgbHex(0x6b4a2e), 0);
  Leg(cr, 28, 60, 86, 7, far, hoof);
  Leg(cr, 60, 60, 86, 7, far, hoof);
  // Neck first, so the body's outline covers the join.
  cairo_move_to(cr, 60, 46);
  cairo_curve_to(cr, 68, 40, 72, 30, 74, 22);
  cairo_line_to(cr, 86, 24);
  cairo_curve_to(cr, 84, 36, 80, 50, 72, 62);
  cairo_close_path(cr);
  FillShaded(cr, tan, kMonsterLine);
  cairo_move_to(cr, 16, 56);
  cairo_curve_to(cr, 16, 44, 20, 37, 25, 35);
  cairo_curve_to(cr, 27, 19, 43, 19, 45, 34);
  cairo_curve_to(cr, 47, 21, 63, 21, 65, 37);
  cairo_curve_to(cr, 70, 42, 72, 48, 72, 56);
  cairo_curve_to(cr, 72, 68, 58, 71, 44, 71);
  cairo_curve_to(cr, 28, 71, 16, 67, 16, 56);
  cairo_close_path(cr);
  MarkedShape(cr, tan, true, [&]() {
    // A red saddle blanket with gold trim between the humps.
    cairo_move_to(cr, 34, 30);
    cairo_line_to(cr, 56, 30);
    cairo_line_to(cr, 58, 58);
    cairo_line_to(cr, 32, 58);
    cairo_close_path(cr);
    SetRgb(cr, RgbHex(0xd8433a));
    cairo_fill(cr);
    cairo_rectangle(cr, 32, 53, 26, 5);
    SetRgb(cr, RgbHex(0xf4c542));
    cairo_fill(cr);
  });
  for (int i = 0; i < 4; ++i) {
    cairo_arc(cr, 35 + i * 7, 61, 2.2, 0, 2 * M_PI);
    FillInked(cr, RgbHex(0xf4c542), 1.2);
  }
  Leg(cr, 34, 62, 87, 7.5, tan, hoof);
  Leg(cr, 66, 62, 87, 7.5, tan, hoof);
  Ellipse(cr, 74, 16, 4, 3);
  FillShaded(cr, far, 2.2);
  Ellipse(cr, 82, 22, 12, 8.5);
  FillShaded(cr, tan, kMonsterLine);
  Ellipse(cr, 89, 26, 6.5, 6);
  FillShaded(cr, Lighter(tan, 0.25), 2.5);
  Ellipse(cr, 92, 24, 1.6, 1.1);
  SetRgb(cr, InkOf(tan));
  cairo_fill(cr);
  MonsterEye(cr, 81, 19, 4.2, beaten);
  if (!beaten) {
    // Heavy camel eyelid.
    cairo_arc(cr, 81, 19, 4.6, M_PI * 1.05, M_PI * 1.95);
    cairo_close_path(cr);
    FillInked(cr, far, 1.6);
    return;
  }
  Fade(cr);
  Bandage(cr, 76, 38, 24, 9, -1.15);
  Plaster(cr, 35, 30, 12, 0.3);
  DizzyStars(cr, 80, 8, 28);
}

void DrawCow(cairo_t* cr, bool beaten) {
  Rgb white = RgbHex(0xf7f3ea), patch = RgbHex(0x2f2a33), pink = RgbHex(0xf5aab4), hoof = RgbHex(0x3a3036);
  GroundShadow(cr, 46, 88, 36, 5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetRgb(cr, InkOf(white));
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, 14, 42);
  cairo_curve_to(cr, 8, 48, 8, 58, 9, 66);
  cairo_stroke(cr);
  Ellipse(cr, 9, 68, 3.5, 5);
  FillInked(cr, patch, 1.5);
  Leg(cr, 24, 60, 86, 8, Darker(white, 0.15), hoof);
  Leg(cr, 58, 60, 86, 8, Darker(white, 0.15), hoof);
  Ellipse(cr, 46, 70, 9, 5.5);
  FillShaded(cr, pink, 2.5);
  RoundedRect(cr, 12, 32, 62, 38, 17);
  MarkedShape(cr, white, true, [&]() {
    SetRgb(cr, patch);
    Ellipse(cr, 26, 42, 12, 10);
    cairo_fill(cr);
    Ellipse(cr, 54, 62, 12, 8);
    cairo_fill(cr);
    Ellipse(cr, 50, 34, 7, 5);
    cairo_fill(cr);
  });
  Leg(cr, 30, 62, 87, 8.5, white, hoof);
  Leg(cr, 64, 62, 87, 8.5, white, hoof);
  // Collar and bell.
  cairo_move_to(cr, 66, 36);
  cairo_curve_to(cr, 64, 46, 66, 54, 70, 58);
  SetRgb(cr, RgbHex(0x9c3a2a));
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_arc(cr, 70, 61, 5, 0, 2 * M_PI);
  FillShaded(cr, RgbHex(0xf2b52c), 2.2);
  // Horns and ears behind the head.
  cairo_move_to(cr, 70, 26);
  cairo_curve_to(cr, 66, 18, 68, 14, 72, 14);
  cairo_move_to(cr, 84, 24);
  cairo_curve_to(cr, 86, 16, 90, 14, 92, 16);
  SetRgb(cr, RgbHex(0x6b5a48));
  cairo_set_line_width(cr, 7);
  cairo_stroke_preserve(cr);
  SetRgb(cr, RgbHex(0xf1e4c4));
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  Ellipse(cr, 64, 32, 6, 3.5);
  FillShaded(cr, pink, 2.2);
  Ellipse(cr, 78, 36, 13, 14);
  MarkedShape(cr, white, true, [&]() {
    Ellipse(cr, 86, 28, 8, 9);
    SetRgb(cr, patch);
    cairo_fill(cr);
  });
  Ellipse(cr, 84, 48, 11, 8);
  FillShaded(cr, pink, 2.6);
  Ellipse(cr, 84, 47, 1.8, 2.4);
  Ellipse(cr, 90, 47, 1.8, 2.4);
  SetRgb(cr, InkOf(pink));
  cairo_fill(cr);
  MonsterEye(cr, 80, 32, 5, beaten);
  if (!beaten) return;
  Fade(cr);
  Bandage(cr, 78, 28, 30, 9, 0.5);
  Plaster(cr, 36, 50, 13, 0.25);
  DizzyStars(cr, 78, 12, 32);
}

void DrawSquirrel(cairo_t* cr, bool beaten) {
  Rgb fur = RgbHex(0xc9662b), cream = RgbHex(0xf6ddb2);
  GroundShadow(cr, 50, 88, 30, 4.5);
  // The bushy tail curls up behind the body.
  cairo_move_to(cr, 42, 72);
  cairo_curve_to(cr, 18, 76, 4, 58, 8, 36);
  cairo_curve_to(cr, 11, 16, 30, 6, 42, 14);
  cairo_curve_to(cr, 50, 20, 46, 32, 38, 30);
  cairo_curve_to(cr, 30, 30, 27, 42, 33, 52);
  cairo_curve_to(cr, 37, 60, 46, 62, 46, 68);
  cairo_close_path(cr);
  MarkedShape(cr, RgbHex(0xdc7b36), true, [&]() {
    cairo_move_to(cr, 36, 66);
    cairo_curve_to(cr, 20, 64, 14, 50, 17, 36);
    cairo_curve_to(cr, 20, 24, 30, 18, 36, 20);
    SetRgb(cr, RgbHex(0xf2b070));
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  });
  if (beaten) Tear(cr, 22, 8, 7, -0.3);
  Ellipse(cr, 55, 63, 19, 17);
  MarkedShape(cr, fur, true, [&]() {
    Ellipse(cr, 66, 68, 10, 13);
    SetRgb(cr, cream);
    cairo_fill(cr);
  });
  Ellipse(cr, 48, 76, 12, 9);
  FillShaded(cr, Darker(fur, 0.08), 2.6);
  Ellipse(cr, 56, 86, 9, 3.5);
  FillShaded(cr, Darker(fur, 0.15), 2.2);
  // Ear with a tuft, head, snout.
  cairo_move_to(cr, 62, 32);
  cairo_line_to(cr, 64, 14);
  cairo_line_to(cr, 75, 29);
  cairo_close_path(cr);
  FillShaded(cr, fur, 2.6);
  cairo_arc(cr, 72, 42, 15, 0, 2 * M_PI);
  FillShaded(cr, fur, kMonsterLine);
  Ellipse(cr, 84, 47, 8, 6.5);
  FillShaded(cr, cream, 2.6);
  cairo_arc(cr, 91, 44, 2.8, 0, 2 * M_PI);
  SetRgb(cr, RgbHex(0x3a2218));
  cairo_fill(cr);
  RoundedRect(cr, 83, 52, 4, 5, 1);
  FillInked(cr, {1, 1, 1}, 1.4);
  MonsterEye(cr, 76, 38, 5.5, beaten);
  if (!beaten) {
    // Paws holding an acorn.
    Ellipse(cr, 80, 65, 6.5, 7.5);
    FillShaded(cr, RgbHex(0xa8682c), 2.4);
    Ellipse(cr, 80, 58, 7.5, 4);
    FillShaded(cr, RgbHex(0x6e4424), 2.4);
    Ellipse(cr, 73, 64, 4, 3);
    FillShaded(cr, fur, 2.0);
    return;
  }
  Fade(cr);
  Bandage(cr, 70, 34, 28, 8, -0.45);
  Plaster(cr, 54, 62, 12, 0.2);
  DizzyStars(cr, 72, 18, 30);
}

void DrawPenguin(cairo_t* cr, bool beaten) {
  Rgb navy = RgbHex(0x27344c), orange = RgbHex(0xff9a1f), scarf = RgbHex(0xd93a3a);
  GroundShadow(cr, 50, 89, 26, 4.5);
  Ellipse(cr, 50, 86, 9, 4);
  FillShaded(cr, orange, 2.4);
  Ellipse(cr, 64, 86, 9, 4);
  FillShaded(cr, orange, 2.4);
  Ellipse(cr, 48, 52, 25, 34);
  MarkedShape(cr, navy, true, [&]() {
    Ellipse(cr, 60, 60, 16, 28);
    SetRgb(cr, RgbHex(0xf4f6fb));
    cairo_fill(cr);
    Ellipse(cr, 62, 30, 9, 9);
    cairo_fill(cr);
  });
  cairo_save(cr);
  cairo_translate(cr, 38, 58);
  cairo_rotate(cr, 0.3);
  Ellipse(cr, 0, 0, 7, 19);
  cairo_restore(cr);
  FillShaded(cr, Darker(navy, 0.1), 2.6);
  cairo_move_to(cr, 68, 31);
  cairo_curve_to(cr, 76, 30, 84, 32, 90, 36);
  cairo_curve_to(cr, 82, 40, 74, 41, 68, 40);
  cairo_close_path(cr);
  FillShaded(cr, orange, 2.6);
  MonsterEye(cr, 63, 29, 5.2, beaten);
  cairo_arc(cr, 68, 42, 3.2, 0, 2 * M_PI);
  SetRgb(cr, RgbHex(0xff8fa0), 0.7);
  cairo_fill(cr);
  // Red scarf, its end trailing behind.
  cairo_move_to(cr, 24, 44);
  cairo_curve_to(cr, 40, 50, 58, 50, 72, 44);
  cairo_line_to(cr, 72, 51);
  cairo_curve_to(cr, 58, 57, 40, 57, 24, 51);
  cairo_close_path(cr);
  FillShaded(cr, scarf, 2.5);
  cairo_move_to(cr, 28, 49);
  cairo_line_to(cr, 20, 66);
  cairo_line_to(cr, 28, 68);
  cairo_line_to(cr, 34, 52);
  cairo_close_path(cr);
  FillShaded(cr, scarf, 2.5);
  cairo_set_line_width(cr, 2);
  SetRgb(cr, {1, 1, 1}, 0.85);
  cairo_move_to(cr, 23, 60);
  cairo_line_to(cr, 30, 62);
  cairo_stroke(cr);
  if (!beaten) return;
  Fade(cr);
  Bandage(cr, 48, 24, 30, 9, -0.25);
  Plaster(cr, 60, 68, 12, 0.4);
  DizzyStars(cr, 52, 9, 34);
}

void DrawSeal(cairo_t* cr, bool beaten) {
  Rgb grey = RgbHex(0x8ea7c2);
  GroundShadow(cr, 48, 88, 40, 5);
  // Tail flippers.
  cairo_move_to(cr, 18, 76);
  cairo_line_to(cr, 4, 70);
  cairo_line_to(cr, 8, 80);
  cairo_line_to(cr, 4, 88);
  cairo_close_path(cr);
  FillShaded(cr, Darker(grey, 0.2), 2.5);
  cairo_save(cr);
  cairo_translate(cr, 42, 68);
  cairo_rotate(cr, -0.22);
  Ellipse(cr, 0, 0, 32, 17);
  cairo_restore(cr);
  MarkedShape(cr, grey, true, [&]() {
    Ellipse(cr, 48, 82, 26, 8);
    SetRgb(cr, RgbHex(0xd2deea));
    cairo_fill(cr);
    SetRgb(cr, Darker(grey, 0.2));
    const double spots[][2] = {{28, 62}, {36, 56}, {44, 62}, {24, 70}};
    for (const auto& p : spots) {
      cairo_arc(cr, p[0], p[1], 2.2, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  });
  cairo_save(cr);
  cairo_translate(cr, 56, 80);
  cairo_rotate(cr, 0.5);
  Ellipse(cr, 0, 0, 10, 5);
  cairo_restore(cr);
  FillShaded(cr, Darker(grey, 0.15), 2.4);
  // Neck blob joins head and body without an outline between them.
  cairo_move_to(cr, 50, 54);
  cairo_line_to(cr, 62, 36);
  cairo_line_to(cr, 80, 48);
  cairo_line_to(cr, 68, 64);
  cairo_close_path(cr);
  SetRgb(cr, grey);
  cairo_fill(cr);
  cairo_move_to(cr, 52, 56);
  cairo_curve_to(cr, 56, 48, 60, 42, 62, 38);
  SetRgb(cr, InkOf(grey));
  cairo_set_line_width(cr, kMonsterLine);
  cairo_stroke(cr);
  cairo_arc(cr, 72, 42, 16, 0, 2 * M_PI);
  FillShaded(cr, grey, kMonsterLine);
  Ellipse(cr, 84, 48, 9, 6.5);
  FillShaded(cr, RgbHex(0xc9d6e3), 2.5);
  Ellipse(cr, 91, 45, 3, 2.2);
  SetRgb(cr, RgbHex(0x1c1424));
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 1.6);
  SetRgb(cr, RgbHex(0x3b4656));
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 85, 48 + i * 2.5);
    cairo_line_to(cr, 94, 47 + i * 4);
  }
  cairo_stroke(cr);
  MonsterEye(cr, 74, 37, 6.2, beaten);
  if (!beaten) {
    // A ball balanced on the nose: a circus seal.
    cairo_arc(cr, 87, 20, 9, 0, 2 * M_PI);
    MarkedShape(cr, RgbHex(0xe23b3b), true, [&]() {
      cairo_arc(cr, 87, 20, 9, M_PI * 0.15, M_PI * 0.85);
      cairo_close_path(cr);
      SetRgb(cr, RgbHex(0xffd23a));
      cairo_fill(cr);
      Gleam(cr, 84, 16, 3, 2, -0.6, 0.9);
    });
    return;
  }
  Fade(cr);
  Bandage(cr, 70, 32, 28, 8, -0.5);
  Plaster(cr, 36, 62, 13, 0.3);
  DizzyStars(cr, 72, 16, 34);
}

}  // namespace sprites
