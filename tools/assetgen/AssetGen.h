// The asset studio: draws every picture and synthesises every sound the game
// reads, deterministically, into the build tree's Resources/.
#pragma once
#include <cairo.h>

#include <string>
#include <vector>

// ---- Pictures ----
// A picture is drawn by a function on a Cairo ARGB32 surface of its pixel
// size, then written as PNG (or JPEG when the path ends in .jpg).
typedef void (*DrawFn)(cairo_t* cr, int width, int height);

struct Picture {
  std::string path;  // relative to Resources/, e.g. "Button/NewGame.png"
  int width, height;
  DrawFn draw;
};

// Each module appends its pictures; main renders them all.
void AddSpritePictures(std::vector<Picture>& out);  // Map, Monster, Tower, Bullet, GUI, small Misc
void AddScreenPictures(std::vector<Picture>& out);  // Background, Title, Button, large Misc

// The repository's Resources/ folder (the data files: maps, layout), for
// pictures drawn from the game's data.
const std::string& SourceResourcesDir();

// ---- Icons ----
// Writes the application icon as outDir/<size>x<size>/orvane.png (48, 128, 256).
bool WriteIcons(const std::string& outDir);

// ---- Sounds ----
// Writes the ten Ogg Vorbis files under outDir/Sound/.
void WriteSounds(const std::string& outDir);

// ---- Shared painting helpers (Paint.cpp) ----
struct Rgb {
  double r, g, b;
};
Rgb RgbHex(unsigned hex);  // 0xRRGGBB
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t);  // towards white by t
Rgb Darker(Rgb c, double t);   // towards black by t
void SetRgb(cairo_t* cr, Rgb c, double alpha = 1.0);
// Fills the current path with the pattern, then releases the pattern.
void FillPattern(cairo_t* cr, cairo_pattern_t* pattern);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// Text centred on (cx, cy) in a fontconfig family ("DejaVu Sans", "Liberation Sans", ...).
void DrawTextCentred(cairo_t* cr, const char* text, double cx, double cy, double size, const char* family, bool bold,
                     Rgb fill, double outlineWidth = 0.0, Rgb outline = {0, 0, 0});
// Text with its left end of the baseline at (x, y).
void DrawTextAt(cairo_t* cr, const char* text, double x, double y, double size, const char* family, bool bold,
                Rgb fill);
// A deterministic pseudo-random sequence for textures (never the C library's).
struct Noise {
  unsigned state;
  explicit Noise(unsigned seed) : state(seed * 2654435761u + 1u) {}
  double Next();  // [0, 1)
};
