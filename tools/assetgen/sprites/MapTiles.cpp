// Map cells: the cobbled path (one for all seasons) and each season's grass and
// rock. All repeat every 120 pixels, and rock is drawn over the same grass so
// every pair of neighbours meets without a seam.
#include <cmath>
#include <cstdint>

#include "SpriteArt.h"

namespace sprites {

static const int kTile = 120;

enum Season { kSpring, kSummer, kAutumn, kWinter };

struct GroundStyle {
  unsigned low, high, grain;  // noise colours and fine speckle
};

static const GroundStyle kGround[] = {
    {0x4f9a3a, 0x86c94f, 0x3d7f2c},
    {0x9aa83c, 0xcdc35a, 0x83862e},
    {0x8a5a26, 0xb8793a, 0x6e4220},
    {0xc9d8ea, 0xf6f9ff, 0xb2c6de},
};

// Paints a per-pixel field computed by fn(x, y) -> 0xRRGGBB over the whole tile.
template <typename Fn>
static void PaintPixels(cairo_t* cr, int w, int h, Fn fn) {
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  unsigned char* data = cairo_image_surface_get_data(img);
  int stride = cairo_image_surface_get_stride(img);
  for (int y = 0; y < h; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; ++x) row[x] = 0xFF000000u | fn(x, y);
  }
  cairo_surface_mark_dirty(img);
  cairo_set_source_surface(cr, img, 0, 0);
  cairo_paint(cr);
  cairo_surface_destroy(img);
}

static uint32_t Pack(Rgb c) {
  auto ch = [](double v) { return static_cast<uint32_t>(std::lround(std::fmin(1.0, std::fmax(0.0, v)) * 255.0)); };
  return (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
}

static void PaintGround(cairo_t* cr, Season s) {
  const GroundStyle& g = kGround[s];
  Rgb low = RgbHex(g.low), high = RgbHex(g.high), grain = RgbHex(g.grain);
  PaintPixels(cr, kTile, kTile, [&](int x, int y) {
    double n = TileNoise(x, y, kTile, 11, 3, 3);
    double fine = TileNoise(x, y, kTile, 23, 30, 2);
    Rgb c = Mix(low, high, std::fmin(1.0, std::fmax(0.0, (n - 0.25) * 1.8)));
    if (fine < 0.32) c = Mix(c, grain, (0.32 - fine) * 2.2);
    if (fine > 0.72) c = Lighter(c, (fine - 0.72) * 0.5);
    return Pack(c);
  });
}

// Draws fn at (x, y) and at its wrapped copies, so features crossing an edge
// come back on the opposite side.
template <typename Fn>
static void Wrapped(double x, double y, double reach, Fn fn) {
  for (int oy = -1; oy <= 1; ++oy) {
    for (int ox = -1; ox <= 1; ++ox) {
      double px = x + ox * kTile, py = y + oy * kTile;
      if (px + reach < 0 || px - reach > kTile || py + reach < 0 || py - reach > kTile) continue;
      fn(px, py);
    }
  }
}

static void Tuft(cairo_t* cr, double x, double y, Rgb c, double height) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 2.4);
  const double lean[] = {-0.55, -0.1, 0.45};
  for (int i = 0; i < 3; ++i) {
    double hgt = height * (i == 1 ? 1.0 : 0.75);
    cairo_move_to(cr, x + (i - 1) * 2.2, y);
    cairo_curve_to(cr, x + (i - 1) * 2.2, y - hgt * 0.5, x + lean[i] * hgt * 0.6, y - hgt * 0.8, x + lean[i] * hgt,
                   y - hgt);
    SetRgb(cr, i == 1 ? Lighter(c, 0.15) : c);
    cairo_stroke(cr);
  }
}

static void Blossom(cairo_t* cr, double x, double y, double r, Rgb petal, Rgb heart) {
  for (int i = 0; i < 5; ++i) {
    double a = i * 2 * M_PI / 5;
    cairo_arc(cr, x + std::cos(a) * r * 0.7, y + std::sin(a) * r * 0.7, r * 0.55, 0, 2 * M_PI);
    SetRgb(cr, petal);
    cairo_fill(cr);
  }
  cairo_arc(cr, x, y, r * 0.4, 0, 2 * M_PI);
  SetRgb(cr, heart);
  cairo_fill(cr);
}

static void Leaf(cairo_t* cr, double x, double y, double size, double angle, Rgb c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, -size, 0);
  cairo_curve_to(cr, -size * 0.4, -size * 0.75, size * 0.5, -size * 0.6, size, 0);
  cairo_curve_to(cr, size * 0.5, size * 0.6, -size * 0.4, size * 0.75, -size, 0);
  cairo_close_path(cr);
  SetRgb(cr, c);
  cairo_fill(cr);
  cairo_move_to(cr, -size * 0.9, 0);
  cairo_line_to(cr, size * 0.7, 0);
  SetRgb(cr, Darker(c, 0.35));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  cairo_restore(cr);
}

static void Sparkle(cairo_t* cr, double x, double y, double r) {
  StarPath(cr, x, y, r, r * 0.3, 4);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  cairo_fill(cr);
}

static void PaintGrassDetail(cairo_t* cr, Season s) {
  Noise rnd(100 + s);
  Rgb tuft = Darker(RgbHex(kGround[s].low), 0.15);
  if (s == kWinter) tuft = RgbHex(0x8a9a6a);
  int tufts = s == kWinter ? 5 : 14;
  for (int i = 0; i < tufts; ++i) {
    double x = rnd.Next() * kTile, y = rnd.Next() * kTile, hgt = 7 + rnd.Next() * 4;
    Wrapped(x, y, 12, [&](double px, double py) { Tuft(cr, px, py, tuft, hgt); });
  }
  int extras = s == kSpring ? 7 : s == kSummer ? 6 : s == kAutumn ? 14 : 9;
  for (int i = 0; i < extras; ++i) {
    double x = rnd.Next() * kTile, y = rnd.Next() * kTile, v = rnd.Next(), a = rnd.Next() * 2 * M_PI;
    Wrapped(x, y, 10, [&](double px, double py) {
      switch (s) {
        case kSpring:
          Blossom(cr, px, py, 4.2, v < 0.6 ? RgbHex(0xffb3cf) : RgbHex(0xffffff), RgbHex(0xffd84a));
          break;
        case kSummer:
          Blossom(cr, px, py, 4.0, v < 0.7 ? RgbHex(0xffd23a) : RgbHex(0xffffff), RgbHex(0xe08a1e));
          break;
        case kAutumn: {
          const unsigned leaves[] = {0xf07a22, 0xd23c1e, 0xffb52e, 0xa8461c};
          Leaf(cr, px, py, 6.5, a, RgbHex(leaves[static_cast<int>(v * 4) % 4]));
          break;
        }
        case kWinter:
          if (v < 0.5) {
            Sparkle(cr, px, py, 3.5);
          } else {
            Ellipse(cr, px, py, 6, 3);
            cairo_set_source_rgba(cr, 0.55, 0.68, 0.85, 0.35);
            cairo_fill(cr);
          }
          break;
      }
    });
  }
}

static void PaintGrass(cairo_t* cr, Season s) {
  PaintGround(cr, s);
  PaintGrassDetail(cr, s);
}

struct RockStyle {
  unsigned stone, dressing;
};
static const RockStyle kRock[] = {
    {0x8d8f99, 0x5e9e3a},  // moss
    {0xc2a27a, 0xe8d7a0},  // sun-bleached sandstone
    {0x8c7f78, 0xd0621e},  // fallen leaves
    {0x8596ad, 0xffffff},  // snow caps
};

static void Boulder(cairo_t* cr, double cx, double cy, double r, Season s, unsigned seed) {
  Noise rnd(seed);
  const RockStyle& st = kRock[s];
  GroundShadow(cr, cx + r * 0.15, cy + r * 0.72, r * 1.05, r * 0.35, 0.45);
  cairo_new_path(cr);
  // A lumpy outline: curves through the midpoints of a jittered polygon.
  const int corners = 8;
  double px[corners], py[corners];
  for (int i = 0; i < corners; ++i) {
    double a = i * 2 * M_PI / corners + 0.2;
    double rr = r * (0.88 + rnd.Next() * 0.22) * (std::sin(a) > 0 ? 0.82 : 1.0);
    px[i] = cx + std::cos(a) * rr * 1.12;
    py[i] = cy + std::sin(a) * rr;
  }
  cairo_move_to(cr, (px[0] + px[1]) / 2, (py[0] + py[1]) / 2);
  for (int i = 1; i <= corners; ++i) {
    int k = i % corners, n = (i + 1) % corners;
    cairo_curve_to(cr, px[k], py[k], px[k], py[k], (px[k] + px[n]) / 2, (py[k] + py[n]) / 2);
  }
  cairo_close_path(cr);
  cairo_path_t* outline = cairo_copy_path(cr);
  FillShaded(cr, RgbHex(st.stone), 3.0);
  // Facets: a lit top plane and a crack make the lump read as stone.
  cairo_save(cr);
  cairo_append_path(cr, outline);
  cairo_clip(cr);
  Ellipse(cr, cx - r * 0.2, cy - r * 0.45, r * 0.75, r * 0.38);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
  cairo_fill(cr);
  cairo_move_to(cr, cx + r * 0.35, cy - r * 0.1);
  cairo_curve_to(cr, cx + r * 0.5, cy + r * 0.15, cx + r * 0.35, cy + r * 0.3, cx + r * 0.55, cy + r * 0.55);
  SetRgb(cr, InkOf(RgbHex(st.stone)), 0.6);
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  Rgb dress = RgbHex(st.dressing);
  switch (s) {
    case kSpring:
      Ellipse(cr, cx - r * 0.35, cy - r * 0.7, r * 0.55, r * 0.3);
      SetRgb(cr, dress);
      cairo_fill(cr);
      Ellipse(cr, cx - r * 0.45, cy - r * 0.78, r * 0.28, r * 0.12);
      SetRgb(cr, Lighter(dress, 0.3));
      cairo_fill(cr);
      break;
    case kSummer:
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, cx - r * 0.8, cy + r * (0.05 + 0.22 * i));
        cairo_line_to(cr, cx + r * 0.9, cy + r * (0.0 + 0.22 * i));
      }
      SetRgb(cr, Darker(RgbHex(st.stone), 0.18), 0.6);
      cairo_set_line_width(cr, 2.0);
      cairo_stroke(cr);
      break;
    case kAutumn:
      break;
    case kWinter:
      cairo_move_to(cr, cx - r * 1.2, cy - r * 0.35);
      cairo_curve_to(cr, cx - r * 0.6, cy - r * 0.15, cx - r * 0.3, cy - r * 0.4, cx, cy - r * 0.25);
      cairo_curve_to(cr, cx + r * 0.4, cy - r * 0.1, cx + r * 0.7, cy - r * 0.35, cx + r * 1.2, cy - r * 0.3);
      cairo_line_to(cr, cx + r * 1.2, cy - r * 1.2);
      cairo_line_to(cr, cx - r * 1.2, cy - r * 1.2);
      cairo_close_path(cr);
      SetRgb(cr, dress);
      cairo_fill(cr);
      break;
  }
  cairo_restore(cr);
  cairo_append_path(cr, outline);
  SetRgb(cr, InkOf(RgbHex(st.stone)));
  cairo_set_line_width(cr, 3.0);
  cairo_stroke(cr);
  cairo_path_destroy(outline);
  if (s == kAutumn) {
    Leaf(cr, cx - r * 0.2, cy - r * 0.62, 6, 0.4, RgbHex(0xe0651c));
    Leaf(cr, cx + r * 0.35, cy - r * 0.5, 5, -0.9, RgbHex(0xc23b1e));
  }
}

static void PaintRock(cairo_t* cr, Season s) {
  PaintGrass(cr, s);
  // Trampled gravel under the stones, fading out well before the edges.
  cairo_pattern_t* g = cairo_pattern_create_radial(60, 62, 14, 60, 62, 58);
  Rgb dirt = s == kWinter ? RgbHex(0xa9b7c9) : Darker(RgbHex(kRock[s].stone), 0.25);
  cairo_pattern_add_color_stop_rgba(g, 0, dirt.r, dirt.g, dirt.b, 0.5);
  cairo_pattern_add_color_stop_rgba(g, 0.7, dirt.r, dirt.g, dirt.b, 0.3);
  cairo_pattern_add_color_stop_rgba(g, 1, dirt.r, dirt.g, dirt.b, 0.0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  Noise rnd(300 + s);
  for (int i = 0; i < 10; ++i) {
    double a = rnd.Next() * 2 * M_PI, d = 34 + rnd.Next() * 14;
    Ellipse(cr, 60 + std::cos(a) * d, 64 + std::sin(a) * d * 0.8, 3.5, 2.5);
    FillInked(cr, Lighter(RgbHex(kRock[s].stone), 0.1), 1.5);
  }
  Boulder(cr, 36, 44, 24, s, 7 + s);
  Boulder(cr, 84, 40, 21, s, 13 + s);
  Boulder(cr, 90, 82, 17, s, 19 + s);
  Boulder(cr, 52, 80, 29, s, 29 + s);
}

// Sandy cobbles: jittered cells of a 4 x 4 grid, measured with wrap-around so
// the stones continue across the edges.
static void PaintPath(cairo_t* cr, int w, int h) {
  const int cells = 4;
  const double size = static_cast<double>(kTile) / cells;
  double fx[cells][cells], fy[cells][cells], tone[cells][cells];
  Noise rnd(77);
  for (int j = 0; j < cells; ++j) {
    for (int i = 0; i < cells; ++i) {
      double shift = (j % 2) ? 0.5 : 0.0;  // running bond
      fx[j][i] = (i + shift + 0.3 + rnd.Next() * 0.4) * size;
      fy[j][i] = (j + 0.3 + rnd.Next() * 0.4) * size;
      tone[j][i] = rnd.Next();
    }
  }
  Rgb stoneA = RgbHex(0xd8c59a), stoneB = RgbHex(0xbfa57a), mortar = RgbHex(0x8c7250);
  PaintPixels(cr, w, h, [&](int x, int y) {
    double best = 1e9, second = 1e9;
    int bi = 0, bj = 0;
    double bdx = 0, bdy = 0;
    for (int j = 0; j < cells; ++j) {
      for (int i = 0; i < cells; ++i) {
        double dx = x + 0.5 - fx[j][i], dy = y + 0.5 - fy[j][i];
        dx -= std::round(dx / kTile) * kTile;
        dy -= std::round(dy / kTile) * kTile;
        double d = std::sqrt(dx * dx + dy * dy * 1.3);
        if (d < best) {
          second = best;
          best = d;
          bi = i;
          bj = j;
          bdx = dx;
          bdy = dy;
        } else if (d < second) {
          second = d;
        }
      }
    }
    double edge = second - best;  // distance to the joint between stones
    double grit = TileNoise(x, y, kTile, 41, 24, 2);
    Rgb stone = Mix(stoneA, stoneB, tone[bj][bi]);
    // Light from the top left: stones bulge, brighter on that side.
    double lit = -(bdx + bdy) / (size * 1.2);
    stone = lit > 0 ? Lighter(stone, lit * 0.25) : Darker(stone, -lit * 0.22);
    stone = Mix(stone, Darker(stone, 0.2), grit * 0.5);
    Rgb c;
    if (edge < 2.5) {
      c = Mix(mortar, Darker(mortar, 0.2), grit);
    } else if (edge < 5.0) {
      c = Mix(Darker(stone, 0.3), stone, (edge - 2.5) / 2.5);
    } else {
      c = stone;
    }
    return Pack(c);
  });
}

template <Season S>
static void DrawGrass(cairo_t* cr, int, int) {
  PaintGrass(cr, S);
}
template <Season S>
static void DrawRock(cairo_t* cr, int, int) {
  PaintRock(cr, S);
}

void AddMapPictures(std::vector<Picture>& out) {
  out.push_back({"Map/Tile.jpg", kTile, kTile, PaintPath});
  out.push_back({"Map/SpringGrass.png", kTile, kTile, DrawGrass<kSpring>});
  out.push_back({"Map/SpringRock.png", kTile, kTile, DrawRock<kSpring>});
  out.push_back({"Map/SummerGrass.png", kTile, kTile, DrawGrass<kSummer>});
  out.push_back({"Map/SummerRock.png", kTile, kTile, DrawRock<kSummer>});
  out.push_back({"Map/AutumnGrass.png", kTile, kTile, DrawGrass<kAutumn>});
  out.push_back({"Map/AutumnRock.png", kTile, kTile, DrawRock<kAutumn>});
  out.push_back({"Map/WinterGrass.png", kTile, kTile, DrawGrass<kWinter>});
  out.push_back({"Map/WinterRock.png", kTile, kTile, DrawRock<kWinter>});
}

}  // namespace sprites
