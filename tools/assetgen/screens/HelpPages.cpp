// The two help pages: the controls and the goal, each a parchment of six
// illustrated cards. The bottom corners stay free for the back and next buttons.
#include <cmath>

#include "screens/ScreenPaint.h"

namespace {

const Rgb kCardInk = {0.27, 0.16, 0.08};
const Rgb kBodyInk = {0.22, 0.16, 0.12};
const double kCardW = 410, kCardH = 140;

enum Cell { kGrass, kPath, kRock, kGreenPreview, kRedPreview };

void PaintMiniCell(cairo_t* cr, double x, double y, double s, Cell kind) {
  static const unsigned kFill[] = {0x74BE5A, 0xE2C48E, 0x9A9A92, 0x74BE5A, 0xB4A27A};
  cairo_rectangle(cr, x, y, s, s);
  SetRgb(cr, RgbHex(kFill[kind]));
  cairo_fill(cr);
  if (kind == kRock) {
    cairo_arc(cr, x + s * 0.5, y + s * 0.55, s * 0.28, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    SetRgb(cr, RgbHex(0x6B6B66));
    cairo_fill(cr);
  }
  if (kind == kGreenPreview || kind == kRedPreview) {
    cairo_rectangle(cr, x + 2, y + 2, s - 4, s - 4);
    SetRgb(cr, kind == kGreenPreview ? RgbHex(0x3CE05A) : RgbHex(0xE8403A), 0.55);
    cairo_fill_preserve(cr);
    SetRgb(cr, kind == kGreenPreview ? RgbHex(0x1E8A34) : RgbHex(0x9A1E18));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
  cairo_rectangle(cr, x, y, s, s);
  SetRgb(cr, Ui::kInk, 0.25);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void PaintMiniTower(cairo_t* cr, double cx, double baseY, double size, int season) {
  PaintTower(cr, cx, baseY, size, PaletteOf(season).roof);
  PaintSeasonEmblem(cr, season, cx, baseY - size * 0.36, size * 0.11);
}

void PaintMonster(cairo_t* cr, double cx, double cy, double r, Rgb colour) {
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  SetRgb(cr, Ui::kInk);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r - 2, 0, 2 * M_PI);
  SetRgb(cr, colour);
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_arc(cr, cx + side * r * 0.35 + r * 0.15, cy - r * 0.15, r * 0.24, 0, 2 * M_PI);
    SetRgb(cr, {1, 1, 1});
    cairo_fill(cr);
    cairo_arc(cr, cx + side * r * 0.35 + r * 0.22, cy - r * 0.15, r * 0.12, 0, 2 * M_PI);
    SetRgb(cr, Ui::kInk);
    cairo_fill(cr);
  }
}

void PaintDrill(cairo_t* cr, double cx, double cy, double r) {
  cairo_move_to(cr, cx + r * 0.6, cy - r * 0.55);
  cairo_line_to(cr, cx + r * 1.9, cy);
  cairo_line_to(cr, cx + r * 0.6, cy + r * 0.55);
  cairo_close_path(cr);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 4);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - r * 0.55, 0, cy + r * 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.92, 0.93, 0.95);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.45, 0.48, 0.55);
  FillPattern(cr, g);
  for (double t : {0.25, 0.5, 0.75}) {
    double x = cx + r * (0.6 + 1.3 * t), half = r * 0.55 * (1 - t);
    cairo_move_to(cr, x - r * 0.12, cy - half);
    cairo_line_to(cr, x + r * 0.12, cy + half);
  }
  SetRgb(cr, Ui::kInk, 0.7);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  PaintMonster(cr, cx, cy, r, RgbHex(0x9C6ADE));
}

void PaintArrowLine(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb colour) {
  double a = std::atan2(y1 - y0, x1 - x0);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1 - std::cos(a) * 10, y1 - std::sin(a) * 10);
  SetRgb(cr, colour);
  cairo_set_line_width(cr, 5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x1 - std::cos(a - 0.5) * 16, y1 - std::sin(a - 0.5) * 16);
  cairo_line_to(cr, x1 - std::cos(a + 0.5) * 16, y1 - std::sin(a + 0.5) * 16);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void PaintMouse(cairo_t* cr, double cx, double cy, bool rightHeld) {
  RoundedRect(cr, cx - 18, cy - 26, 36, 52, 17);
  SetRgb(cr, RgbHex(0xF4F4F0));
  cairo_fill_preserve(cr);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  if (rightHeld) {
    cairo_move_to(cr, cx, cy - 26);
    cairo_arc(cr, cx, cy - 9, 17, -M_PI / 2, 0);
    cairo_line_to(cr, cx + 18, cy - 6);
    cairo_line_to(cr, cx, cy - 6);
    cairo_close_path(cr);
    SetRgb(cr, RgbHex(0xF2A33A));
    cairo_fill(cr);
  }
  cairo_move_to(cr, cx, cy - 26);
  cairo_line_to(cr, cx, cy - 6);
  cairo_move_to(cr, cx - 18, cy - 6);
  cairo_line_to(cr, cx + 18, cy - 6);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

// The card: a slate for the picture on the left, heading and text on the right.
// Returns the centre of the slate.
void PaintCard(cairo_t* cr, double x, double y, const char* heading, const char* body, double* slateX, double* slateY) {
  RoundedRect(cr, x, y, kCardW, kCardH, 12);
  SetRgb(cr, RgbHex(0xFFF6DE), 0.75);
  cairo_fill_preserve(cr);
  SetRgb(cr, RgbHex(0xB98D52), 0.9);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  RoundedRect(cr, x + 10, y + 10, 120, kCardH - 20, 10);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y + 10, 0, y + kCardH - 10);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.80, 0.91, 0.98);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.93, 0.88, 0.74);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetRgb(cr, RgbHex(0xB98D52));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  PaintText(cr, heading, x + 144, y + 32, {"DejaVu Serif", true, 20}, kCardInk);
  PaintWrapped(cr, body, x + 144, y + 56, kCardW - 156, {"DejaVu Sans", false, 15}, kBodyInk, 19);
  *slateX = x + 70;
  *slateY = y + kCardH / 2;
}

void PaintPage(cairo_t* cr, int w, int h, const char* subtitle, const char* page) {
  PaintYearPanorama(cr, w, h, 7);
  cairo_rectangle(cr, 0, 0, w, h);
  SetRgb(cr, RgbHex(0x1A1030), 0.45);
  cairo_fill(cr);
  PaintParchment(cr, 28, 22, w - 56, 548);
  PaintRibbon(cr, w / 2.0, 58, 340, 54, RgbHex(0x3C8D4F));
  PaintLettering(cr, "How to Play", w / 2.0, 55, {"DejaVu Serif", true, 32}, RgbHex(0xFFF4C2), RgbHex(0xF2B640),
                 Ui::kInk, 2.5);
  PaintText(cr, subtitle, 60, 66, {"DejaVu Serif", true, 22}, kCardInk);
  PaintText(cr, page, w - 60, 66, {"DejaVu Serif", true, 20}, RgbHex(0x8A6A42), kRight);
}

double CardX(int column) {
  return 60 + column * (kCardW + 20);
}

double CardY(int row) {
  return 100 + row * (kCardH + 12);
}

void DrawControls(cairo_t* cr, int w, int h) {
  PaintPage(cr, w, h, "Controls", "1 / 2");
  double sx, sy;

  PaintCard(cr, CardX(0), CardY(0), "1. Build mode",
            "Press B to enter build mode. You need 30 money: each tower costs 30.", &sx, &sy);
  PaintKeyCap(cr, "B", sx, sy - 8, 54, 50);
  PaintCoin(cr, sx - 24, sy + 38, 12);
  PaintText(cr, "30", sx - 6, sy + 45, {"DejaVu Sans", true, 18}, kCardInk);

  PaintCard(cr, CardX(1), CardY(0), "2. Pick a season",
            "Click a season button in the build bar at the bottom of the screen.", &sx, &sy);
  RoundedRect(cr, sx - 54, sy - 10, 108, 40, 6);
  SetRgb(cr, RgbHex(0x4A3020));
  cairo_fill(cr);
  for (int s = 1; s <= 4; ++s) {
    double bx = sx - 54 + 4 + (s - 1) * 26;
    RoundedRect(cr, bx, sy - 6, 22, 32, 4);
    SetRgb(cr, s == 3 ? RgbHex(0xFFE27A) : RgbHex(0x7A5A40));
    cairo_fill(cr);
    PaintSeasonEmblem(cr, s, bx + 11, sy + 10, 8);
  }
  PaintArrowLine(cr, sx + 10, sy - 48, sx + 10, sy - 14, RgbHex(0xC0392B));

  PaintCard(cr, CardX(0), CardY(1), "3. Place it",
            "Click a free grass cell. The preview is green where you can build, red where you cannot.", &sx, &sy);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      Cell kind = r == 1 ? kPath : kGrass;
      if (r == 0 && c == 1) kind = kGreenPreview;
      if (r == 1 && c == 2) kind = kRedPreview;
      if (r == 2 && c == 0) kind = kRock;
      PaintMiniCell(cr, sx - 51 + c * 34, sy - 51 + r * 34, 34, kind);
    }
  }

  PaintCard(cr, CardX(1), CardY(1), "4. Select a tower",
            "Click a tower to select it: its range shows as a circle around it.", &sx, &sy);
  cairo_arc(cr, sx, sy, 50, 0, 2 * M_PI);
  SetRgb(cr, RgbHex(0xFFFFFF), 0.35);
  cairo_fill_preserve(cr);
  SetRgb(cr, RgbHex(0x3A7BD5));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  PaintMiniTower(cr, sx, sy + 26, 64, 4);

  PaintCard(cr, CardX(0), CardY(2), "5. Sell or upgrade",
            "Click the cell LEFT of it to sell (15 / 40 / 80 back), the cell RIGHT of it to upgrade (50, then 80; "
            "it takes 3 s).",
            &sx, &sy);
  for (int c = 0; c < 3; ++c) PaintMiniCell(cr, sx - 54 + c * 36, sy - 18, 36, kGrass);
  PaintMiniTower(cr, sx, sy + 16, 44, 2);
  PaintCoin(cr, sx - 36, sy, 11);
  cairo_move_to(cr, sx + 36, sy - 13);
  cairo_line_to(cr, sx + 48, sy + 2);
  cairo_line_to(cr, sx + 41, sy + 2);
  cairo_line_to(cr, sx + 41, sy + 12);
  cairo_line_to(cr, sx + 31, sy + 12);
  cairo_line_to(cr, sx + 31, sy + 2);
  cairo_line_to(cr, sx + 24, sy + 2);
  cairo_close_path(cr);
  SetRgb(cr, RgbHex(0x2FA84F));
  cairo_fill_preserve(cr);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  PaintText(cr, "sell", sx - 36, sy + 40, {"DejaVu Sans", true, 12}, kCardInk, kCentre);
  PaintText(cr, "upgrade", sx + 32, sy + 40, {"DejaVu Sans", true, 12}, kCardInk, kCentre);

  PaintCard(cr, CardX(1), CardY(2), "6. View and pause",
            "Move the cursor to the left or right edge to scroll. Hold the right mouse button to return to the left "
            "end. Esc pauses.",
            &sx, &sy);
  PaintMouse(cr, sx - 22, sy - 12, true);
  PaintArrowLine(cr, sx + 6, sy - 24, sx + 50, sy - 24, RgbHex(0x3A7BD5));
  PaintKeyCap(cr, "Esc", sx + 26, sy + 28, 48, 36);
}

void DrawObjective(cairo_t* cr, int w, int h) {
  PaintPage(cr, w, h, "The Goal", "2 / 2");
  double sx, sy;

  PaintCard(cr, CardX(0), CardY(0), "Hold the road",
            "Ten waves of monsters walk the road from the left edge of the map to the right.", &sx, &sy);
  for (int c = 0; c < 3; ++c) PaintMiniCell(cr, sx - 54 + c * 36, sy - 18, 36, kPath);
  PaintMonster(cr, sx - 36, sy, 12, RgbHex(0xF2C14E));
  PaintMonster(cr, sx - 6, sy, 12, RgbHex(0x7CC8F0));
  PaintArrowLine(cr, sx - 50, sy + 36, sx + 50, sy + 36, RgbHex(0xC0392B));
  cairo_move_to(cr, sx + 40, sy + 18);
  cairo_line_to(cr, sx + 40, sy - 40);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_move_to(cr, sx + 40, sy - 40);
  cairo_line_to(cr, sx + 60, sy - 33);
  cairo_line_to(cr, sx + 40, sy - 26);
  SetRgb(cr, RgbHex(0xC0392B));
  cairo_fill(cr);

  PaintCard(cr, CardX(1), CardY(0), "Guard your lives",
            "Each monster that gets through costs a life; in the last wave, five.", &sx, &sy);
  PaintHeart(cr, sx - 22, sy - 10, 20);
  PaintHeart(cr, sx + 22, sy - 10, 20);
  PaintLettering(cr, "-1", sx, sy + 36, {"DejaVu Sans", true, 22}, RgbHex(0xE2384D), RgbHex(0xB01E30), Ui::kCream, 2);

  PaintCard(cr, CardX(0), CardY(1), "Earn money", "Every monster you stop earns money, and each wave cleared adds +30.",
            &sx, &sy);
  PaintCoin(cr, sx - 16, sy - 6, 22);
  PaintCoin(cr, sx + 14, sy + 8, 18);
  PaintLettering(cr, "+30", sx, sy + 40, {"DejaVu Sans", true, 20}, RgbHex(0x3FB45A), RgbHex(0x1E7A34), Ui::kCream, 2);

  PaintCard(cr, CardX(1), CardY(1), "The seasons turn",
            "After every wave the season changes. Towers of that season hit 1.5x harder.", &sx, &sy);
  for (int s = 1; s <= 4; ++s) {
    double a = -M_PI / 2 + (s - 1) * M_PI / 2;
    PaintSeasonEmblem(cr, s, sx + std::cos(a) * 40, sy + std::sin(a) * 40, 14);
  }
  PaintLettering(cr, "1.5x", sx, sy, {"DejaVu Sans", true, 15}, kCardInk, kCardInk, Ui::kCream, 2);

  PaintCard(cr, CardX(0), CardY(2), "Beware the drillers",
            "Drilling monsters in waves 4 and 7 dig straight ahead, open new paths and destroy towers in their way.",
            &sx, &sy);
  PaintMiniCell(cr, sx - 54, sy - 18, 36, kPath);
  PaintMiniCell(cr, sx - 18, sy - 18, 36, kGrass);
  PaintMiniCell(cr, sx + 18, sy - 18, 36, kGrass);
  PaintMiniTower(cr, sx + 36, sy + 14, 44, 1);
  PaintDrill(cr, sx - 38, sy, 13);
  // Clods thrown up by the drill.
  for (int i = 0; i < 4; ++i) {
    cairo_arc(cr, sx - 6 + i * 6, sy - 24 - (i % 2) * 8, 3, 0, 2 * M_PI);
    SetRgb(cr, RgbHex(0x8A5A30));
    cairo_fill(cr);
  }
  PaintArrowLine(cr, sx - 40, sy + 36, sx + 40, sy + 36, RgbHex(0xC0392B));

  PaintCard(cr, CardX(1), CardY(2), "Win the year",
            "Stop all ten waves to win. If your lives run out, the land is lost.", &sx, &sy);
  // A golden cup.
  cairo_move_to(cr, sx - 26, sy - 34);
  cairo_line_to(cr, sx + 26, sy - 34);
  cairo_curve_to(cr, sx + 26, sy - 2, sx + 12, sy + 8, sx, sy + 8);
  cairo_curve_to(cr, sx - 12, sy + 8, sx - 26, sy - 2, sx - 26, sy - 34);
  cairo_close_path(cr);
  cairo_rectangle(cr, sx - 5, sy + 6, 10, 16);
  cairo_rectangle(cr, sx - 20, sy + 22, 40, 10);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  SetRgb(cr, RgbHex(0xF2B632));
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, sx + side * 28, sy - 22, 10, 0, 2 * M_PI);
  }
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  PaintSeasonEmblem(cr, 2, sx, sy - 16, 10);
}

}  // namespace

void AddHelpPictures(std::vector<Picture>& out) {
  out.push_back({"Background/HelpControls.png", 960, 720, &DrawControls});
  out.push_back({"Background/HelpObjective.png", 960, 720, &DrawObjective});
}
