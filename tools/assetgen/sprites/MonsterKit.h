// Shared parts of the monster pictures: eyes, shading, and the marks of a
// beaten monster (bandages, plasters, dizzy stars, cracks).
#pragma once
#include "SpriteArt.h"

namespace sprites {

const double kMonsterLine = 3.0;  // outline width at the 96-pixel drawing size

// A round eye looking forward (+x); beaten eyes are crosses.
void MonsterEye(cairo_t* cr, double x, double y, double r, bool beaten);
// Three stars circling above a dazed head.
void DizzyStars(cairo_t* cr, double cx, double cy, double w);
// A cream bandage strip with stitches.
void Bandage(cairo_t* cr, double cx, double cy, double length, double thick, double angle);
// Two crossed sticking plasters.
void Plaster(cairo_t* cr, double cx, double cy, double size, double angle);
// A jagged dark crack from (x0, y0) to (x1, y1).
void Crack(cairo_t* cr, double x0, double y0, double x1, double y1, unsigned seed);
// Cuts a ragged notch out of whatever is drawn (a torn edge).
void Tear(cairo_t* cr, double x, double y, double size, double angle);
// A short line of a small mouth: smiling or, when beaten, wavy.
void Mouth(cairo_t* cr, double x, double y, double w, bool beaten);

// Uses up the current path: fills it shaded in base, lets fn paint markings
// clipped to it, then strokes its outline in ink. roundJoin sets round line
// joins for that outline (and leaves them set); otherwise the join stays as it was.
template <typename Fn>
void MarkedShape(cairo_t* cr, Rgb base, bool roundJoin, Fn fn) {
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  FillShaded(cr, base, 0);
  cairo_save(cr);
  cairo_append_path(cr, path);
  cairo_clip(cr);
  fn();
  cairo_restore(cr);
  cairo_append_path(cr, path);
  SetRgb(cr, InkOf(base));
  cairo_set_line_width(cr, kMonsterLine);
  if (roundJoin) cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_path_destroy(path);
}

}  // namespace sprites

namespace sprites {

// Each kind on a 96 x 96 canvas, side view facing +x; beaten draws its Half picture.
void DrawBee(cairo_t* cr, bool beaten);
void DrawButterfly(cairo_t* cr, bool beaten);
void DrawWoodpecker(cairo_t* cr, bool beaten);
void DrawCamel(cairo_t* cr, bool beaten);
void DrawCow(cairo_t* cr, bool beaten);
void DrawSquirrel(cairo_t* cr, bool beaten);
void DrawPenguin(cairo_t* cr, bool beaten);
void DrawSeal(cairo_t* cr, bool beaten);
void DrawIce(cairo_t* cr, bool beaten);
void DrawTea(cairo_t* cr, bool beaten);

// Greys the picture drawn so far: what a beaten monster looks like before its marks go on.
void Fade(cairo_t* cr);

}  // namespace sprites
