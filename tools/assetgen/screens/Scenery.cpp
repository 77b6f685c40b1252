// Scenery of the screen pictures: skies, hills, trees, little towers and the
// four seasons' landscapes.
#include <cmath>

#include "screens/ScreenPaint.h"

double Ridge::At(double x) const {
  return base + amp * (0.55 * std::sin(x * 0.0065 + phase[0]) + 0.3 * std::sin(x * 0.017 + phase[1]) +
                       0.15 * std::sin(x * 0.041 + phase[2]));
}

Ridge MakeRidge(double base, double amp, unsigned seed) {
  Noise n(seed);
  Ridge r{base, amp, {0, 0, 0}};
  for (double& p : r.phase) p = n.Next() * 2 * M_PI;
  return r;
}

void PaintSky(cairo_t* cr, double w, double h, Rgb top, Rgb low) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, low.r, low.g, low.b);
  cairo_rectangle(cr, 0, 0, w, h);
  FillPattern(cr, g);
}

void PaintRidge(cairo_t* cr, const Ridge& ridge, double w, double h, Rgb top, Rgb low) {
  cairo_move_to(cr, 0, h);
  for (double x = 0; x <= w + 8; x += 8) cairo_line_to(cr, x, ridge.At(x));
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, ridge.base - ridge.amp, 0, h);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, low.r, low.g, low.b);
  FillPattern(cr, g);
}

void PaintCloud(cairo_t* cr, double cx, double cy, double size, double alpha) {
  static const double kPuffs[][3] = {{-0.9, 0.15, 0.45}, {-0.4, -0.15, 0.6}, {0.2, -0.3, 0.7},
                                     {0.75, 0.0, 0.5},   {0.1, 0.2, 0.5},    {-0.5, 0.25, 0.4}};
  cairo_save(cr);
  cairo_push_group(cr);
  for (const auto& p : kPuffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + p[0] * size, cy + p[1] * size * 0.6, p[2] * size * 0.6, 0, 2 * M_PI);
  }
  SetRgb(cr, {1, 1, 1});
  cairo_fill(cr);
  // Shade the underside so the cloud has volume.
  cairo_rectangle(cr, cx - size * 2, cy + size * 0.12, size * 4, size);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  SetRgb(cr, RgbHex(0xD8E2F0));
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
}

void PaintSun(cairo_t* cr, double cx, double cy, double r, Rgb core, Rgb glow) {
  cairo_save(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, r * 0.8, cx, cy, r * 4);
  cairo_pattern_add_color_stop_rgba(g, 0, glow.r, glow.g, glow.b, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, glow.r, glow.g, glow.b, 0);
  cairo_arc(cr, cx, cy, r * 4, 0, 2 * M_PI);
  FillPattern(cr, g);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  SetRgb(cr, core);
  cairo_fill(cr);
  cairo_restore(cr);
}

static void PaintCanopy(cairo_t* cr, double cx, double cy, double r, Rgb colour, Noise& n) {
  double offs[7][3];
  for (auto& o : offs) {
    double a = n.Next() * 2 * M_PI;
    double d = r * (0.35 + 0.3 * n.Next());
    o[0] = cx + std::cos(a) * d;
    o[1] = cy + std::sin(a) * d * 0.8;
    o[2] = r * (0.5 + 0.2 * n.Next());
  }
  auto blobs = [&](double dx, double dy, double grow) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + dx, cy + dy, r * 0.7 * grow, 0, 2 * M_PI);
    for (auto& o : offs) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, o[0] + dx, o[1] + dy, o[2] * grow, 0, 2 * M_PI);
    }
  };
  blobs(0, r * 0.12, 1.0);
  SetRgb(cr, Darker(colour, 0.3));
  cairo_fill(cr);
  blobs(-r * 0.04, -r * 0.02, 0.9);
  SetRgb(cr, colour);
  cairo_fill(cr);
  // Light from the upper left.
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, offs[i][0] - r * 0.15, offs[i][1] - r * 0.18, offs[i][2] * 0.45, 0, 2 * M_PI);
    SetRgb(cr, Lighter(colour, 0.25), 0.8);
    cairo_fill(cr);
  }
}

static void PaintPine(cairo_t* cr, double x, double groundY, double size, const SeasonPalette& p) {
  cairo_rectangle(cr, x - size * 0.05, groundY - size * 0.2, size * 0.1, size * 0.2);
  SetRgb(cr, p.trunk);
  cairo_fill(cr);
  for (int tier = 0; tier < 3; ++tier) {
    double base = groundY - size * (0.15 + tier * 0.24);
    double half = size * (0.34 - tier * 0.08);
    double top = base - size * 0.42;
    cairo_move_to(cr, x - half, base);
    cairo_line_to(cr, x, top);
    cairo_line_to(cr, x + half, base);
    cairo_close_path(cr);
    SetRgb(cr, tier % 2 ? p.leaf : p.leafDark);
    cairo_fill(cr);
    // Snow lies on the upper part of every tier, with a wavy lower edge.
    double sy = top + (base - top) * 0.55;
    double sx = half * 0.55;
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + sx, sy);
    cairo_curve_to(cr, x + sx * 0.5, sy + size * 0.05, x + sx * 0.2, sy - size * 0.03, x, sy + size * 0.02);
    cairo_curve_to(cr, x - sx * 0.3, sy - size * 0.03, x - sx * 0.6, sy + size * 0.05, x - sx, sy);
    cairo_close_path(cr);
    SetRgb(cr, {1, 1, 1});
    cairo_fill(cr);
  }
}

void PaintTree(cairo_t* cr, int season, double x, double groundY, double size, unsigned seed) {
  Noise n(seed);
  const SeasonPalette& p = PaletteOf(season);
  cairo_save(cr);
  cairo_save(cr);
  cairo_translate(cr, x, groundY);
  cairo_scale(cr, 1.0, 0.22);
  cairo_arc(cr, 0, 0, size * 0.32, 0, 2 * M_PI);
  cairo_restore(cr);
  SetRgb(cr, Ui::kInk, 0.18);
  cairo_fill(cr);
  if (season == 4) {
    PaintPine(cr, x, groundY, size, p);
    cairo_restore(cr);
    return;
  }
  double trunkTop = groundY - size * 0.55;
  cairo_move_to(cr, x - size * 0.07, groundY);
  cairo_curve_to(cr, x - size * 0.04, groundY - size * 0.2, x - size * 0.05, trunkTop, x - size * 0.03, trunkTop);
  cairo_line_to(cr, x + size * 0.03, trunkTop);
  cairo_curve_to(cr, x + size * 0.05, trunkTop, x + size * 0.04, groundY - size * 0.2, x + size * 0.07, groundY);
  cairo_close_path(cr);
  SetRgb(cr, p.trunk);
  cairo_fill(cr);

  Rgb crown = p.leaf;
  double pick = n.Next();
  if (season == 1 && pick < 0.6) crown = p.bloom;
  if (season == 3) crown = pick < 0.4 ? p.leaf : (pick < 0.75 ? p.leafDark : p.bloom);
  PaintCanopy(cr, x, groundY - size * 0.68, size * 0.34, crown, n);
  // Blossoms dotted over the crown.
  if (season == 1) {
    Rgb dot = crown.r > 0.9 ? Rgb{1, 1, 1} : p.bloom;
    int count = 9;
    for (int i = 0; i < count; ++i) {
      double a = n.Next() * 2 * M_PI, d = n.Next() * size * 0.3;
      cairo_arc(cr, x + std::cos(a) * d, groundY - size * 0.7 + std::sin(a) * d * 0.7, std::fmax(1.6, size * 0.03), 0,
                2 * M_PI);
      SetRgb(cr, dot, 0.9);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

void PaintTower(cairo_t* cr, double x, double groundY, double size, Rgb roof) {
  double w = size * 0.34, top = groundY - size * 0.62;
  cairo_save(cr);
  cairo_rectangle(cr, x - w / 2, top, w, groundY - top);
  cairo_pattern_t* stone = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
  cairo_pattern_add_color_stop_rgb(stone, 0, 0.83, 0.80, 0.74);
  cairo_pattern_add_color_stop_rgb(stone, 0.6, 0.66, 0.63, 0.58);
  cairo_pattern_add_color_stop_rgb(stone, 1, 0.48, 0.45, 0.42);
  FillPattern(cr, stone);
  // Courses of stone.
  cairo_set_line_width(cr, std::fmax(1.5, size * 0.012));
  for (double y = top + size * 0.1; y < groundY; y += size * 0.1) {
    cairo_move_to(cr, x - w / 2, y);
    cairo_line_to(cr, x + w / 2, y);
  }
  SetRgb(cr, Ui::kInk, 0.18);
  cairo_stroke(cr);
  // Window and door.
  RoundedRect(cr, x - w * 0.12, top + size * 0.12, w * 0.24, size * 0.12, w * 0.12);
  SetRgb(cr, RgbHex(0xFFD66B));
  cairo_fill(cr);
  RoundedRect(cr, x - w * 0.18, groundY - size * 0.16, w * 0.36, size * 0.16, w * 0.18);
  SetRgb(cr, RgbHex(0x4A2E1A));
  cairo_fill(cr);
  // Conical roof with a pennant.
  cairo_move_to(cr, x - w * 0.7, top + size * 0.02);
  cairo_line_to(cr, x, top - size * 0.38);
  cairo_line_to(cr, x + w * 0.7, top + size * 0.02);
  cairo_close_path(cr);
  cairo_pattern_t* r = cairo_pattern_create_linear(x - w * 0.7, 0, x + w * 0.7, 0);
  cairo_pattern_add_color_stop_rgb(r, 0, Lighter(roof, 0.2).r, Lighter(roof, 0.2).g, Lighter(roof, 0.2).b);
  cairo_pattern_add_color_stop_rgb(r, 1, Darker(roof, 0.3).r, Darker(roof, 0.3).g, Darker(roof, 0.3).b);
  FillPattern(cr, r);
  double poleTop = top - size * 0.52;
  cairo_move_to(cr, x, top - size * 0.36);
  cairo_line_to(cr, x, poleTop);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, std::fmax(1.5, size * 0.02));
  cairo_stroke(cr);
  cairo_move_to(cr, x, poleTop);
  cairo_line_to(cr, x + size * 0.18, poleTop + size * 0.04);
  cairo_line_to(cr, x, poleTop + size * 0.09);
  cairo_close_path(cr);
  SetRgb(cr, roof);
  cairo_fill(cr);
  cairo_restore(cr);
}

// Small things in the grass: flowers, tufts, fallen leaves, snow sparkle.
static void PaintForeground(cairo_t* cr, int season, const Ridge& ground, double x0, double x1, double h, Noise& n) {
  const SeasonPalette& p = PaletteOf(season);
  int count = static_cast<int>((x1 - x0) / 9);
  for (int i = 0; i < count; ++i) {
    double x = x0 + n.Next() * (x1 - x0);
    double top = ground.At(x) + 8;
    double y = top + n.Next() * (h - top);
    double depth = (y - top) / std::fmax(1.0, h - top);
    double s = 2.5 + depth * 5.0;
    double pick = n.Next();
    if (season == 1 || season == 2) {
      if (pick < 0.5) {
        cairo_move_to(cr, x - s, y);
        cairo_line_to(cr, x - s * 0.2, y - s * 1.8);
        cairo_line_to(cr, x + s * 0.3, y);
        cairo_line_to(cr, x + s * 0.9, y - s * 1.5);
        cairo_line_to(cr, x + s * 1.2, y);
        cairo_close_path(cr);
        SetRgb(cr, Darker(p.near, 0.25), 0.7);
        cairo_fill(cr);
      } else {
        Rgb petal =
            season == 1 ? (pick < 0.75 ? p.bloom : RgbHex(0xFFF6A8)) : (pick < 0.8 ? p.bloom : RgbHex(0xFFFFFF));
        cairo_arc(cr, x, y - s * 0.5, s * 0.55, 0, 2 * M_PI);
        SetRgb(cr, petal);
        cairo_fill(cr);
        cairo_arc(cr, x, y - s * 0.5, s * 0.22, 0, 2 * M_PI);
        SetRgb(cr, season == 1 ? RgbHex(0xF7C948) : RgbHex(0x7A4A16));
        cairo_fill(cr);
      }
    } else if (season == 3) {
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, n.Next() * M_PI);
      cairo_scale(cr, 1.0, 0.5);
      cairo_arc(cr, 0, 0, s * 0.9, 0, 2 * M_PI);
      cairo_restore(cr);
      SetRgb(cr, pick < 0.4 ? p.leaf : (pick < 0.7 ? p.leafDark : p.bloom), 0.85);
      cairo_fill(cr);
    } else {
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, 2.2, 0.6);
      cairo_arc(cr, 0, 0, s * 0.8, 0, 2 * M_PI);
      cairo_restore(cr);
      SetRgb(cr, RgbHex(0xC6D8EC), 0.45);
      cairo_fill(cr);
    }
  }
}

static void PaintSnowfall(cairo_t* cr, double x0, double x1, double h, Noise& n) {
  int count = static_cast<int>((x1 - x0) * h / 3200);
  for (int i = 0; i < count; ++i) {
    double r = 1.5 + n.Next() * 2.5;
    cairo_arc(cr, x0 + n.Next() * (x1 - x0), n.Next() * h, r, 0, 2 * M_PI);
    SetRgb(cr, {1, 1, 1}, 0.5 + n.Next() * 0.4);
    cairo_fill(cr);
  }
}

void PaintSeasonScene(cairo_t* cr, int w, int h, int season, unsigned seed, double treeMinX, double treeMaxX) {
  const SeasonPalette& p = PaletteOf(season);
  Noise n(seed * 31 + static_cast<unsigned>(season));
  Ridge far = MakeRidge(h * 0.50, h * 0.07, seed + 1);
  Ridge mid = MakeRidge(h * 0.61, h * 0.04, seed + 2);
  Ridge near = MakeRidge(h * 0.76, h * 0.03, seed + 3);

  PaintSky(cr, w, h * 0.7, p.skyTop, p.skyLow);
  double span = treeMaxX - treeMinX;
  double sunX = w * 0.72;
  // A band of the panorama gets no sun of its own.
  if (span < w * 0.9) sunX = -1000;
  if (season == 1) PaintSun(cr, sunX, h * 0.14, h * 0.05, RgbHex(0xFFF8D8), RgbHex(0xFFF3B0));
  if (season == 2) PaintSun(cr, sunX, h * 0.12, h * 0.06, RgbHex(0xFFF6C2), RgbHex(0xFFE070));
  if (season == 3) PaintSun(cr, sunX, h * 0.36, h * 0.07, RgbHex(0xFFE2A0), RgbHex(0xFF9E4A));
  if (season == 4) PaintSun(cr, sunX, h * 0.18, h * 0.045, RgbHex(0xF6FAFF), RgbHex(0xDDEBFF));
  Noise clouds(seed + 9);
  for (int i = 0; i < 5; ++i) {
    double cx = clouds.Next() * w, cy = h * (0.08 + clouds.Next() * 0.22);
    PaintCloud(cr, cx, cy, h * (0.05 + clouds.Next() * 0.04), season == 4 ? 0.75 : 0.9);
  }

  PaintRidge(cr, far, w, h, Mix(p.far, p.skyLow, 0.25), p.far);
  PaintRidge(cr, mid, w, h, p.mid, Darker(p.mid, 0.12));
  for (double x = treeMinX + 10; x < treeMaxX - 10; x += 26 + n.Next() * 40) {
    if (n.Next() < 0.35) continue;
    PaintTree(cr, season, x, mid.At(x) + 4, h * (0.07 + n.Next() * 0.04), seed * 7 + static_cast<unsigned>(x));
  }
  // A watchtower: in a full landscape, or in the panorama's two outer seasons.
  if (span > w * 0.9 || treeMinX <= 0 || treeMaxX >= w) {
    double tx = treeMinX + span * (span > w * 0.9 ? 0.2 : 0.5);
    PaintTower(cr, tx, mid.At(tx) + 6, h * 0.16, p.roof);
  }
  PaintRidge(cr, near, w, h, p.near, p.ground);
  for (double x = treeMinX + 20; x < treeMaxX - 20; x += 90 + n.Next() * 120) {
    PaintTree(cr, season, x, near.At(x) + 10 + n.Next() * 20, h * (0.17 + n.Next() * 0.08),
              seed * 13 + static_cast<unsigned>(x));
  }
  PaintForeground(cr, season, near, treeMinX, treeMaxX, h, n);
  if (season == 4) PaintSnowfall(cr, treeMinX, treeMaxX, h, n);
  if (season == 3) {
    // Leaves drifting through the air.
    for (int i = 0; i < static_cast<int>(span / 40); ++i) {
      cairo_save(cr);
      cairo_translate(cr, treeMinX + n.Next() * span, h * (0.2 + n.Next() * 0.6));
      cairo_rotate(cr, n.Next() * M_PI);
      cairo_scale(cr, 1.0, 0.45);
      cairo_arc(cr, 0, 0, 4 + n.Next() * 3, 0, 2 * M_PI);
      cairo_restore(cr);
      SetRgb(cr, n.Next() < 0.5 ? p.leaf : p.leafDark, 0.9);
      cairo_fill(cr);
    }
  }
}

void PaintYearPanorama(cairo_t* cr, int w, int h, unsigned seed) {
  double band = w / 4.0, blend = 70;
  for (int s = 1; s <= 4; ++s) {
    double x0 = band * (s - 1), x1 = band * s;
    double treeMin = s == 1 ? 0 : x0 + blend;
    double treeMax = s == 4 ? w : x1 - blend;
    if (s == 1) {
      PaintSeasonScene(cr, w, h, s, seed, treeMin, treeMax);
      continue;
    }
    // Each season fades in over the one to its left.
    cairo_push_group(cr);
    PaintSeasonScene(cr, w, h, s, seed, treeMin, treeMax);
    cairo_pop_group_to_source(cr);
    cairo_pattern_t* mask = cairo_pattern_create_linear(x0 - blend, 0, x0 + blend, 0);
    cairo_pattern_add_color_stop_rgba(mask, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(mask, 1, 0, 0, 0, 1);
    cairo_mask(cr, mask);
    cairo_pattern_destroy(mask);
  }
  // One low sun for the whole year, behind the middle of the picture.
  cairo_pattern_t* glow = cairo_pattern_create_radial(w / 2.0, h * 0.47, 10, w / 2.0, h * 0.47, h * 0.45);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.97, 0.85, 0.75);
  cairo_pattern_add_color_stop_rgba(glow, 0.3, 1, 0.95, 0.8, 0.35);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.8, 0);
  cairo_rectangle(cr, 0, 0, w, h);
  FillPattern(cr, glow);
}

void PaintVignette(cairo_t* cr, double w, double h, Rgb colour, double inner, double outer) {
  cairo_save(cr);
  double r = std::hypot(w, h) / 2;
  cairo_pattern_t* g = cairo_pattern_create_radial(w / 2, h / 2, r * 0.45, w / 2, h / 2, r);
  cairo_pattern_add_color_stop_rgba(g, 0, colour.r, colour.g, colour.b, inner);
  cairo_pattern_add_color_stop_rgba(g, 1, colour.r, colour.g, colour.b, outer);
  cairo_rectangle(cr, 0, 0, w, h);
  FillPattern(cr, g);
  cairo_restore(cr);
}
