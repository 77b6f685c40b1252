// Small field pictures: health bars, placement preview cells, the upgrade and
// sell markers beside a selected tower, upgrade smoke and the warning sign.
#include <cmath>
#include <string>

#include "SpriteArt.h"

namespace sprites {

static const char* kFont = "DejaVu Sans";

// Bars are stretched to 40 x 8 and shorter: a vertical gradient only, no border.
static void Bar(cairo_t* cr, int w, int h, unsigned top, unsigned mid, unsigned low) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  Rgb a = RgbHex(top), b = RgbHex(mid), c = RgbHex(low);
  cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g, 0.35, b.r, b.g, b.b);
  cairo_pattern_add_color_stop_rgb(g, 1, c.r, c.g, c.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}
static void DrawGreenBar(cairo_t* cr, int w, int h) {
  Bar(cr, w, h, 0xb4ff8a, 0x3fcf3a, 0x1a7a24);
}
static void DrawRedBar(cairo_t* cr, int w, int h) {
  Bar(cr, w, h, 0xff9a8a, 0xd8302a, 0x701414);
}

static void Cell(cairo_t* cr, int w, int h, bool ok) {
  Rgb fill = ok ? RgbHex(0x35d84a) : RgbHex(0xf03a30), rim = ok ? RgbHex(0xbaffb0) : RgbHex(0xffb0a8);
  RoundedRect(cr, 3, 3, w - 6, h - 6, 14);
  SetRgb(cr, fill, 0.8);
  cairo_fill_preserve(cr);
  SetRgb(cr, rim);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    if (ok) {
      cairo_move_to(cr, 38, 62);
      cairo_line_to(cr, 54, 78);
      cairo_line_to(cr, 84, 44);
    } else {
      cairo_move_to(cr, 42, 42);
      cairo_line_to(cr, 78, 78);
      cairo_move_to(cr, 78, 42);
      cairo_line_to(cr, 42, 78);
    }
    SetRgb(cr, pass ? Rgb{1, 1, 1} : InkOf(fill), pass ? 1.0 : 0.6);
    cairo_set_line_width(cr, pass ? 11 : 17);
    cairo_stroke(cr);
  }
}
static void DrawGreenTile(cairo_t* cr, int w, int h) {
  Cell(cr, w, h, true);
}
static void DrawRedTile(cairo_t* cr, int w, int h) {
  Cell(cr, w, h, false);
}

static void Badge(cairo_t* cr, Rgb colour) {
  cairo_arc(cr, 60, 60, 55, 0, 2 * M_PI);
  FillShaded(cr, RgbHex(0xf2c14a), 4);
  cairo_arc(cr, 60, 60, 47, 0, 2 * M_PI);
  FillShaded(cr, colour, 3);
  Gleam(cr, 42, 34, 16, 7, -0.6, 0.35);
}

static void Price(cairo_t* cr, const char* text, double cy) {
  DrawTextCentred(cr, text, 60, cy, 34, kFont, true, {1, 1, 1}, 7, RgbHex(0x1c1424));
}

// Bright on purpose: the level greys this marker out when money is short.
template <int Cost>
static void DrawUpgrade(cairo_t* cr, int, int) {
  Badge(cr, RgbHex(0x3cc84a));
  cairo_move_to(cr, 60, 14);
  cairo_line_to(cr, 86, 42);
  cairo_line_to(cr, 71, 42);
  cairo_line_to(cr, 71, 60);
  cairo_line_to(cr, 49, 60);
  cairo_line_to(cr, 49, 42);
  cairo_line_to(cr, 34, 42);
  cairo_close_path(cr);
  FillShaded(cr, RgbHex(0xfff4a8), 4);
  Price(cr, std::to_string(Cost).c_str(), 82);
}

template <int Refund>
static void DrawSell(cairo_t* cr, int, int) {
  Badge(cr, RgbHex(0xe0533a));
  Coin(cr, 60, 38, 19);
  Price(cr, ("+" + std::to_string(Refund)).c_str(), 82);
}

static void DrawSmoke(cairo_t* cr, int w, int) {
  cairo_scale(cr, w / 64.0, w / 64.0);
  const double puffs[][3] = {{32, 36, 20}, {22, 30, 13}, {42, 28, 14}, {30, 22, 12}, {40, 42, 12}, {22, 42, 11}};
  for (const auto& p : puffs) {
    cairo_pattern_t* g = cairo_pattern_create_radial(p[0] - p[2] * 0.3, p[1] - p[2] * 0.3, 0, p[0], p[1], p[2]);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.97, 0.97, 0.98, 0.75);
    cairo_pattern_add_color_stop_rgba(g, 0.6, 0.86, 0.86, 0.88, 0.5);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.8, 0.8, 0.82, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, p[0], p[1], p[2], 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

static void DrawWarning(cairo_t* cr, int, int) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, 60, 10);
  cairo_line_to(cr, 112, 104);
  cairo_line_to(cr, 8, 104);
  cairo_close_path(cr);
  SetRgb(cr, RgbHex(0x2a1c14));
  cairo_set_line_width(cr, 14);
  cairo_stroke_preserve(cr);
  FillShaded(cr, RgbHex(0xffc933), 0);
  cairo_move_to(cr, 60, 28);
  cairo_line_to(cr, 96, 94);
  cairo_line_to(cr, 24, 94);
  cairo_close_path(cr);
  SetRgb(cr, RgbHex(0x2a1c14));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  RoundedRect(cr, 54, 44, 12, 30, 5);
  SetRgb(cr, RgbHex(0x2a1c14));
  cairo_fill(cr);
  cairo_arc(cr, 60, 84, 6.5, 0, 2 * M_PI);
  cairo_fill(cr);
}

void AddMarkerPictures(std::vector<Picture>& out) {
  out.push_back({"Misc/GHP.png", 32, 32, DrawGreenBar});
  out.push_back({"Misc/RHP.png", 32, 32, DrawRedBar});
  out.push_back({"Misc/GreenTile.png", 120, 120, DrawGreenTile});
  out.push_back({"Misc/RedTile.png", 120, 120, DrawRedTile});
  out.push_back({"Misc/Upgrade1.png", 120, 120, DrawUpgrade<50>});
  out.push_back({"Misc/Upgrade2.png", 120, 120, DrawUpgrade<80>});
  out.push_back({"Misc/Sell1.png", 120, 120, DrawSell<15>});
  out.push_back({"Misc/Sell2.png", 120, 120, DrawSell<40>});
  out.push_back({"Misc/Sell3.png", 120, 120, DrawSell<80>});
  out.push_back({"Misc/Smoke.png", 64, 64, DrawSmoke});
  out.push_back({"Misc/Warning.png", 120, 120, DrawWarning});
}

}  // namespace sprites
