// The header and bottom strips of the playing screen. Each is drawn centred half
// a view left of the camera, so only its right half shows: picture x = 1440 +
// the camera-relative world x; rows count down from the strip's top edge.
#include <cmath>

#include "SpriteArt.h"

namespace sprites {

// The interface kit shared with the menus: honey wood, gold trim, cream and parchment.
static const Rgb kWoodTop = {0.60, 0.38, 0.21};
static const Rgb kWoodLow = {0.38, 0.22, 0.11};
static const Rgb kGold = {0.95, 0.75, 0.32};
static const Rgb kGoldDeep = {0.66, 0.44, 0.14};
static const Rgb kInk = {0.16, 0.09, 0.05};
static const Rgb kCream = {1.0, 0.95, 0.82};
static const Rgb kParchment = {0.98, 0.93, 0.80};
static const char* kFont = "DejaVu Sans";

static double PictureX(double worldX) {
  return 1440.0 + worldX;
}

static void Wood(cairo_t* cr, double w, double y0, double y1) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, kWoodTop.r, kWoodTop.g, kWoodTop.b);
  cairo_pattern_add_color_stop_rgb(g, 1, kWoodLow.r, kWoodLow.g, kWoodLow.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, y0, w, y1 - y0);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Long grain lines, wavy and faint.
  Noise rnd(5);
  cairo_set_line_width(cr, 2);
  for (double y = y0 + 7; y < y1 - 4; y += 9 + rnd.Next() * 6) {
    double phase = rnd.Next() * 6.28, amp = 1 + rnd.Next() * 2;
    cairo_move_to(cr, 0, y);
    for (double x = 0; x <= w; x += 24) cairo_line_to(cr, x, y + std::sin(x * 0.01 + phase) * amp);
    SetRgb(cr, kInk, 0.14 + rnd.Next() * 0.08);
    cairo_stroke(cr);
  }
}

static void GoldTrim(cairo_t* cr, double w, double y, double h) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.9, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0.5, kGold.r, kGold.g, kGold.b);
  cairo_pattern_add_color_stop_rgb(g, 1, kGoldDeep.r, kGoldDeep.g, kGoldDeep.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, y, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A recessed slot that keeps white text readable on the wood.
static void Slot(cairo_t* cr, double x0, double x1, double y0, double y1) {
  RoundedRect(cr, x0, y0, x1 - x0, y1 - y0, 8);
  SetRgb(cr, kInk, 0.62);
  cairo_fill(cr);
  RoundedRect(cr, x0 + 1, y0 + 1, x1 - x0 - 2, y1 - y0 - 2, 7);
  SetRgb(cr, kGold, 0.55);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, x0 + 8, y0 + 3.5);
  cairo_line_to(cr, x1 - 8, y0 + 3.5);
  SetRgb(cr, {0, 0, 0}, 0.35);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

static void Rivet(cairo_t* cr, double x, double y) {
  cairo_arc(cr, x, y, 3.5, 0, 2 * M_PI);
  FillShaded(cr, kGold, 1.5);
}

static void DrawHeader(cairo_t* cr, int w, int h) {
  Wood(cr, w, 0, h - 6);
  GoldTrim(cr, w, h - 6, 4);
  cairo_rectangle(cr, 0, h - 2, w, 2);
  SetRgb(cr, kInk);
  cairo_fill(cr);
  // Texts sit on baseline row 40 in 24-pixel bold monospace.
  Slot(cr, PictureX(-470), PictureX(-122), 12, 50);
  Slot(cr, PictureX(-92), PictureX(76), 12, 50);
  Slot(cr, PictureX(172), PictureX(282), 12, 50);
  Slot(cr, PictureX(362), PictureX(472), 12, 50);
  Heart(cr, PictureX(195), 32, 20);
  Coin(cr, PictureX(385), 32, 10);
  const double rivets[] = {-476, -107, -100, 84, 160, 294, 350};
  for (double x : rivets) {
    Rivet(cr, PictureX(x), 22);
    Rivet(cr, PictureX(x), 40);
  }
  (void)w;
}

// Bottom-strip rows: world y = -240 - row.
static const double kTowerX[] = {20, 135, 245, 350};
static const char* kSeasonNames[] = {"Spring", "Summer", "Autumn", "Winter"};
static const unsigned kSeasonGlow[] = {0xf49ac1, 0xffc933, 0xe8702a, 0x7fd0ff};

static void TowerSlot(cairo_t* cr, double cx, double cy, Rgb glow) {
  RoundedRect(cr, cx - 34, cy - 34, 68, 68, 10);
  SetRgb(cr, kInk, 0.8);
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy - 4, 4, cx, cy, 38);
  cairo_pattern_add_color_stop_rgba(g, 0, glow.r, glow.g, glow.b, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, glow.r, glow.g, glow.b, 0.08);
  cairo_set_source(cr, g);
  RoundedRect(cr, cx - 31, cy - 31, 62, 62, 8);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  RoundedRect(cr, cx - 33, cy - 33, 66, 66, 9);
  SetRgb(cr, kGold);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

static void DrawBottom(cairo_t* cr, int w, int h) {
  GoldTrim(cr, w, 2, 4);
  cairo_rectangle(cr, 0, 0, w, 2);
  SetRgb(cr, kInk);
  cairo_fill(cr);
  Wood(cr, w, 6, h);
  // Selected-tower panel: a 60 x 60 frame centred at (-345, -290), pips below it.
  double px = PictureX(-345);
  TowerSlot(cr, px, 50, RgbHex(0xfff1c8));
  RoundedRect(cr, px - 24, 87, 48, 16, 8);
  SetRgb(cr, kInk, 0.7);
  cairo_fill(cr);
  DrawTextCentred(cr, "level", PictureX(-398), 95, 11, kFont, true, kCream, 2.5, kInk);
  for (int j = 0; j < 3; ++j) {
    cairo_arc(cr, PictureX(-360 + 15 * j), 95, 6, 0, 2 * M_PI);
    SetRgb(cr, RgbHex(0x5a4030));
    cairo_fill_preserve(cr);
    SetRgb(cr, kGold, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  // Read-out plate for the blue damage text (baseline row 50 from x -280).
  RoundedRect(cr, PictureX(-292), 24, 208, 38, 8);
  SetRgb(cr, kParchment);
  cairo_fill_preserve(cr);
  SetRgb(cr, kGoldDeep);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  DrawTextCentred(cr, "tower stats", PictureX(-188), 78, 12, kFont, true, kCream);
  // Build bar.
  for (int i = 0; i < 4; ++i) {
    double cx = PictureX(kTowerX[i]);
    DrawTextCentred(cr, kSeasonNames[i], cx, 17, 13, kFont, true, kCream, 3, kInk);
    TowerSlot(cr, cx, 60, RgbHex(kSeasonGlow[i]));
    Coin(cr, cx - 12, 106, 7);
    DrawTextAt(cr, "30", cx - 2, 111, 15, kFont, true, RgbHex(0xffe08a));
  }
  // The build key's hint at the right end.
  double hx = PictureX(434);
  RoundedRect(cr, hx - 36, 42, 72, 34, 8);
  FillShaded(cr, kCream, 2.5);
  DrawTextCentred(cr, "B: build", hx, 59, 15, kFont, true, kInk);
  (void)h;
}

void AddInterfacePictures(std::vector<Picture>& out) {
  out.push_back({"GUI/HeaderGUI.png", 1920, 60, DrawHeader});
  out.push_back({"GUI/BottomGUI.png", 1920, 120, DrawBottom});
}

}  // namespace sprites
