// The map-selection cards: a miniature of each shipped map file, read from the
// repository's Resources/, with its name and difficulty.
#include <cmath>
#include <fstream>
#include <string>

#include "screens/ScreenPaint.h"

namespace {

const int kColumns = 22, kRows = 12, kCells = kColumns * kRows;

struct MapCard {
  const char* file;
  const char* name;
  const char* level;
  int stars;
  unsigned ribbon;
};

const MapCard kCards[] = {
    {"OriginalMap.txt", "Meadow Road", "Normal", 2, 0x3C8D4F},
    {"UltimateMap.txt", "Twin Paths", "Extreme", 3, 0xA8342A},
};

// False when the file is missing or short; the card then shows a plain road.
bool ReadMap(const char* file, int* cells) {
  std::ifstream in(SourceResourcesDir() + "/" + file);
  int read = 0;
  while (read < kCells && in >> cells[read]) ++read;
  if (read == kCells) return true;
  for (int i = 0; i < kCells; ++i) cells[i] = i / kColumns == 5 ? 3 : 1;
  return false;
}

Rgb CellColour(int code, int column, int row) {
  bool light = (column + row) % 2 == 0;
  if (code == 2) return light ? RgbHex(0x9C9A94) : RgbHex(0x918F89);
  if (code >= 3) return light ? RgbHex(0xE8CC92) : RgbHex(0xE0C389);
  if (code == 0) return light ? RgbHex(0x5FA64A) : RgbHex(0x599D45);
  return light ? RgbHex(0x7CC663) : RgbHex(0x74BD5C);
}

void PaintGrid(cairo_t* cr, const int* cells, double x0, double y0, double cell) {
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      int code = cells[row * kColumns + column];
      double x = x0 + column * cell, y = y0 + row * cell;
      cairo_rectangle(cr, x, y, cell, cell);
      SetRgb(cr, CellColour(code, column, row));
      cairo_fill(cr);
      if (code == 2) {
        cairo_arc(cr, x + cell * 0.5, y + cell * 0.62, cell * 0.34, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        SetRgb(cr, RgbHex(0x66645E));
        cairo_fill(cr);
      }
    }
  }
  // A soft edge along every path cell that borders grass or rock.
  cairo_set_line_width(cr, 2);
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      if (cells[row * kColumns + column] < 3) continue;
      double x = x0 + column * cell, y = y0 + row * cell;
      auto road = [&](int c, int r) {
        return c < 0 || c >= kColumns || r < 0 || r >= kRows || cells[r * kColumns + c] >= 3;
      };
      auto edge = [&](double ax, double ay, double bx, double by) {
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
      };
      if (!road(column, row - 1)) edge(x, y + 1, x + cell, y + 1);
      if (!road(column, row + 1)) edge(x, y + cell - 1, x + cell, y + cell - 1);
      if (!road(column - 1, row)) edge(x + 1, y, x + 1, y + cell);
      if (!road(column + 1, row)) edge(x + cell - 1, y, x + cell - 1, y + cell);
    }
  }
  SetRgb(cr, RgbHex(0xA8864E));
  cairo_stroke(cr);
}

// Entry: the topmost road cell of the left column; exit: of the right column.
int FindRoadRow(const int* cells, int column) {
  for (int row = 0; row < kRows; ++row) {
    if (cells[row * kColumns + column] == 3) return row;
  }
  return -1;
}

void PaintEntry(cairo_t* cr, double x, double cy, double cell) {
  cairo_move_to(cr, x - cell * 0.9, cy - cell * 0.75);
  cairo_line_to(cr, x + cell * 0.7, cy);
  cairo_line_to(cr, x - cell * 0.9, cy + cell * 0.75);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  SetRgb(cr, RgbHex(0x4CD964));
  cairo_fill(cr);
}

void PaintExit(cairo_t* cr, double cx, double cy, double cell) {
  cairo_move_to(cr, cx - cell * 0.2, cy + cell * 0.5);
  cairo_line_to(cr, cx - cell * 0.2, cy - cell * 1.4);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - cell * 0.2, cy - cell * 1.4);
  cairo_line_to(cr, cx + cell * 0.9, cy - cell * 1.05);
  cairo_line_to(cr, cx - cell * 0.2, cy - cell * 0.7);
  cairo_close_path(cr);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke_preserve(cr);
  SetRgb(cr, RgbHex(0xE8403A));
  cairo_fill(cr);
}

void PaintStar(cairo_t* cr, double cx, double cy, double r, bool lit) {
  for (int i = 0; i < 10; ++i) {
    double a = -M_PI / 2 + i * M_PI / 5, d = i % 2 ? r * 0.45 : r;
    cairo_line_to(cr, cx + std::cos(a) * d, cy + std::sin(a) * d);
  }
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, Ui::kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  SetRgb(cr, lit ? RgbHex(0xFFC928) : RgbHex(0xCDBB98));
  cairo_fill(cr);
}

// Drawn at twice the mesh; the card fills the click box (mesh x 25..205, y 5..220).
void PaintCard(cairo_t* cr, const MapCard& card, bool lit) {
  const double x = 50, y = 10, w = 360, h = 430;
  if (lit) {
    for (int i = 5; i >= 1; --i) {
      double g = i * 4.0;
      RoundedRect(cr, x - g, y - g * 0.4, w + 2 * g, h + g * 0.8, 26 + g);
      SetRgb(cr, RgbHex(0xFFD873), 0.14);
      cairo_fill(cr);
    }
  }
  PaintParchment(cr, x, y, w, h);
  if (lit) {
    // The wooden frame turns to gold.
    RoundedRect(cr, x, y, w, h, 22);
    RoundedRect(cr, x + 10, y + 10, w - 20, h - 20, 14);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(gold, 0, 1.0, 0.93, 0.62);
    cairo_pattern_add_color_stop_rgb(gold, 1, 0.85, 0.58, 0.16);
    FillPattern(cr, gold);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    RoundedRect(cr, x + 12, y + 12, w - 24, h - 24, 13);
    SetRgb(cr, {1, 1, 1}, 0.22);
    cairo_fill(cr);
  }

  int cells[kCells];
  bool real = ReadMap(card.file, cells);
  const double cell = 15, gx = x + (w - kColumns * cell) / 2, gy = y + 108;
  RoundedRect(cr, gx - 6, gy - 6, kColumns * cell + 12, kRows * cell + 12, 6);
  SetRgb(cr, RgbHex(0x5E3A1E));
  cairo_fill(cr);
  PaintGrid(cr, cells, gx, gy, cell);
  if (lit) {
    cairo_rectangle(cr, gx, gy, kColumns * cell, kRows * cell);
    SetRgb(cr, {1, 1, 1}, 0.12);
    cairo_fill(cr);
  }
  int entry = FindRoadRow(cells, 0), exit = FindRoadRow(cells, kColumns - 1);
  if (entry >= 0) PaintEntry(cr, gx + cell * 0.5, gy + (entry + 0.5) * cell, cell);
  if (exit >= 0) PaintExit(cr, gx + (kColumns - 0.5) * cell, gy + (exit + 0.5) * cell, cell);

  Rgb ribbon = RgbHex(card.ribbon);
  PaintRibbon(cr, x + w / 2, y + 58, w - 70, 50, lit ? Lighter(ribbon, 0.18) : ribbon);
  Type nameType = FitType(cr, card.name, {"DejaVu Serif", true, 30}, w - 110);
  PaintLettering(cr, card.name, x + w / 2, y + 55, nameType, lit ? RgbHex(0xFFFFFF) : RgbHex(0xFFF4C2),
                 lit ? RgbHex(0xFFE680) : RgbHex(0xF2B640), Ui::kInk, 2.5);

  double ly = gy + kRows * cell + 52;
  PaintLettering(cr, card.level, x + w / 2, ly, {"DejaVu Serif", true, 30},
                 card.stars > 2 ? RgbHex(0xE0503A) : RgbHex(0x4FA34A),
                 card.stars > 2 ? RgbHex(0x9A1E18) : RgbHex(0x2E6E2C), Ui::kCream, 2.5);
  for (int i = 0; i < 3; ++i) PaintStar(cr, x + w / 2 + (i - 1) * 42, ly + 52, 16, i < card.stars);
  if (!real) {
    PaintText(cr, "(map file missing)", x + w / 2, gy + kRows * cell + 16, {"DejaVu Sans", false, 14}, RgbHex(0x8A2A20),
              kCentre);
  }
}

template <int I, bool Lit>
void DrawCard(cairo_t* cr, int w, int) {
  cairo_scale(cr, w / 460.0, w / 460.0);
  PaintCard(cr, kCards[I], Lit);
}

}  // namespace

void AddMapPreviewPictures(std::vector<Picture>& out) {
  out.push_back({"Misc/NormalMap.png", 460, 460, &DrawCard<0, false>});
  out.push_back({"Misc/NormalMapHover.png", 460, 460, &DrawCard<0, true>});
  out.push_back({"Misc/ExtremeMap.png", 460, 460, &DrawCard<1, false>});
  out.push_back({"Misc/ExtremeMapHover.png", 460, 460, &DrawCard<1, true>});
}
