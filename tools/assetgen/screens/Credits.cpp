// The credits page and the team's splash: who made the game and the libraries
// it stands on.
#include <cmath>

#include "screens/ScreenPaint.h"

namespace {

const Rgb kInkBrown = {0.27, 0.16, 0.08};

struct Library {
  const char* name;
  const char* role;
};

const Library kLibraries[] = {
    {"SDL2", "window, input and timing"}, {"SDL2_image", "image loading"},   {"SDL2_mixer", "music and sound"},
    {"GLEW", "OpenGL entry points"},      {"FreeType", "font rendering"},    {"fontconfig", "font lookup"},
    {"Cairo", "drawing every picture"},   {"libvorbis", "Ogg Vorbis audio"}, {"Mesa", "OpenGL drivers"},
};

void PaintStarrySky(cairo_t* cr, int w, int h, unsigned seed) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.04, 0.05, 0.13);
  cairo_pattern_add_color_stop_rgb(sky, 0.65, 0.13, 0.12, 0.30);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.32, 0.20, 0.36);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  Noise n(seed);
  for (int i = 0; i < 160; ++i) {
    double x = n.Next() * w, y = n.Next() * h * 0.7, r = 1.0 + n.Next() * 1.6;
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    SetRgb(cr, {1, 0.97, 0.88}, 0.35 + n.Next() * 0.6);
    cairo_fill(cr);
  }
}

// Night hills with the four seasons' towers keeping watch, windows lit.
void PaintNightLand(cairo_t* cr, int w, int h) {
  Ridge far = MakeRidge(h * 0.78, h * 0.03, 61);
  Ridge near = MakeRidge(h * 0.88, h * 0.02, 62);
  PaintRidge(cr, far, w, h, RgbHex(0x2A2346), RgbHex(0x1E1A36));
  double xs[4] = {w * 0.12, w * 0.3, w * 0.7, w * 0.88};
  // The towers in a group, so night can fall on their stone alone.
  cairo_push_group(cr);
  for (int s = 1; s <= 4; ++s) {
    double x = xs[s - 1];
    PaintTower(cr, x, far.At(x) + 8, 70, PaletteOf(s).roof);
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  SetRgb(cr, RgbHex(0x1E1A40), 0.6);
  cairo_paint(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  for (int s = 1; s <= 4; ++s) {
    double x = xs[s - 1], wy = far.At(x) + 8 - 70 * 0.62 + 70 * 0.18;
    cairo_pattern_t* lamp = cairo_pattern_create_radial(x, wy, 2, x, wy, 20);
    cairo_pattern_add_color_stop_rgba(lamp, 0, 1, 0.85, 0.45, 0.9);
    cairo_pattern_add_color_stop_rgba(lamp, 1, 1, 0.85, 0.45, 0);
    cairo_arc(cr, x, wy, 20, 0, 2 * M_PI);
    cairo_set_source(cr, lamp);
    cairo_fill(cr);
    cairo_pattern_destroy(lamp);
  }
  PaintRidge(cr, near, w, h, RgbHex(0x171329), RgbHex(0x0E0B1C));
}

void DrawCredits(cairo_t* cr, int w, int h) {
  PaintYearPanorama(cr, w, h, 7);
  cairo_rectangle(cr, 0, 0, w, h);
  SetRgb(cr, RgbHex(0x1A1030), 0.45);
  cairo_fill(cr);
  PaintParchment(cr, 60, 22, w - 120, 520);
  PaintRibbon(cr, w / 2.0, 60, 300, 56, RgbHex(0x6B3FA0));
  PaintLettering(cr, "Credits", w / 2.0, 57, {"DejaVu Serif", true, 34}, RgbHex(0xFFF4C2), RgbHex(0xF2B640), Ui::kInk,
                 2.5);

  PaintLettering(cr, "Orvane", w / 2.0, 138, {"DejaVu Serif", true, 44}, RgbHex(0xFFE9A0), RgbHex(0xE08F1E),
                 RgbHex(0x4A230C), 3);
  PaintText(cr, "A tower defence of the four seasons", w / 2.0, 184, {"DejaVu Serif", false, 18}, kInkBrown, kCentre);
  PaintText(cr, "Design, code, pictures and sound", w / 2.0, 226, {"DejaVu Sans", false, 17}, kInkBrown, kCentre);
  PaintText(cr, "the Orvane team", w / 2.0, 256, {"DejaVu Serif", true, 24}, RgbHex(0x7A2E3B), kCentre);
  const double kEmblemX[] = {-190, -140, 140, 190};
  for (int s = 1; s <= 4; ++s) PaintSeasonEmblem(cr, s, w / 2.0 + kEmblemX[s - 1], 136, 17);

  cairo_move_to(cr, 160, 282);
  cairo_line_to(cr, w - 160, 282);
  SetRgb(cr, RgbHex(0xB98D52));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  PaintText(cr, "Built with, and with thanks to", w / 2.0, 312, {"DejaVu Serif", true, 19}, kInkBrown, kCentre);
  for (int i = 0; i < 9; ++i) {
    double x = 120 + (i % 3) * 250, y = 352 + (i / 3) * 52;
    PaintText(cr, kLibraries[i].name, x, y, {"DejaVu Sans", true, 18}, RgbHex(0x2F5F8F));
    PaintText(cr, kLibraries[i].role, x, y + 21, {"DejaVu Sans", false, 14}, kInkBrown);
  }
  PaintText(cr, "Every picture and sound in the game is drawn and played by its own code.", w / 2.0, 524,
            {"DejaVu Sans", false, 15}, RgbHex(0x6A4A2A), kCentre);
  // Bottom right: a farewell; the bottom left is the back button's.
  PaintLettering(cr, "Thank you for playing!", 640, 590, {"DejaVu Serif", true, 26}, RgbHex(0xFFF4C2), RgbHex(0xF2B640),
                 Ui::kInk, 2.5);
}

void DrawTeam(cairo_t* cr, int w, int h) {
  PaintStarrySky(cr, w, h, 12);
  // The moon, and a soft glow behind the name.
  PaintSun(cr, w * 0.82, h * 0.16, 34, RgbHex(0xFFF6DA), RgbHex(0x9FA8FF));
  cairo_pattern_t* glow = cairo_pattern_create_radial(w / 2.0, h * 0.42, 10, w / 2.0, h * 0.42, 360);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.85, 0.5, 0.25);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.85, 0.5, 0);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  PaintNightLand(cr, w, h);

  for (int s = 1; s <= 4; ++s) {
    double a = M_PI * (1.25 + (s - 1) / 6.0);
    PaintSeasonEmblem(cr, s, w / 2.0 + std::cos(a) * 230, h * 0.44 + std::sin(a) * 150, 22);
  }
  PaintLettering(cr, "The Orvane team", w / 2.0, h * 0.38, {"DejaVu Serif", true, 64}, RgbHex(0xFFF2B0),
                 RgbHex(0xE89A22), RgbHex(0x3A1A08), 4);
  PaintText(cr, "presents", w / 2.0, h * 0.38 + 78, {"DejaVu Serif", false, 30}, RgbHex(0xF4E6C8), kCentre);

  PaintText(cr, "With thanks to SDL2, SDL2_image, SDL2_mixer, GLEW, FreeType,", w / 2.0, h * 0.66,
            {"DejaVu Sans", false, 17}, RgbHex(0xD9D2F0), kCentre);
  PaintText(cr, "fontconfig, Cairo, libvorbis and Mesa.", w / 2.0, h * 0.66 + 26, {"DejaVu Sans", false, 17},
            RgbHex(0xD9D2F0), kCentre);
}

}  // namespace

void AddCreditPictures(std::vector<Picture>& out) {
  out.push_back({"Background/CreditsBG.png", 960, 720, &DrawCredits});
  out.push_back({"Background/TeamBG.png", 960, 720, &DrawTeam});
}
