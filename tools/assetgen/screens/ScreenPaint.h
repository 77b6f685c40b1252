// Painting kit of the screen pictures: season palettes, scenery, interface
// plates and lettering, so every screen shares one look.
#pragma once
#include <vector>

#include "AssetGen.h"

// Each file of this folder appends its own kind of picture.
void AddBackgroundPictures(std::vector<Picture>& out);
void AddHelpPictures(std::vector<Picture>& out);
void AddCreditPictures(std::vector<Picture>& out);
void AddTitlePictures(std::vector<Picture>& out);
void AddButtonPictures(std::vector<Picture>& out);
void AddOverlayPictures(std::vector<Picture>& out);
void AddMapPreviewPictures(std::vector<Picture>& out);

// Seasons share the game's numbering: 1 Spring, 2 Summer, 3 Autumn, 4 Winter.
struct SeasonPalette {
  Rgb skyTop, skyLow;
  Rgb far, mid, near, ground;
  Rgb leaf, leafDark, bloom, trunk, roof;
};
const SeasonPalette& PaletteOf(int season);

// The interface kit: honey wood, gold trim, cream lettering.
namespace Ui {
const Rgb kWoodTop = {0.60, 0.38, 0.21};
const Rgb kWoodLow = {0.38, 0.22, 0.11};
const Rgb kGold = {0.95, 0.75, 0.32};
const Rgb kGoldDeep = {0.66, 0.44, 0.14};
const Rgb kInk = {0.16, 0.09, 0.05};
const Rgb kCream = {1.0, 0.95, 0.82};
const Rgb kNight = {0.07, 0.08, 0.16};
}  // namespace Ui

// ---- Scenery ----
// A rolling skyline: y of the ridge at x.
struct Ridge {
  double base, amp;
  double phase[3];
  double At(double x) const;
};
Ridge MakeRidge(double base, double amp, unsigned seed);
void PaintSky(cairo_t* cr, double w, double h, Rgb top, Rgb low);
void PaintRidge(cairo_t* cr, const Ridge& ridge, double w, double h, Rgb top, Rgb low);
void PaintCloud(cairo_t* cr, double cx, double cy, double size, double alpha);
void PaintSun(cairo_t* cr, double cx, double cy, double r, Rgb core, Rgb glow);
void PaintTree(cairo_t* cr, int season, double x, double groundY, double size, unsigned seed);
void PaintTower(cairo_t* cr, double x, double groundY, double size, Rgb roof);
// One season's landscape over the whole picture; trees only between treeMinX and treeMaxX.
void PaintSeasonScene(cairo_t* cr, int w, int h, int season, unsigned seed, double treeMinX, double treeMaxX);
// The four seasons side by side, spring at the left, blending into each other.
void PaintYearPanorama(cairo_t* cr, int w, int h, unsigned seed);
void PaintVignette(cairo_t* cr, double w, double h, Rgb colour, double inner, double outer);
// Blossom, sun, maple leaf, snowflake.
void PaintSeasonEmblem(cairo_t* cr, int season, double cx, double cy, double r);

// ---- Interface ----
void PaintPlate(cairo_t* cr, double x, double y, double w, double h, bool lit);
// A parchment sheet with a wooden frame.
void PaintParchment(cairo_t* cr, double x, double y, double w, double h);
// A dark glass panel for overlays over the field.
void PaintGlassPanel(cairo_t* cr, double x, double y, double w, double h, double alpha);
void PaintRibbon(cairo_t* cr, double cx, double cy, double w, double h, Rgb colour);
void PaintKeyCap(cairo_t* cr, const char* label, double cx, double cy, double w, double h);
void PaintCoin(cairo_t* cr, double cx, double cy, double r);
void PaintHeart(cairo_t* cr, double cx, double cy, double r);

// ---- Lettering ----
enum Align { kLeft, kCentre, kRight };
struct Type {
  const char* family;
  bool bold;
  double size;
};
double TextWidth(cairo_t* cr, const char* text, Type type);
// The largest size up to type.size at which text fits in maxWidth.
Type FitType(cairo_t* cr, const char* text, Type type, double maxWidth);
// Gradient-filled, outlined lettering centred on (cx, cy) by its capital height.
void PaintLettering(cairo_t* cr, const char* text, double cx, double cy, Type type, Rgb top, Rgb low, Rgb outline,
                    double outlineWidth);
// Plain text with its baseline at y.
void PaintText(cairo_t* cr, const char* text, double x, double y, Type type, Rgb colour, Align align = kLeft);
// Words wrapped to maxWidth; returns the baseline below the last line.
double PaintWrapped(cairo_t* cr, const char* text, double x, double y, double maxWidth, Type type, Rgb colour,
                    double lineHeight);
