// Screen titles (the game's logo among them) and the engine's splash logo.
#include <cmath>

#include "screens/ScreenPaint.h"

namespace {

const Rgb kGoldTop = {1.0, 0.95, 0.66};
const Rgb kGoldLow = {0.93, 0.58, 0.13};

void PaintSparkle(cairo_t* cr, double cx, double cy, double r, double alpha) {
  cairo_move_to(cr, cx, cy - r);
  cairo_curve_to(cr, cx + r * 0.1, cy - r * 0.1, cx + r * 0.1, cy - r * 0.1, cx + r, cy);
  cairo_curve_to(cr, cx + r * 0.1, cy + r * 0.1, cx + r * 0.1, cy + r * 0.1, cx, cy + r);
  cairo_curve_to(cr, cx - r * 0.1, cy + r * 0.1, cx - r * 0.1, cy + r * 0.1, cx - r, cy);
  cairo_curve_to(cr, cx - r * 0.1, cy - r * 0.1, cx - r * 0.1, cy - r * 0.1, cx, cy - r);
  SetRgb(cr, RgbHex(0xFFFBE6), alpha);
  cairo_fill(cr);
}

// The game's name: gold letters under the four season emblems, with a motto ribbon.
void DrawGameTitle(cairo_t* cr, int w, int) {
  cairo_scale(cr, w / 500.0, w / 500.0);
  const char* kName = "Orvane";
  Type type = {"DejaVu Serif", true, 100};
  // A pale halo behind the word keeps it readable over any sky.
  cairo_pattern_t* halo = cairo_pattern_create_radial(250, 92, 20, 250, 92, 230);
  cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.97, 0.85, 0.55);
  cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.97, 0.85, 0);
  cairo_save(cr);
  cairo_scale(cr, 1.0, 0.45);
  cairo_arc(cr, 250, 92 / 0.45, 230, 0, 2 * M_PI);
  cairo_restore(cr);
  FillPattern(cr, halo);

  PaintRibbon(cr, 250, 162, 330, 40, RgbHex(0x2F6E4A));
  PaintLettering(cr, "Defenders of the Seasons", 250, 160, {"DejaVu Serif", true, 17}, Ui::kCream, RgbHex(0xF2D9A0),
                 Ui::kInk, 1.6);

  // Two outlines: dark ink inside a cream rim.
  PaintLettering(cr, kName, 250, 92, type, Ui::kCream, Ui::kCream, Ui::kCream, 9);
  PaintLettering(cr, kName, 250, 92, type, kGoldTop, kGoldLow, RgbHex(0x4A230C), 4.5);
  // Light along the upper half of the letters.
  PaintSparkle(cr, 112, 58, 14, 0.95);
  PaintSparkle(cr, 395, 120, 10, 0.9);

  double xs[4] = {88, 190, 310, 412};
  for (int s = 1; s <= 4; ++s) PaintSeasonEmblem(cr, s, xs[s - 1], 22 + (s == 2 || s == 3 ? -4 : 6), 15);
}

struct TitleSpec {
  const char* text;
  unsigned ribbon;
  Rgb top, low;
};

void PaintTitle(cairo_t* cr, int w, const TitleSpec& t, int emblemSeason) {
  cairo_save(cr);
  cairo_scale(cr, w / 500.0, w / 500.0);
  PaintRibbon(cr, 250, 110, 380, 84, RgbHex(t.ribbon));
  Type type = FitType(cr, t.text, {"DejaVu Serif", true, 58}, 340);
  PaintLettering(cr, t.text, 250, 104, type, Ui::kCream, Ui::kCream, Ui::kCream, 7);
  PaintLettering(cr, t.text, 250, 104, type, t.top, t.low, RgbHex(0x3A1A08), 3.5);
  if (emblemSeason > 0) {
    PaintSeasonEmblem(cr, emblemSeason, 250, 38, 22);
  }
  cairo_restore(cr);
}

void DrawVictory(cairo_t* cr, int w, int) {
  cairo_save(cr);
  cairo_scale(cr, w / 500.0, w / 500.0);
  // Rays behind the banner, flattened so they fade before the picture's top edge.
  cairo_translate(cr, 0, 110 * 0.55);
  cairo_scale(cr, 1.0, 0.45);
  for (int i = 0; i < 16; ++i) {
    double a = M_PI + i * M_PI / 15;
    cairo_move_to(cr, 250, 110);
    cairo_arc(cr, 250, 110, 240, a - 0.05, a + 0.05);
    cairo_close_path(cr);
  }
  cairo_pattern_t* g = cairo_pattern_create_radial(250, 110, 40, 250, 110, 240);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.5, 0.7);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.5, 0);
  FillPattern(cr, g);
  cairo_restore(cr);
  PaintTitle(cr, w, {"Victory!", 0x2F5FB3, kGoldTop, kGoldLow}, 2);
  cairo_scale(cr, w / 500.0, w / 500.0);
  PaintSparkle(cr, 70, 60, 14, 0.95);
  PaintSparkle(cr, 440, 70, 11, 0.95);
  PaintSparkle(cr, 420, 170, 9, 0.9);
  PaintSparkle(cr, 85, 165, 8, 0.9);
}

void DrawDefeat(cairo_t* cr, int w, int) {
  PaintTitle(cr, w, {"Defeat", 0x6E1C28, RgbHex(0xF4F1EC), RgbHex(0x9AA0A8)}, 0);
  cairo_scale(cr, w / 500.0, w / 500.0);
  // A cracked shield above the word.
  cairo_move_to(cr, 226, 14);
  cairo_line_to(cr, 274, 14);
  cairo_curve_to(cr, 274, 40, 266, 54, 250, 64);
  cairo_curve_to(cr, 234, 54, 226, 40, 226, 14);
  cairo_close_path(cr);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetRgb(cr, RgbHex(0x8C929C));
  cairo_fill(cr);
  cairo_move_to(cr, 252, 14);
  cairo_line_to(cr, 244, 30);
  cairo_line_to(cr, 256, 40);
  cairo_line_to(cr, 248, 62);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
}

template <int I>
void DrawPlainTitle(cairo_t* cr, int w, int) {
  static const TitleSpec kSpecs[] = {
      {"Paused", 0x2E6F7A, kGoldTop, kGoldLow},
      {"Help", 0x3C8D4F, kGoldTop, kGoldLow},
      {"Options", 0x6B3FA0, kGoldTop, kGoldLow},
      {"Choose a Map", 0xB8562A, kGoldTop, kGoldLow},
  };
  static const int kEmblems[] = {4, 1, 3, 2};
  PaintTitle(cr, w, kSpecs[I], kEmblems[I]);
}

// The engine's splash: a faceted V emblem beside the name, on transparent
// ground so it fades straight out of the black screen.
void DrawEngineLogo(cairo_t* cr, int w, int) {
  cairo_scale(cr, w / 610.0, w / 610.0);
  double cx = 95, cy = 89, r = 66;
  cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, r * 0.4, cx, cy, r * 1.5);
  cairo_pattern_add_color_stop_rgba(glow, 0, 0.35, 0.75, 1.0, 0.45);
  cairo_pattern_add_color_stop_rgba(glow, 1, 0.35, 0.75, 1.0, 0);
  cairo_arc(cr, cx, cy, r * 1.5, 0, 2 * M_PI);
  FillPattern(cr, glow);
  // Hexagon frame.
  for (int i = 0; i < 6; ++i) {
    double a = M_PI / 6 + i * M_PI / 3;
    cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
  }
  cairo_close_path(cr);
  cairo_pattern_t* body = cairo_pattern_create_linear(cx, cy - r, cx, cy + r);
  cairo_pattern_add_color_stop_rgb(body, 0, 0.16, 0.22, 0.42);
  cairo_pattern_add_color_stop_rgb(body, 1, 0.06, 0.08, 0.18);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  cairo_set_line_width(cr, 5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, RgbHex(0x6FD3FF));
  cairo_stroke(cr);
  // The V in two facets, lit from the left.
  cairo_move_to(cr, cx - 38, cy - 34);
  cairo_line_to(cr, cx - 16, cy - 34);
  cairo_line_to(cr, cx, cy + 14);
  cairo_line_to(cr, cx, cy + 40);
  cairo_close_path(cr);
  SetRgb(cr, RgbHex(0xE8F7FF));
  cairo_fill(cr);
  cairo_move_to(cr, cx + 38, cy - 34);
  cairo_line_to(cr, cx + 16, cy - 34);
  cairo_line_to(cr, cx, cy + 14);
  cairo_line_to(cr, cx, cy + 40);
  cairo_close_path(cr);
  SetRgb(cr, RgbHex(0x4FB4F0));
  cairo_fill(cr);

  Type name = {"DejaVu Sans", true, 84};
  cairo_save(cr);
  cairo_select_font_face(cr, name.family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, name.size);
  cairo_move_to(cr, 190, 104);
  cairo_text_path(cr, "VEXOR");
  cairo_pattern_t* metal = cairo_pattern_create_linear(0, 40, 0, 104);
  cairo_pattern_add_color_stop_rgb(metal, 0, 1.0, 1.0, 1.0);
  cairo_pattern_add_color_stop_rgb(metal, 0.55, 0.78, 0.88, 0.97);
  cairo_pattern_add_color_stop_rgb(metal, 0.56, 0.55, 0.68, 0.82);
  cairo_pattern_add_color_stop_rgb(metal, 1, 0.80, 0.90, 1.0);
  FillPattern(cr, metal);
  cairo_restore(cr);
  // "ENGINE" spaced out to the width of the name.
  const char* kEngine = "ENGINE";
  Type small = {"DejaVu Sans", true, 28};
  double nameWidth = TextWidth(cr, "VEXOR", name);
  double step = (nameWidth - TextWidth(cr, "E", small)) / 5.0;
  for (int i = 0; i < 6; ++i) {
    char letter[2] = {kEngine[i], 0};
    PaintText(cr, letter, 192 + i * step, 146, small, RgbHex(0x6FD3FF));
  }
  cairo_rectangle(cr, 190, 116, nameWidth, 4);
  SetRgb(cr, RgbHex(0x6FD3FF), 0.8);
  cairo_fill(cr);
}

}  // namespace

void AddTitlePictures(std::vector<Picture>& out) {
  out.push_back({"Title/Orvane.png", 1000, 400, &DrawGameTitle});
  out.push_back({"Title/Victory.png", 1000, 400, &DrawVictory});
  out.push_back({"Title/Defeat.png", 1000, 400, &DrawDefeat});
  out.push_back({"Title/Paused.png", 1000, 400, &DrawPlainTitle<0>});
  out.push_back({"Title/Help.png", 1000, 400, &DrawPlainTitle<1>});
  out.push_back({"Title/Options.png", 1000, 400, &DrawPlainTitle<2>});
  out.push_back({"Title/MapSelect.png", 1000, 400, &DrawPlainTitle<3>});
  out.push_back({"Misc/Logo.png", 1220, 356, &DrawEngineLogo});
}
