// Full-screen backdrops: the menu's year panorama, victory, defeat, the pause
// veil and the four seasonal landscapes behind the field.
#include <cmath>

#include "screens/ScreenPaint.h"

namespace {

// The monsters' road winds across the foreground, sandy in the warm seasons
// and snowed over in winter.
void PaintRoad(cairo_t* cr, int w, int h) {
  auto trace = [&]() {
    cairo_move_to(cr, -40, h - 70);
    cairo_curve_to(cr, w * 0.25, h - 20, w * 0.45, h - 110, w * 0.62, h - 62);
    cairo_curve_to(cr, w * 0.78, h - 20, w * 0.9, h - 90, w + 40, h - 58);
  };
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  trace();
  SetRgb(cr, RgbHex(0x6E4E2A), 0.35);
  cairo_set_line_width(cr, 62);
  cairo_stroke(cr);
  trace();
  cairo_pattern_t* sand = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgb(sand, 0, 0.90, 0.80, 0.58);
  cairo_pattern_add_color_stop_rgb(sand, 0.55, 0.88, 0.74, 0.50);
  cairo_pattern_add_color_stop_rgb(sand, 0.7, 0.84, 0.66, 0.42);
  cairo_pattern_add_color_stop_rgb(sand, 0.8, 0.93, 0.95, 0.98);
  cairo_pattern_add_color_stop_rgb(sand, 1, 0.93, 0.95, 0.98);
  cairo_set_source(cr, sand);
  cairo_set_line_width(cr, 50);
  cairo_stroke(cr);
  cairo_pattern_destroy(sand);
  // A worn, lighter middle.
  trace();
  SetRgb(cr, {1, 1, 1}, 0.18);
  cairo_set_line_width(cr, 22);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void DrawMenu(cairo_t* cr, int w, int h) {
  PaintYearPanorama(cr, w, h, 7);
  PaintRoad(cr, w, h);
  // A soft dusk at the edges pulls the eye to the centre column.
  PaintVignette(cr, w, h, RgbHex(0x1A1030), 0.0, 0.45);
}

void PaintBunting(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, unsigned seed) {
  static const unsigned kFlags[] = {0xE84A5F, 0xFFD447, 0x4FB0E8, 0x6CC66A, 0xF29A3A};
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0 + (x1 - x0) / 3, y0 + sag, x0 + 2 * (x1 - x0) / 3, y1 + sag, x1, y1);
  SetRgb(cr, Ui::kInk, 0.8);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  const int count = 9;
  for (int i = 1; i < count; ++i) {
    double t = static_cast<double>(i) / count;
    // Point on the cubic above, for the flag's top edge.
    double u = 1 - t;
    double x = u * u * u * x0 + 3 * u * u * t * (x0 + (x1 - x0) / 3) + 3 * u * t * t * (x0 + 2 * (x1 - x0) / 3) +
               t * t * t * x1;
    double y = u * u * u * y0 + 3 * u * u * t * (y0 + sag) + 3 * u * t * t * (y1 + sag) + t * t * t * y1;
    cairo_move_to(cr, x - 13, y);
    cairo_line_to(cr, x + 13, y);
    cairo_line_to(cr, x, y + 30);
    cairo_close_path(cr);
    SetRgb(cr, RgbHex(kFlags[(i + seed) % 5]));
    cairo_fill_preserve(cr);
    SetRgb(cr, Ui::kInk, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void DrawWin(cairo_t* cr, int w, int h) {
  PaintSeasonScene(cr, w, h, 2, 21, 0, w);
  // Golden rays from behind the title.
  cairo_save(cr);
  for (int i = 0; i < 24; ++i) {
    double a = i * M_PI / 12;
    cairo_move_to(cr, w / 2.0, 150);
    cairo_arc(cr, w / 2.0, 150, 900, a - 0.07, a + 0.07);
    cairo_close_path(cr);
  }
  cairo_pattern_t* rays = cairo_pattern_create_radial(w / 2.0, 150, 60, w / 2.0, 150, 620);
  cairo_pattern_add_color_stop_rgba(rays, 0, 1, 0.95, 0.7, 0.55);
  cairo_pattern_add_color_stop_rgba(rays, 1, 1, 0.95, 0.7, 0);
  FillPattern(cr, rays);
  cairo_restore(cr);
  PaintBunting(cr, -10, 20, 330, 60, 70, 0);
  PaintBunting(cr, w - 330, 60, w + 10, 20, 70, 2);
  // Confetti, thicker towards the sides so the buttons stay clear.
  Noise n(77);
  static const unsigned kColours[] = {0xE84A5F, 0xFFD447, 0x4FB0E8, 0x6CC66A, 0xF29A3A, 0xFFFFFF};
  for (int i = 0; i < 170; ++i) {
    double side = n.Next() < 0.5 ? -1 : 1;
    double x = w / 2.0 + side * (150 + std::pow(n.Next(), 0.8) * 340);
    double y = n.Next() * h * 0.8;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, n.Next() * M_PI);
    cairo_rectangle(cr, -5, -3, 10, 6);
    cairo_restore(cr);
    SetRgb(cr, RgbHex(kColours[static_cast<int>(n.Next() * 6)]), 0.95);
    cairo_fill(cr);
  }
  PaintVignette(cr, w, h, RgbHex(0x3A2200), 0.0, 0.3);
}

void DrawLose(cairo_t* cr, int w, int h) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h * 0.7);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.10, 0.07, 0.16);
  cairo_pattern_add_color_stop_rgb(sky, 0.6, 0.30, 0.13, 0.20);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.62, 0.26, 0.18);
  cairo_rectangle(cr, 0, 0, w, h);
  FillPattern(cr, sky);
  // Heavy clouds.
  Noise n(404);
  for (int i = 0; i < 8; ++i) {
    cairo_save(cr);
    cairo_push_group(cr);
    PaintCloud(cr, n.Next() * w, h * (0.05 + n.Next() * 0.25), h * (0.07 + n.Next() * 0.05), 1.0);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.12);
    cairo_restore(cr);
  }
  Ridge far = MakeRidge(h * 0.55, h * 0.06, 41);
  Ridge mid = MakeRidge(h * 0.66, h * 0.04, 42);
  Ridge near = MakeRidge(h * 0.8, h * 0.03, 43);
  PaintRidge(cr, far, w, h, RgbHex(0x4A2A3A), RgbHex(0x3A2030));
  // Ruined towers, their roofs gone, smoke still rising.
  for (double x : {150.0, 820.0}) {
    double gy = mid.At(x) + 6;
    cairo_rectangle(cr, x - 22, gy - 110, 44, 110);
    cairo_move_to(cr, x - 22, gy - 110);
    cairo_line_to(cr, x - 10, gy - 128);
    cairo_line_to(cr, x + 2, gy - 112);
    cairo_line_to(cr, x + 12, gy - 122);
    cairo_line_to(cr, x + 22, gy - 110);
    cairo_close_path(cr);
    SetRgb(cr, RgbHex(0x24141F));
    cairo_fill(cr);
    for (int i = 0; i < 7; ++i) {
      double r = 16 + i * 7;
      cairo_arc(cr, x + i * 9 + n.Next() * 8, gy - 140 - i * 34, r, 0, 2 * M_PI);
      SetRgb(cr, RgbHex(0x5A4A55), 0.22 - i * 0.025);
      cairo_fill(cr);
    }
  }
  PaintRidge(cr, mid, w, h, RgbHex(0x2E1A28), RgbHex(0x24141F));
  PaintRidge(cr, near, w, h, RgbHex(0x1C0F18), RgbHex(0x120A10));
  // Bare trees on the near ridge.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double x : {70.0, 260.0, 700.0, 900.0}) {
    double gy = near.At(x) + 8;
    cairo_move_to(cr, x, gy);
    cairo_line_to(cr, x + 4, gy - 90);
    cairo_move_to(cr, x + 2, gy - 50);
    cairo_line_to(cr, x - 26, gy - 86);
    cairo_move_to(cr, x + 3, gy - 70);
    cairo_line_to(cr, x + 30, gy - 104);
    cairo_move_to(cr, x - 14, gy - 68);
    cairo_line_to(cr, x - 20, gy - 100);
    SetRgb(cr, RgbHex(0x120A10));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
  }
  // Embers drifting up.
  for (int i = 0; i < 90; ++i) {
    double x = n.Next() * w, y = h * (0.3 + n.Next() * 0.7);
    double r = 1.5 + n.Next() * 2.5;
    cairo_arc(cr, x, y, r * 2.5, 0, 2 * M_PI);
    SetRgb(cr, RgbHex(0xFF7A2A), 0.12);
    cairo_fill(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    SetRgb(cr, RgbHex(0xFFB25A), 0.8);
    cairo_fill(cr);
  }
  PaintVignette(cr, w, h, RgbHex(0x000000), 0.05, 0.6);
  // The screen quits from a click at window x 355..605, y 535..585 but draws no
  // button there, so the backdrop carries one.
  PaintPlate(cr, 362, 538, 236, 44, false);
  PaintLettering(cr, "Quit Game", 480, 560, {"DejaVu Serif", true, 24}, RgbHex(0xFFF7E2), RgbHex(0xEBCB8F), Ui::kInk,
                 2.2);
}

// Drawn at transparency 0.6 over the field: navy, darker towards the edges.
void DrawPause(cairo_t* cr, int w, int h) {
  cairo_rectangle(cr, 0, 0, w, h);
  SetRgb(cr, RgbHex(0x0B1022), 0.7);
  cairo_fill(cr);
  PaintVignette(cr, w, h, RgbHex(0x05070F), 0.0, 0.6);
}

template <int Season>
void DrawSeason(cairo_t* cr, int w, int h) {
  PaintSeasonScene(cr, w, h, Season, 100 + Season, 0, w);
}

}  // namespace

void AddBackgroundPictures(std::vector<Picture>& out) {
  out.push_back({"Background/MenuBG.png", 960, 720, &DrawMenu});
  out.push_back({"Background/WinBG.png", 960, 720, &DrawWin});
  out.push_back({"Background/LoseBG.png", 960, 720, &DrawLose});
  out.push_back({"Background/PauseBG.png", 960, 720, &DrawPause});
  out.push_back({"Background/SpringBG.png", 960, 720, &DrawSeason<1>});
  out.push_back({"Background/SummerBG.png", 960, 720, &DrawSeason<2>});
  out.push_back({"Background/AutumnBG.png", 960, 720, &DrawSeason<3>});
  out.push_back({"Background/WinterBG.png", 960, 720, &DrawSeason<4>});
}
