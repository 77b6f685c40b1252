// Button faces and their lit hover faces. Each plate covers exactly the part of
// its mesh that the screens treat as clickable, so what looks pressable is.
#include <cmath>
#include <string>
#include <utility>

#include "screens/ScreenPaint.h"

namespace {

// Pictures are drawn at twice the mesh size; plates are given in mesh pixels.
const int kScale = 2;

enum Icon { kNoIcon, kArrowLeft, kArrowRight, kLampOn, kLampOff };

struct Face {
  const char* name;
  const char* label;
  int meshW, meshH;
  double x0, y0, x1, y1;  // the plate, inside the click box on every screen that shows it
  Icon icon;
};

// Click boxes (window pixels) turned into mesh pixels: the main menu's column,
// the quit question, the options switches, the jump buttons, the wide buttons.
const Face kFaces[] = {
    {"NewGame", "New Game", 250, 60, 4, 6, 244, 50, kNoIcon},
    {"Help", "Help", 250, 60, 72, 1, 178, 45, kNoIcon},
    {"Options", "Options", 250, 60, 22, 6, 223, 50, kNoIcon},
    {"Credits", "Credits", 250, 60, 42, 6, 203, 50, kNoIcon},
    {"Exit", "Exit", 250, 60, 81, 6, 174, 50, kNoIcon},
    {"Yes", "Yes", 100, 60, 6, 6, 94, 50, kNoIcon},
    {"No", "No", 100, 60, 11, 6, 94, 50, kNoIcon},
    {"On", "On", 100, 60, 11, 6, 84, 50, kLampOn},
    {"Off", "Off", 100, 60, 11, 6, 84, 50, kLampOff},
    {"Back", "Back", 120, 60, 7, 6, 117, 50, kArrowLeft},
    {"Next", "Next", 120, 60, 3, 6, 113, 50, kArrowRight},
    {"PlayAgain", "Play Again", 400, 60, 82, 8, 318, 52, kNoIcon},
    {"TryAgain", "Try Again", 400, 60, 82, 11, 318, 55, kNoIcon},
    {"MapSelect", "Map Select", 400, 60, 82, 8, 318, 52, kNoIcon},
    {"ReturnToMenu", "Return to Menu", 400, 60, 72, 6, 328, 50, kNoIcon},
    {"Resume", "Resume", 400, 60, 82, 8, 318, 52, kNoIcon},
    {"QuitGame", "Quit Game", 400, 60, 82, 8, 318, 52, kNoIcon},
    {"HowToPlay", "How to Play", 400, 60, 82, 8, 318, 52, kNoIcon},
};

void PaintArrow(cairo_t* cr, double cx, double cy, double size, int dir, bool lit) {
  cairo_move_to(cr, cx - dir * size * 0.5, cy - size * 0.6);
  cairo_line_to(cr, cx + dir * size * 0.6, cy);
  cairo_line_to(cr, cx - dir * size * 0.5, cy + size * 0.6);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke_preserve(cr);
  SetRgb(cr, lit ? RgbHex(0xFFF3A0) : Ui::kCream);
  cairo_fill(cr);
}

void PaintLamp(cairo_t* cr, double cx, double cy, double r, bool on, bool lit) {
  Rgb colour = on ? RgbHex(0x5BE36B) : RgbHex(0xD8463C);
  if (!on && !lit) colour = Darker(colour, 0.25);
  if (on || lit) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, r * 0.5, cx, cy, r * 2.2);
    cairo_pattern_add_color_stop_rgba(glow, 0, colour.r, colour.g, colour.b, 0.6);
    cairo_pattern_add_color_stop_rgba(glow, 1, colour.r, colour.g, colour.b, 0);
    cairo_arc(cr, cx, cy, r * 2.2, 0, 2 * M_PI);
    FillPattern(cr, glow);
  }
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  SetRgb(cr, Ui::kInk);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r * 0.75, 0, 2 * M_PI);
  SetRgb(cr, colour);
  cairo_fill(cr);
  cairo_arc(cr, cx - r * 0.25, cy - r * 0.25, r * 0.28, 0, 2 * M_PI);
  SetRgb(cr, {1, 1, 1}, 0.7);
  cairo_fill(cr);
}

void PaintFace(cairo_t* cr, int w, const Face& f, bool lit) {
  cairo_scale(cr, static_cast<double>(w) / f.meshW, static_cast<double>(w) / f.meshW);
  double pw = f.x1 - f.x0, ph = f.y1 - f.y0;
  PaintPlate(cr, f.x0, f.y0, pw, ph, lit);

  double textLeft = f.x0 + ph * 0.4, textRight = f.x1 - ph * 0.4;
  double cy = f.y0 + ph / 2;
  if (f.icon == kArrowLeft) {
    PaintArrow(cr, f.x0 + ph * 0.5, cy, ph * 0.3, -1, lit);
    textLeft = f.x0 + ph * 0.8;
  } else if (f.icon == kArrowRight) {
    PaintArrow(cr, f.x1 - ph * 0.5, cy, ph * 0.3, 1, lit);
    textRight = f.x1 - ph * 0.8;
  } else if (f.icon == kLampOn || f.icon == kLampOff) {
    PaintLamp(cr, f.x0 + ph * 0.33, cy, ph * 0.14, f.icon == kLampOn, lit);
    textLeft = f.x0 + ph * 0.55;
    textRight = f.x1 - ph * 0.15;
  }
  Type type = FitType(cr, f.label, {"DejaVu Serif", true, 24}, textRight - textLeft);
  double cx = (textLeft + textRight) / 2;
  if (lit) {
    PaintLettering(cr, f.label, cx, cy, type, RgbHex(0xFFFFFF), RgbHex(0xFFE680), RgbHex(0x3B1E08), 2.2);
  } else {
    PaintLettering(cr, f.label, cx, cy, type, RgbHex(0xFFF7E2), RgbHex(0xEBCB8F), Ui::kInk, 2.2);
  }
}

// Labels of the options screen: no plate, a soft shadow band for contrast,
// an icon, and text ending at the same screen column for both rows.
void PaintMonitorIcon(cairo_t* cr, double cx, double cy) {
  RoundedRect(cr, cx - 15, cy - 12, 30, 20, 3);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 6);
  cairo_stroke_preserve(cr);
  SetRgb(cr, Ui::kCream);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  SetRgb(cr, RgbHex(0x6FB7E8));
  cairo_fill(cr);
  cairo_move_to(cr, cx - 7, cy + 14);
  cairo_line_to(cr, cx + 7, cy + 14);
  SetRgb(cr, Ui::kCream);
  cairo_stroke(cr);
}

void PaintSpeakerIcon(cairo_t* cr, double cx, double cy) {
  cairo_move_to(cr, cx - 14, cy - 5);
  cairo_line_to(cr, cx - 7, cy - 5);
  cairo_line_to(cr, cx + 2, cy - 13);
  cairo_line_to(cr, cx + 2, cy + 13);
  cairo_line_to(cr, cx - 7, cy + 5);
  cairo_line_to(cr, cx - 14, cy + 5);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  SetRgb(cr, Ui::kCream);
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double r : {8.0, 14.0}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + 2, cy, r, -0.8, 0.8);
  }
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetRgb(cr, Ui::kCream);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

void PaintLabel(cairo_t* cr, int w, const char* text, double right, bool monitor) {
  cairo_scale(cr, w / 400.0, w / 400.0);
  Type type = {"DejaVu Serif", true, 28};
  double tw = TextWidth(cr, text, type);
  double left = right - tw - 50;
  RoundedRect(cr, left - 12, 8, right - left + 24, 44, 22);
  SetRgb(cr, Ui::kNight, 0.35);
  cairo_fill(cr);
  if (monitor) {
    PaintMonitorIcon(cr, left + 18, 30);
  } else {
    PaintSpeakerIcon(cr, left + 20, 30);
  }
  PaintLettering(cr, text, right - tw / 2, 30, type, RgbHex(0xFFF7E2), RgbHex(0xEBCB8F), Ui::kInk, 2.4);
}

void PaintQuestion(cairo_t* cr, int w, int h) {
  cairo_scale(cr, w / 400.0, w / 400.0);
  // The ribbon's tails hang below the band: keep them inside the picture.
  PaintRibbon(cr, 200, 25, 320, 40, RgbHex(0x7A2E3B));
  PaintLettering(cr, "Are you sure?", 200, 23, {"DejaVu Serif", true, 26}, RgbHex(0xFFF7E2), RgbHex(0xF2CF86), Ui::kInk,
                 2.2);
}

template <int I, bool Lit>
void DrawFace(cairo_t* cr, int w, int) {
  PaintFace(cr, w, kFaces[I], Lit);
}

template <int I>
void AddPair(std::vector<Picture>& out) {
  const Face& f = kFaces[I];
  std::string base = std::string("Button/") + f.name;
  out.push_back({base + ".png", f.meshW * kScale, f.meshH * kScale, &DrawFace<I, false>});
  out.push_back({base + "Hover.png", f.meshW * kScale, f.meshH * kScale, &DrawFace<I, true>});
}

template <int... I>
void AddPairs(std::vector<Picture>& out, std::integer_sequence<int, I...>) {
  (AddPair<I>(out), ...);
}

}  // namespace

void AddButtonPictures(std::vector<Picture>& out) {
  constexpr int kCount = sizeof(kFaces) / sizeof(kFaces[0]);
  AddPairs(out, std::make_integer_sequence<int, kCount>());
  // The full-screen label sits at x -80, the sound label at x -30: both end at
  // window x 465, left of their switches.
  out.push_back({"Button/FullScreen.png", 800, 120,
                 [](cairo_t* cr, int w, int) { PaintLabel(cr, w, "Full Screen", 385, true); }});
  out.push_back(
      {"Button/Sound.png", 800, 120, [](cairo_t* cr, int w, int) { PaintLabel(cr, w, "Sound", 215, false); }});
  out.push_back({"Button/AreYouSure.png", 800, 120, &PaintQuestion});
}
