// The season towers at three levels: a turret of the season's material crowned
// by blossom, a sun, maple leaves or ice crystals. Higher levels stand taller,
// gain banners, then gold trim, gems and a glow, and carry one star per level.
#include <cmath>

#include "SpriteArt.h"

namespace sprites {

enum TowerSeason { kSpringTower, kSummerTower, kAutumnTower, kWinterTower };

struct TowerStyle {
  unsigned wall, trim, banner;
};
static const TowerStyle kTowerStyles[] = {
    {0xcfc8bb, 0xf08ab4, 0xf7a8c8},
    {0xe6c282, 0xf2b52c, 0xffd84a},
    {0xa86a3a, 0xc0392b, 0xe8702a},
    {0xa9bfd6, 0x7fd0ff, 0xdff4ff},
};

static const double kLine = 3.0;

static void Plinth(cairo_t* cr, Rgb stone) {
  cairo_move_to(cr, 18, 88);
  cairo_line_to(cr, 18, 96);
  cairo_save(cr);
  cairo_translate(cr, 60, 96);
  cairo_scale(cr, 42, 10);
  cairo_arc_negative(cr, 0, 0, 1, M_PI, 0);
  cairo_restore(cr);
  cairo_line_to(cr, 102, 88);
  cairo_close_path(cr);
  FillShaded(cr, Darker(stone, 0.25), kLine);
  Ellipse(cr, 60, 88, 42, 10);
  FillShaded(cr, Lighter(stone, 0.1), kLine);
}

static void Bricks(cairo_t* cr, double x0, double x1, double top, double bottom, Rgb wall, bool planks) {
  SetRgb(cr, Darker(wall, 0.3), 0.55);
  cairo_set_line_width(cr, 1.8);
  if (planks) {
    for (double x = x0 + 9; x < x1 - 3; x += 9) {
      cairo_move_to(cr, x, top + 4);
      cairo_line_to(cr, x, bottom + 4);
    }
    cairo_stroke(cr);
    return;
  }
  int row = 0;
  for (double y = top + 10; y < bottom; y += 10, ++row) {
    cairo_move_to(cr, x0, y);
    cairo_curve_to(cr, x0 + 10, y + 3, x1 - 10, y + 3, x1, y);
    for (double x = x0 + (row % 2 ? 6 : 12); x < x1 - 4; x += 12) {
      cairo_move_to(cr, x, y + 2.5);
      cairo_line_to(cr, x, y - 7.5);
    }
  }
  cairo_stroke(cr);
}

// The turret from the plinth (y 88) up to its rim at y 42.
static void Turret(cairo_t* cr, TowerSeason s, int level) {
  const TowerStyle& st = kTowerStyles[s];
  Rgb wall = RgbHex(st.wall), trim = RgbHex(st.trim);
  const double x0 = 38, x1 = 82, top = 44, bottom = 88;
  cairo_move_to(cr, x0, top);
  cairo_line_to(cr, x0, bottom);
  cairo_save(cr);
  cairo_translate(cr, 60, bottom);
  cairo_scale(cr, 22, 5);
  cairo_arc_negative(cr, 0, 0, 1, M_PI, 0);
  cairo_restore(cr);
  cairo_line_to(cr, x1, top);
  cairo_close_path(cr);
  cairo_path_t* body = cairo_copy_path(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, body);
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
  Rgb hi = Lighter(wall, 0.25), lo = Darker(wall, 0.3);
  cairo_pattern_add_color_stop_rgb(g, 0, lo.r, lo.g, lo.b);
  cairo_pattern_add_color_stop_rgb(g, 0.3, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  FillPattern(cr, g);
  cairo_save(cr);
  cairo_append_path(cr, body);
  cairo_clip(cr);
  Bricks(cr, x0, x1, top, bottom, wall, s == kAutumnTower);
  if (level >= 3) {
    cairo_rectangle(cr, x0, 74, x1 - x0, 5);
    SetRgb(cr, RgbHex(0xf2c14a));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_append_path(cr, body);
  SetRgb(cr, InkOf(wall));
  cairo_set_line_width(cr, kLine);
  cairo_stroke(cr);
  cairo_path_destroy(body);
  // Lit arched window.
  cairo_move_to(cr, 54, 70);
  cairo_line_to(cr, 54, 60);
  cairo_arc(cr, 60, 60, 6, M_PI, 2 * M_PI);
  cairo_line_to(cr, 66, 70);
  cairo_close_path(cr);
  FillShaded(cr, RgbHex(0xffcf5a), 2.5);
  cairo_move_to(cr, 60, 55);
  cairo_line_to(cr, 60, 70);
  cairo_move_to(cr, 54, 63);
  cairo_line_to(cr, 66, 63);
  SetRgb(cr, InkOf(wall));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Crenellated rim in the season's trim colour.
  RoundedRect(cr, 33, top - 6, 54, 10, 3);
  FillShaded(cr, trim, kLine);
  for (int i = 0; i < 4; ++i) {
    RoundedRect(cr, 34 + i * 14, top - 13, 9, 9, 2);
    FillShaded(cr, trim, 2.5);
  }
  if (s == kWinterTower) {
    cairo_move_to(cr, 33, top - 2);
    cairo_curve_to(cr, 40, top + 5, 46, top - 1, 52, top + 4);
    cairo_curve_to(cr, 60, top + 7, 70, top, 87, top - 1);
    cairo_line_to(cr, 87, top - 6);
    cairo_line_to(cr, 33, top - 6);
    cairo_close_path(cr);
    FillInked(cr, RgbHex(0xffffff), 2.0);
  }
  if (s == kSpringTower) {
    // Ivy climbing the wall.
    const double leaves[][2] = {{40, 84}, {44, 78}, {41, 71}, {46, 66}, {78, 82}, {76, 75}};
    for (const auto& p : leaves) {
      Ellipse(cr, p[0], p[1], 4, 3);
      FillInked(cr, RgbHex(0x5fae3e), 1.6);
    }
  }
}

static void Banner(cairo_t* cr, double x, double y, double dir, Rgb colour) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x, y + 30);
  cairo_line_to(cr, x, y);
  SetRgb(cr, RgbHex(0x5a3a22));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_move_to(cr, x, y + 1);
  cairo_line_to(cr, x + dir * 16, y + 4);
  cairo_line_to(cr, x + dir * 11, y + 8);
  cairo_line_to(cr, x + dir * 16, y + 12);
  cairo_line_to(cr, x, y + 13);
  cairo_close_path(cr);
  FillShaded(cr, colour, 2.2);
}

// A union of circles with one outline: ink drawn wide under the fill.
static void Cloud(cairo_t* cr, const double (*blobs)[3], int count, Rgb colour) {
  SetRgb(cr, InkOf(colour));
  for (int i = 0; i < count; ++i) {
    cairo_arc(cr, blobs[i][0], blobs[i][1], blobs[i][2] + kLine / 2, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  for (int i = 0; i < count; ++i) {
    cairo_arc(cr, blobs[i][0], blobs[i][1], blobs[i][2] - kLine / 2, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(blobs[i][0] - blobs[i][2] * 0.4, blobs[i][1] - blobs[i][2] * 0.4,
                                                     0, blobs[i][0], blobs[i][1], blobs[i][2]);
    Rgb hi = Lighter(colour, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 1, colour.r, colour.g, colour.b);
    FillPattern(cr, g);
  }
}

static void Flower(cairo_t* cr, double x, double y, double r, Rgb petal) {
  for (int i = 0; i < 5; ++i) {
    double a = i * 2 * M_PI / 5 - M_PI / 2;
    cairo_arc(cr, x + std::cos(a) * r * 0.6, y + std::sin(a) * r * 0.6, r * 0.5, 0, 2 * M_PI);
    FillInked(cr, petal, 0);
  }
  cairo_arc(cr, x, y, r * 0.32, 0, 2 * M_PI);
  SetRgb(cr, RgbHex(0xffd23a));
  cairo_fill(cr);
}

static void Trunk(cairo_t* cr) {
  cairo_move_to(cr, 54, 38);
  cairo_curve_to(cr, 56, 30, 52, 26, 46, 22);
  cairo_line_to(cr, 52, 20);
  cairo_curve_to(cr, 58, 24, 60, 26, 62, 22);
  cairo_line_to(cr, 68, 20);
  cairo_curve_to(cr, 64, 28, 64, 32, 66, 38);
  cairo_close_path(cr);
  FillShaded(cr, RgbHex(0x7a4a2a), 2.5);
}

static void SpringCrown(cairo_t* cr, int level) {
  Trunk(cr);
  const double blobs[][3] = {{40, 26, 14}, {60, 16, 17}, {80, 26, 14}, {48, 34, 12}, {72, 34, 12}, {60, 28, 15}};
  Cloud(cr, blobs, 6, RgbHex(0xf49ac1));
  const double flowers[][2] = {{44, 20}, {62, 10}, {78, 22}, {54, 30}, {70, 30}, {36, 30}, {84, 32}};
  for (int i = 0; i < 7; ++i)
    Flower(cr, flowers[i][0], flowers[i][1], 5.5, i % 2 ? RgbHex(0xffffff) : RgbHex(0xffd3e6));
  if (level >= 3) {
    // Petals drifting off the crown.
    const double petals[][3] = {{20, 44, 0.6}, {100, 40, -0.4}, {26, 60, 1.2}, {96, 62, 0.2}};
    for (const auto& p : petals) {
      cairo_save(cr);
      cairo_translate(cr, p[0], p[1]);
      cairo_rotate(cr, p[2]);
      Ellipse(cr, 0, 0, 4.5, 2.8);
      cairo_restore(cr);
      FillInked(cr, RgbHex(0xf7a8c8), 1.5);
    }
  }
}

static void SummerCrown(cairo_t* cr, int level) {
  double cx = 60, cy = 24, r = 12 + level;
  // Glow behind the sun.
  cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, r * 0.5, cx, cy, r * 2.6);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.85, 0.3, 0.55);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.85, 0.3, 0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, cx, cy, r * 2.6, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  int rays = 8 + level * 2;
  StarPath(cr, cx, cy, r * (1.55 + 0.08 * level), r * 1.05, rays);
  FillShaded(cr, RgbHex(0xff9a1f), 2.5);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  FillShaded(cr, RgbHex(0xffd23a), kLine);
  Gleam(cr, cx - r * 0.35, cy - r * 0.4, r * 0.3, r * 0.18, -0.6, 0.85);
  // The brazier that holds it.
  cairo_move_to(cr, 44, 34);
  cairo_line_to(cr, 76, 34);
  cairo_line_to(cr, 70, 42);
  cairo_line_to(cr, 50, 42);
  cairo_close_path(cr);
  FillShaded(cr, RgbHex(0xe0a020), 2.5);
}

static void MapleLeaf(cairo_t* cr, double x, double y, double r, double turn, Rgb c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, turn);
  const double pts[][2] = {{0, -1},    {0.22, -0.5}, {0.6, -0.7},  {0.5, -0.2},  {1, 0},      {0.55, 0.3},
                           {0.6, 0.6}, {0.1, 0.45},  {0, 1},       {-0.1, 0.45}, {-0.6, 0.6}, {-0.55, 0.3},
                           {-1, 0},    {-0.5, -0.2}, {-0.6, -0.7}, {-0.22, -0.5}};
  for (const auto& p : pts) cairo_line_to(cr, p[0] * r, p[1] * r);
  cairo_close_path(cr);
  cairo_restore(cr);
  FillShaded(cr, c, 2.0);
}

static void AutumnCrown(cairo_t* cr, int level) {
  Trunk(cr);
  const double blobs[][3] = {{40, 28, 14}, {60, 16, 17}, {80, 28, 14}, {50, 36, 12}, {70, 36, 12}, {60, 28, 15}};
  Cloud(cr, blobs, 6, RgbHex(0xe8702a));
  const double leaves[][4] = {{60, 12, 9, 0.2}, {42, 24, 8, -0.6}, {78, 24, 8, 0.5}, {52, 34, 7, -0.2},
                              {70, 34, 7, 0.3}, {36, 36, 6, -0.9}, {86, 36, 6, 0.9}};
  for (int i = 0; i < 7; ++i) {
    MapleLeaf(cr, leaves[i][0], leaves[i][1], leaves[i][2], leaves[i][3],
              RgbHex(i % 3 == 0   ? 0xffb52e
                     : i % 3 == 1 ? 0xd2452a
                                  : 0xf28a2e));
  }
  if (level >= 3) {
    MapleLeaf(cr, 20, 52, 6, 1.0, RgbHex(0xe8702a));
    MapleLeaf(cr, 102, 48, 6, -0.8, RgbHex(0xffb52e));
  }
}

static void Crystal(cairo_t* cr, double x, double base, double w, double h, double lean) {
  cairo_save(cr);
  cairo_translate(cr, x, base);
  cairo_rotate(cr, lean);
  cairo_move_to(cr, -w / 2, 0);
  cairo_line_to(cr, -w / 2, -h + w * 0.7);
  cairo_line_to(cr, 0, -h);
  cairo_line_to(cr, w / 2, -h + w * 0.7);
  cairo_line_to(cr, w / 2, 0);
  cairo_close_path(cr);
  cairo_path_t* p = cairo_copy_path(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, p);
  cairo_pattern_t* g = cairo_pattern_create_linear(-w / 2, 0, w / 2, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.85, 0.96, 1.0);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.55, 0.82, 0.98);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.32, 0.6, 0.88);
  FillPattern(cr, g);
  cairo_move_to(cr, 0, -h);
  cairo_line_to(cr, 0, 0);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_append_path(cr, p);
  SetRgb(cr, RgbHex(0x1f3d62));
  cairo_set_line_width(cr, 2.6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_path_destroy(p);
  cairo_restore(cr);
}

static void WinterCrown(cairo_t* cr, int level) {
  if (level >= 2) {
    Crystal(cr, 40, 40, 11, 24, -0.45);
    Crystal(cr, 80, 40, 11, 24, 0.45);
  }
  Crystal(cr, 48, 40, 13, 32, -0.2);
  Crystal(cr, 72, 40, 13, 32, 0.2);
  Crystal(cr, 60, 40, 17, 40 + level * 2, 0);
  StarPath(cr, 60, 6 - level * 2, 7, 2, 4);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  cairo_fill(cr);
  if (level >= 3) {
    StarPath(cr, 30, 14, 5, 1.5, 4);
    StarPath(cr, 92, 18, 5, 1.5, 4);
    cairo_fill(cr);
  }
}

static void Gem(cairo_t* cr, double x, double y, Rgb c) {
  cairo_move_to(cr, x, y - 6);
  cairo_line_to(cr, x + 5, y);
  cairo_line_to(cr, x, y + 6);
  cairo_line_to(cr, x - 5, y);
  cairo_close_path(cr);
  FillShaded(cr, c, 2.0);
  Gleam(cr, x - 1.5, y - 2, 1.6, 1, 0, 0.9);
}

static void DrawTower(cairo_t* cr, TowerSeason s, int level) {
  const TowerStyle& st = kTowerStyles[s];
  GroundShadow(cr, 60, 100, 50, 10, 0.4);
  cairo_save(cr);
  // Grow about the foot of the plinth.
  double k = level == 1 ? 0.78 : level == 2 ? 0.88 : 0.97;
  cairo_translate(cr, 60, 100);
  cairo_scale(cr, k, k);
  cairo_translate(cr, -60, -100);
  if (level >= 3) {
    cairo_pattern_t* aura = cairo_pattern_create_radial(60, 40, 10, 60, 40, 60);
    Rgb a = RgbHex(st.banner);
    cairo_pattern_add_color_stop_rgba(aura, 0, a.r, a.g, a.b, 0.5);
    cairo_pattern_add_color_stop_rgba(aura, 1, a.r, a.g, a.b, 0);
    cairo_set_source(cr, aura);
    cairo_paint(cr);
    cairo_pattern_destroy(aura);
  }
  Plinth(cr, s == kWinterTower ? RgbHex(0xb8c8da) : RgbHex(0xb5ab9c));
  if (level >= 2) {
    Banner(cr, 28, 54, -1, RgbHex(st.banner));
    Banner(cr, 92, 54, 1, RgbHex(st.banner));
  }
  Turret(cr, s, level);
  switch (s) {
    case kSpringTower:
      SpringCrown(cr, level);
      break;
    case kSummerTower:
      SummerCrown(cr, level);
      break;
    case kAutumnTower:
      AutumnCrown(cr, level);
      break;
    case kWinterTower:
      WinterCrown(cr, level);
      break;
  }
  if (level >= 3) {
    Gem(cr, 34, 92, RgbHex(st.trim));
    Gem(cr, 86, 92, RgbHex(st.trim));
  }
  cairo_restore(cr);
  for (int i = 0; i < level; ++i) LevelStar(cr, 60 + (i - (level - 1) / 2.0) * 16, 110, 7.5);
}

template <TowerSeason S, int Level>
static void Render(cairo_t* cr, int w, int h) {
  cairo_scale(cr, w / 120.0, h / 120.0);
  DrawTower(cr, S, Level);
}

#define TOWER(name, season)                                                 \
  out.push_back({"Tower/" name "Tower.png", 120, 120, Render<season, 1>});  \
  out.push_back({"Tower/" name "Tower2.png", 120, 120, Render<season, 2>}); \
  out.push_back({"Tower/" name "Tower3.png", 120, 120, Render<season, 3>})

void AddTowerPictures(std::vector<Picture>& out) {
  TOWER("Spring", kSpringTower);
  TOWER("Summer", kSummerTower);
  TOWER("Autumn", kAutumnTower);
  TOWER("Winter", kWinterTower);
}

}  // namespace sprites
