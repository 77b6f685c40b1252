// Overlays laid over the playing field: the drilling-wave warning, the
// first-seconds tutorial and the pause menu's controls card. Mostly clear, so
// the field shows through.
#include <cmath>

#include "screens/ScreenPaint.h"

namespace {

const Rgb kHeading = {1.0, 0.85, 0.42};
const Rgb kLine = {0.98, 0.95, 0.88};
const Type kPanelHeading = {"DejaVu Serif", true, 19};
const Type kPanelText = {"DejaVu Sans", false, 15};

void PaintEdgeGlow(cairo_t* cr, int w, int h, Rgb colour, double depth, double alpha) {
  struct Edge {
    double x0, y0, x1, y1;
  };
  const Edge kEdges[] = {{0, 0, 0, depth},
                         {0, static_cast<double>(h), 0, h - depth},
                         {0, 0, depth, 0},
                         {static_cast<double>(w), 0, w - depth, 0}};
  for (const Edge& e : kEdges) {
    cairo_pattern_t* g = cairo_pattern_create_linear(e.x0, e.y0, e.x1, e.y1);
    cairo_pattern_add_color_stop_rgba(g, 0, colour.r, colour.g, colour.b, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1, colour.r, colour.g, colour.b, 0);
    cairo_rectangle(cr, 0, 0, w, h);
    FillPattern(cr, g);
  }
}

void PaintHazardBand(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  SetRgb(cr, RgbHex(0xFFC928));
  cairo_paint(cr);
  for (double sx = x - h; sx < x + w + h; sx += h * 1.6) {
    cairo_move_to(cr, sx, y + h);
    cairo_line_to(cr, sx + h * 0.8, y + h);
    cairo_line_to(cr, sx + h * 1.6, y);
    cairo_line_to(cr, sx + h * 0.8, y);
    cairo_close_path(cr);
  }
  SetRgb(cr, RgbHex(0x1A1410));
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawWarning(cairo_t* cr, int w, int h) {
  PaintEdgeGlow(cr, w, h, RgbHex(0xE01818), 150, 0.95);
  PaintVignette(cr, w, h, RgbHex(0xB00000), 0.0, 0.35);

  // The banner sits just under the header strip.
  double top = 78, bandH = 104;
  cairo_rectangle(cr, 0, top, w, bandH);
  SetRgb(cr, RgbHex(0x5A0608), 0.95);
  cairo_fill(cr);
  PaintHazardBand(cr, 0, top, w, 14);
  PaintHazardBand(cr, 0, top + bandH - 14, w, 14);
  PaintLettering(cr, "WARNING", w / 2.0, top + bandH / 2, {"DejaVu Sans", true, 62}, RgbHex(0xFFFFFF), RgbHex(0xFFD2C8),
                 RgbHex(0x3A0000), 3.5);
  // Exclamation signs either side of the word.
  for (int side = -1; side <= 1; side += 2) {
    double cx = w / 2.0 + side * 270, cy = top + bandH / 2;
    cairo_move_to(cr, cx, cy - 30);
    cairo_line_to(cr, cx + 34, cy + 28);
    cairo_line_to(cr, cx - 34, cy + 28);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetRgb(cr, RgbHex(0x1A1410));
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    SetRgb(cr, RgbHex(0xFFC928));
    cairo_fill(cr);
    PaintLettering(cr, "!", cx, cy + 6, {"DejaVu Sans", true, 34}, RgbHex(0x1A1410), RgbHex(0x1A1410), {0, 0, 0}, 0);
  }
  const char* kLine1 = "Drilling monsters ahead!";
  const char* kLine2 = "They dig new paths and crush the towers in their way.";
  RoundedRect(cr, w / 2.0 - 290, top + bandH + 12, 580, 66, 16);
  SetRgb(cr, RgbHex(0x2A0406), 0.8);
  cairo_fill(cr);
  PaintText(cr, kLine1, w / 2.0, top + bandH + 40, {"DejaVu Serif", true, 22}, RgbHex(0xFFD2A0), kCentre);
  PaintText(cr, kLine2, w / 2.0, top + bandH + 66, {"DejaVu Sans", false, 16}, kLine, kCentre);
}

void PaintStepRow(cairo_t* cr, double x, double y, const char* text) {
  PaintText(cr, text, x, y, kPanelText, kLine);
}

void PaintMiniGrass(cairo_t* cr, double x, double y, double s, bool green) {
  cairo_rectangle(cr, x, y, s, s);
  SetRgb(cr, RgbHex(0x74BE5A));
  cairo_fill(cr);
  cairo_rectangle(cr, x + 2, y + 2, s - 4, s - 4);
  SetRgb(cr, green ? RgbHex(0x3CE05A) : RgbHex(0x74BE5A), 0.7);
  cairo_fill_preserve(cr);
  SetRgb(cr, green ? RgbHex(0x1E8A34) : RgbHex(0x4E8A3C));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void DrawTutorial(cairo_t* cr, int w, int h) {
  const double alpha = 0.8;
  // The top panels keep to the field's first two rows.
  double x = 16, y = 70;
  PaintGlassPanel(cr, x, y, 300, 106, alpha);
  PaintText(cr, "Build a tower", x + 16, y + 24, kPanelHeading, kHeading);
  PaintKeyCap(cr, "B", x + 30, y + 44, 23, 22);
  PaintStepRow(cr, x + 52, y + 49, "Press B (needs 30 money)");
  RoundedRect(cr, x + 19, y + 56, 22, 20, 4);
  SetRgb(cr, RgbHex(0x7A5A40));
  cairo_fill(cr);
  PaintSeasonEmblem(cr, 3, x + 30, y + 66, 7);
  PaintStepRow(cr, x + 52, y + 71, "Click a season button below");
  PaintMiniGrass(cr, x + 20, y + 78, 20, true);
  PaintStepRow(cr, x + 52, y + 93, "Click green grass to build");

  // Top right: selling and upgrading.
  x = w - 316;
  PaintGlassPanel(cr, x, y, 300, 106, alpha);
  PaintText(cr, "Your towers", x + 16, y + 24, kPanelHeading, kHeading);
  double cx = x + 60, cy = y + 62;
  for (int c = -1; c <= 1; ++c) PaintMiniGrass(cr, cx - 14 + c * 30, cy - 14, 28, false);
  PaintTower(cr, cx, cy + 12, 34, PaletteOf(1).roof);
  PaintCoin(cr, cx - 30, cy, 9);
  cairo_move_to(cr, cx + 30, cy - 10);
  cairo_line_to(cr, cx + 40, cy + 1);
  cairo_line_to(cr, cx + 20, cy + 1);
  cairo_close_path(cr);
  cairo_rectangle(cr, cx + 26, cy + 1, 8, 8);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  SetRgb(cr, RgbHex(0x3CC45A));
  cairo_fill(cr);
  PaintStepRow(cr, x + 118, y + 49, "Click a tower, then:");
  PaintStepRow(cr, x + 118, y + 71, "left cell: sell");
  PaintStepRow(cr, x + 118, y + 93, "right cell: upgrade");

  // Bottom left, above the build bar: pause and scrolling.
  x = 16;
  y = 500;
  PaintGlassPanel(cr, x, y, 300, 88, alpha);
  PaintKeyCap(cr, "Esc", x + 34, y + 26, 40, 28);
  PaintStepRow(cr, x + 66, y + 32, "Pause the game");
  PaintStepRow(cr, x + 16, y + 68, "Cursor at a side edge: scroll");

  // Over the build bar's four season buttons (window x 461 to 859), pointing down at each.
  x = 461;
  y = 540;
  PaintGlassPanel(cr, x, y, 398, 40, alpha);
  PaintText(cr, "Season buttons", x + 199, y + 27, {"DejaVu Serif", true, 18}, kHeading, kCentre);
  for (int i = 0; i < 4; ++i) {
    double ax = 495 + i * 110;
    cairo_move_to(cr, ax - 10, y + 43);
    cairo_line_to(cr, ax + 10, y + 43);
    cairo_line_to(cr, ax, y + 58);
    cairo_close_path(cr);
    SetRgb(cr, kHeading);
    cairo_fill_preserve(cr);
    SetRgb(cr, Ui::kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

// Not shown by the game today: a controls card under the pause menu's buttons.
void DrawPauseHelp(cairo_t* cr, int w, int h) {
  double x = w / 2.0 - 330, y = 526;
  PaintGlassPanel(cr, x, y, 660, 166, 0.85);
  PaintText(cr, "Controls", w / 2.0, y + 30, kPanelHeading, kHeading, kCentre);
  const char* kLeft[] = {"B: build mode (30 money)", "Click a season, then green grass",
                         "Click a tower: its range shows", "Cursor at a side edge: scroll"};
  const char* kRight[] = {"Cell left of a tower: sell", "Cell right of it: upgrade (50, 80)", "Esc: pause",
                          "Hold right mouse: back to the left end"};
  for (int i = 0; i < 4; ++i) {
    PaintText(cr, kLeft[i], x + 24, y + 60 + i * 26, kPanelText, kLine);
    PaintText(cr, kRight[i], x + 345, y + 60 + i * 26, kPanelText, kLine);
  }
}

}  // namespace

void AddOverlayPictures(std::vector<Picture>& out) {
  out.push_back({"Background/WarningBG.png", 960, 720, &DrawWarning});
  out.push_back({"Misc/Tutorial.png", 960, 720, &DrawTutorial});
  out.push_back({"Misc/PauseHelp.png", 960, 720, &DrawPauseHelp});
}
