// Drawing kit shared by the sprite pictures: colour arithmetic, outlined
// shapes, tileable noise and the per-module registration functions.
#pragma once
#include <vector>

#include "AssetGen.h"

// Kept in a namespace of its own: the screen pictures have a kit of their own.
namespace sprites {

// ---- Registration, one per module ----
void AddMapPictures(std::vector<Picture>& out);
void AddMonsterPictures(std::vector<Picture>& out);
void AddTowerPictures(std::vector<Picture>& out);
void AddBulletPictures(std::vector<Picture>& out);
void AddInterfacePictures(std::vector<Picture>& out);
void AddMarkerPictures(std::vector<Picture>& out);

// ---- Colour ----
// The outline colour of every sprite: a dark shade of the fill, never pure black.
Rgb InkOf(Rgb c);

// ---- Shapes (paths; the caller fills) ----
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void StarPath(cairo_t* cr, double cx, double cy, double rOuter, double rInner, int points, double turn = 0.0);

// ---- Fills ----
// Fills the current path with a top-left lit gradient of base, strokes it in
// InkOf(base) at lineWidth and clears the path.
void FillShaded(cairo_t* cr, Rgb base, double lineWidth);
// Fills the current path flat and strokes it in InkOf(fill) (or not, for lineWidth 0).
void FillInked(cairo_t* cr, Rgb fill, double lineWidth);
// A soft oval shadow on the ground.
void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.35);
// A small white gleam, the house style's highlight.
void Gleam(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, double alpha = 0.8);
// Five-point level star, gold with an ink outline.
void LevelStar(cairo_t* cr, double cx, double cy, double r);
// Coin with a shine, used wherever money shows.
void Coin(cairo_t* cr, double cx, double cy, double r);
// Heart, used for lives.
void Heart(cairo_t* cr, double cx, double cy, double size);

// ---- Pixel post-processing on the surface being drawn ----
// Moves every pixel's colour towards its grey by amount (0..1).
void Desaturate(cairo_t* cr, double amount);

// ---- Tileable noise ----
// Fractal value noise in [0, 1] that repeats every `period` pixels in x and y.
double TileNoise(double x, double y, int period, unsigned seed, int baseCells, int octaves);

}  // namespace sprites
