// Painting kit of the screen pictures: colour, lettering and interface pieces.
// Scenery and the season emblems live in Scenery.cpp and Emblems.cpp.
#include "screens/ScreenPaint.h"

#include <cmath>
#include <sstream>
#include <string>

const SeasonPalette& PaletteOf(int season) {
  static const SeasonPalette kPalettes[4] = {
      // Spring: fresh green and cherry blossom under a washed blue sky.
      {RgbHex(0x7CC8F0), RgbHex(0xE4F6FF), RgbHex(0xA7D3B0), RgbHex(0x86C66E), RgbHex(0x67B252), RgbHex(0x4F9A40),
       RgbHex(0x72B957), RgbHex(0x4D8E3B), RgbHex(0xF5A9C8), RgbHex(0x7A5236), RgbHex(0xE0719B)},
      // Summer: deep greens, golden light.
      {RgbHex(0x3E9EE6), RgbHex(0xCBEBFF), RgbHex(0x77B27E), RgbHex(0x5BA544), RgbHex(0x46933A), RgbHex(0x367A2E),
       RgbHex(0x3F9C3B), RgbHex(0x2A7A2E), RgbHex(0xFFD447), RgbHex(0x6B4428), RgbHex(0xE8A93A)},
      // Autumn: amber haze, rust and gold.
      {RgbHex(0xE9A15E), RgbHex(0xFCE6C0), RgbHex(0xC9A27E), RgbHex(0xCF8F45), RgbHex(0xB66A2D), RgbHex(0x8F4F22),
       RgbHex(0xE8742C), RgbHex(0xB5441C), RgbHex(0xF4C343), RgbHex(0x5E3B22), RgbHex(0xC4482A)},
      // Winter: cold blue air over snow.
      {RgbHex(0x86A9D2), RgbHex(0xE9F2FB), RgbHex(0xB9CCE2), RgbHex(0xDCE8F5), RgbHex(0xEEF5FC), RgbHex(0xFFFFFF),
       RgbHex(0x2F6B5A), RgbHex(0x1F4E42), RgbHex(0xBFE4F6), RgbHex(0x5A4636), RgbHex(0x4F7FBF)},
  };
  int i = season < 1 ? 0 : (season > 4 ? 3 : season - 1);
  return kPalettes[i];
}

// ---- Lettering ----

static void UseType(cairo_t* cr, Type type) {
  cairo_select_font_face(cr, type.family, CAIRO_FONT_SLANT_NORMAL,
                         type.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, type.size);
}

double TextWidth(cairo_t* cr, const char* text, Type type) {
  cairo_save(cr);
  UseType(cr, type);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text, &ext);
  cairo_restore(cr);
  return ext.x_advance;
}

Type FitType(cairo_t* cr, const char* text, Type type, double maxWidth) {
  double w = TextWidth(cr, text, type);
  if (w > maxWidth) type.size *= maxWidth / w;
  return type;
}

void PaintLettering(cairo_t* cr, const char* text, double cx, double cy, Type type, Rgb top, Rgb low, Rgb outline,
                    double outlineWidth) {
  cairo_save(cr);
  UseType(cr, type);
  cairo_text_extents_t ext, cap;
  cairo_text_extents(cr, text, &ext);
  cairo_text_extents(cr, "H", &cap);
  // Centring on the capital height keeps descenders from lifting short words.
  double capHeight = -cap.y_bearing;
  double x = cx - ext.x_bearing - ext.width / 2.0;
  double baseline = cy + capHeight / 2.0;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

  cairo_move_to(cr, x, baseline + type.size * 0.07);
  cairo_text_path(cr, text);
  SetRgb(cr, outline, 0.45);
  cairo_set_line_width(cr, outlineWidth * 2.0);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);

  cairo_move_to(cr, x, baseline);
  cairo_text_path(cr, text);
  if (outlineWidth > 0) {
    SetRgb(cr, outline);
    cairo_set_line_width(cr, outlineWidth * 2.0);
    cairo_stroke_preserve(cr);
  }
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, baseline - capHeight, 0, baseline);
  cairo_pattern_add_color_stop_rgb(fill, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(fill, 1, low.r, low.g, low.b);
  FillPattern(cr, fill);
  cairo_restore(cr);
}

void PaintText(cairo_t* cr, const char* text, double x, double y, Type type, Rgb colour, Align align) {
  cairo_save(cr);
  UseType(cr, type);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text, &ext);
  if (align == kCentre) x -= ext.x_advance / 2.0;
  if (align == kRight) x -= ext.x_advance;
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text);
  SetRgb(cr, colour);
  cairo_fill(cr);
  cairo_restore(cr);
}

double PaintWrapped(cairo_t* cr, const char* text, double x, double y, double maxWidth, Type type, Rgb colour,
                    double lineHeight) {
  std::istringstream words(text);
  std::string word, line;
  while (words >> word) {
    std::string trial = line.empty() ? word : line + " " + word;
    if (!line.empty() && TextWidth(cr, trial.c_str(), type) > maxWidth) {
      PaintText(cr, line.c_str(), x, y, type, colour);
      y += lineHeight;
      line = word;
    } else {
      line = trial;
    }
  }
  if (!line.empty()) {
    PaintText(cr, line.c_str(), x, y, type, colour);
    y += lineHeight;
  }
  return y;
}

// ---- Interface ----

static void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb low, double alpha = 1.0) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(g, 0, top.r, top.g, top.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, low.r, low.g, low.b, alpha);
  FillPattern(cr, g);
}

void PaintPlate(cairo_t* cr, double x, double y, double w, double h, bool lit) {
  double radius = h * 0.32;
  double rim = std::fmax(3.0, h * 0.08);
  cairo_save(cr);
  if (lit) {
    // A warm halo: a few widening rings fading out.
    for (int i = 4; i >= 1; --i) {
      double g = rim * 0.9 * i;
      RoundedRect(cr, x - g * 0.5, y - g * 0.5, w + g, h + g, radius + g * 0.5);
      SetRgb(cr, RgbHex(0xFFD873), 0.16);
      cairo_fill(cr);
    }
  } else {
    RoundedRect(cr, x, y + h * 0.07, w, h, radius);
    SetRgb(cr, Ui::kInk, 0.45);
    cairo_fill(cr);
  }
  RoundedRect(cr, x, y, w, h, radius);
  FillVertical(cr, y, y + h, lit ? RgbHex(0xFFF0B0) : Ui::kGold, lit ? RgbHex(0xD9962A) : Ui::kGoldDeep);
  RoundedRect(cr, x + rim, y + rim, w - 2 * rim, h - 2 * rim, radius - rim * 0.7);
  // Lit wood turns to warm honey rather than paler brown.
  Rgb top = lit ? RgbHex(0xD0914E) : Ui::kWoodTop;
  Rgb low = lit ? RgbHex(0x945B2C) : Ui::kWoodLow;
  FillVertical(cr, y + rim, y + h - rim, top, low);

  // Wood grain: soft darker streaks, thick enough to survive nearest sampling.
  cairo_save(cr);
  RoundedRect(cr, x + rim, y + rim, w - 2 * rim, h - 2 * rim, radius - rim * 0.7);
  cairo_clip(cr);
  Noise n(static_cast<unsigned>(w * 7 + h));
  cairo_set_line_width(cr, std::fmax(2.0, h * 0.035));
  for (int i = 0; i < 4; ++i) {
    double gy = y + rim + (h - 2 * rim) * (0.2 + 0.2 * i) + (n.Next() - 0.5) * h * 0.05;
    cairo_move_to(cr, x, gy);
    cairo_curve_to(cr, x + w * 0.3, gy - h * 0.05, x + w * 0.6, gy + h * 0.06, x + w, gy);
    SetRgb(cr, Ui::kInk, 0.10);
    cairo_stroke(cr);
  }
  // Gloss on the upper half.
  RoundedRect(cr, x + rim * 1.5, y + rim * 1.2, w - 3 * rim, (h - 2 * rim) * 0.42, radius * 0.6);
  SetRgb(cr, {1, 1, 1}, lit ? 0.24 : 0.13);
  cairo_fill(cr);
  cairo_restore(cr);

  // Gold studs at the ends of long plates.
  if (w > 2.6 * h) {
    for (double sx : {x + rim + h * 0.22, x + w - rim - h * 0.22}) {
      cairo_arc(cr, sx, y + h / 2, h * 0.07, 0, 2 * M_PI);
      SetRgb(cr, lit ? RgbHex(0xFFF4C4) : Ui::kGold);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

void PaintParchment(cairo_t* cr, double x, double y, double w, double h) {
  double frame = 12;
  cairo_save(cr);
  RoundedRect(cr, x + 4, y + 8, w, h, 22);
  SetRgb(cr, Ui::kInk, 0.45);
  cairo_fill(cr);
  RoundedRect(cr, x, y, w, h, 22);
  FillVertical(cr, y, y + h, Ui::kWoodTop, Ui::kWoodLow);
  RoundedRect(cr, x + frame - 4, y + frame - 4, w - 2 * frame + 8, h - 2 * frame + 8, 16);
  SetRgb(cr, Ui::kGold);
  cairo_fill(cr);
  RoundedRect(cr, x + frame, y + frame, w - 2 * frame, h - 2 * frame, 13);
  cairo_pattern_t* paper =
      cairo_pattern_create_radial(x + w / 2, y + h / 2, 0, x + w / 2, y + h / 2, std::fmax(w, h) * 0.6);
  cairo_pattern_add_color_stop_rgb(paper, 0, 1.0, 0.97, 0.87);
  cairo_pattern_add_color_stop_rgb(paper, 0.7, 0.97, 0.91, 0.76);
  cairo_pattern_add_color_stop_rgb(paper, 1, 0.88, 0.76, 0.55);
  cairo_set_source(cr, paper);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(paper);
  // Fibres in the paper.
  cairo_clip(cr);
  Noise n(static_cast<unsigned>(w + h * 3));
  for (int i = 0; i < 160; ++i) {
    double px = x + n.Next() * w, py = y + n.Next() * h;
    cairo_arc(cr, px, py, 1.2 + n.Next() * 2.0, 0, 2 * M_PI);
    SetRgb(cr, RgbHex(0x9C7440), 0.06 + n.Next() * 0.06);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void PaintGlassPanel(cairo_t* cr, double x, double y, double w, double h, double alpha) {
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, 14);
  FillVertical(cr, y, y + h, RgbHex(0x1C2340), RgbHex(0x0E1224), alpha);
  RoundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, 13);
  SetRgb(cr, Ui::kGold, 0.85);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  RoundedRect(cr, x + 6, y + 5, w - 12, std::fmin(h * 0.3, 26.0), 9);
  SetRgb(cr, {1, 1, 1}, 0.06);
  cairo_fill(cr);
  cairo_restore(cr);
}

void PaintRibbon(cairo_t* cr, double cx, double cy, double w, double h, Rgb colour) {
  cairo_save(cr);
  double tail = h * 0.9, drop = h * 0.28;
  Rgb dark = Darker(colour, 0.4);
  // Tails behind both ends, cut in a V.
  for (int side = -1; side <= 1; side += 2) {
    double inner = cx + side * (w / 2 - tail * 0.35);
    double outer = cx + side * (w / 2 + tail * 0.55);
    cairo_move_to(cr, inner, cy - h / 2 + drop);
    cairo_line_to(cr, outer, cy - h / 2 + drop);
    cairo_line_to(cr, outer - side * tail * 0.35, cy + drop * 0.5);
    cairo_line_to(cr, outer, cy + h / 2 + drop);
    cairo_line_to(cr, inner, cy + h / 2 + drop);
    cairo_close_path(cr);
    SetRgb(cr, dark);
    cairo_fill_preserve(cr);
    SetRgb(cr, Ui::kInk, 0.6);
    cairo_set_line_width(cr, std::fmax(2.0, h * 0.04));
    cairo_stroke(cr);
    // The fold where the tail tucks under the band.
    cairo_move_to(cr, cx + side * w / 2, cy + h / 2);
    cairo_line_to(cr, inner, cy + h / 2 + drop);
    cairo_line_to(cr, inner, cy + h / 2);
    cairo_close_path(cr);
    SetRgb(cr, Darker(colour, 0.6));
    cairo_fill(cr);
  }
  // The band bows slightly upwards.
  double bow = h * 0.12;
  cairo_move_to(cr, cx - w / 2, cy - h / 2);
  cairo_curve_to(cr, cx - w / 6, cy - h / 2 - bow, cx + w / 6, cy - h / 2 - bow, cx + w / 2, cy - h / 2);
  cairo_line_to(cr, cx + w / 2, cy + h / 2);
  cairo_curve_to(cr, cx + w / 6, cy + h / 2 - bow, cx - w / 6, cy + h / 2 - bow, cx - w / 2, cy + h / 2);
  cairo_close_path(cr);
  cairo_path_t* band = cairo_copy_path(cr);
  FillVertical(cr, cy - h / 2, cy + h / 2, Lighter(colour, 0.15), Darker(colour, 0.15));
  cairo_append_path(cr, band);
  SetRgb(cr, Ui::kInk, 0.7);
  cairo_set_line_width(cr, std::fmax(2.0, h * 0.045));
  cairo_stroke(cr);
  // Gold stitching along both edges.
  cairo_set_line_width(cr, std::fmax(2.0, h * 0.035));
  double dash[] = {h * 0.12, h * 0.08};
  cairo_set_dash(cr, dash, 2, 0);
  for (int edge = -1; edge <= 1; edge += 2) {
    double ey = cy + edge * h * 0.36;
    cairo_move_to(cr, cx - w / 2 + h * 0.1, ey);
    cairo_curve_to(cr, cx - w / 6, ey - bow, cx + w / 6, ey - bow, cx + w / 2 - h * 0.1, ey);
    SetRgb(cr, Ui::kGold, 0.8);
    cairo_stroke(cr);
  }
  cairo_path_destroy(band);
  cairo_restore(cr);
}

void PaintKeyCap(cairo_t* cr, const char* label, double cx, double cy, double w, double h) {
  cairo_save(cr);
  RoundedRect(cr, cx - w / 2, cy - h / 2 + 4, w, h, 8);
  SetRgb(cr, RgbHex(0x3A3F4A));
  cairo_fill(cr);
  RoundedRect(cr, cx - w / 2, cy - h / 2, w, h - 3, 8);
  FillVertical(cr, cy - h / 2, cy + h / 2, RgbHex(0xFBFBF7), RgbHex(0xC9CCD3));
  RoundedRect(cr, cx - w / 2, cy - h / 2, w, h - 3, 8);
  SetRgb(cr, RgbHex(0x3A3F4A));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  Type t = FitType(cr, label, {"DejaVu Sans", true, h * 0.5}, w - 10);
  PaintLettering(cr, label, cx, cy - 1, t, RgbHex(0x2B2F38), RgbHex(0x2B2F38), {0, 0, 0}, 0);
  cairo_restore(cr);
}

void PaintCoin(cairo_t* cr, double cx, double cy, double r) {
  cairo_save(cr);
  cairo_arc(cr, cx, cy + r * 0.12, r, 0, 2 * M_PI);
  SetRgb(cr, RgbHex(0x8A5A12));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  SetRgb(cr, RgbHex(0xF2B632));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r * 0.72, 0, 2 * M_PI);
  SetRgb(cr, RgbHex(0xFFD966));
  cairo_fill(cr);
  cairo_arc(cr, cx - r * 0.25, cy - r * 0.3, r * 0.22, 0, 2 * M_PI);
  SetRgb(cr, {1, 1, 1}, 0.7);
  cairo_fill(cr);
  cairo_restore(cr);
}

void PaintHeart(cairo_t* cr, double cx, double cy, double r) {
  cairo_save(cr);
  cairo_move_to(cr, cx, cy + r);
  cairo_curve_to(cr, cx - r * 1.6, cy - r * 0.1, cx - r * 0.8, cy - r * 1.3, cx, cy - r * 0.45);
  cairo_curve_to(cr, cx + r * 0.8, cy - r * 1.3, cx + r * 1.6, cy - r * 0.1, cx, cy + r);
  cairo_close_path(cr);
  SetRgb(cr, RgbHex(0xE2384D));
  cairo_fill_preserve(cr);
  SetRgb(cr, RgbHex(0x6E1020));
  cairo_set_line_width(cr, std::fmax(2.0, r * 0.14));
  cairo_stroke(cr);
  cairo_arc(cr, cx - r * 0.45, cy - r * 0.35, r * 0.2, 0, 2 * M_PI);
  SetRgb(cr, {1, 1, 1}, 0.6);
  cairo_fill(cr);
  cairo_restore(cr);
}
