// Vexor Engine: text. A font is a FreeType face found through fontconfig,
// its glyphs 32..127 baked into one atlas at the screen's scale; printing
// draws pixel-exact quads.
#include <GL/glew.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "VXGfxDevice.h"
#include "VXGfxInternal.h"
#include "VXGfxState.h"
#include "VXGfxText.h"
#include "VXGraphics.h"
#include "VXSystem.h"

namespace {

const int kFirstCode = 32;
const int kGlyphCount = 96;  // codes 32..127
const int kMaxFonts = 32;
const int kTextLimit = 255;

struct Glyph {
  int left, top, width, height;  // pixels at the screen's scale; top is above the baseline
  int advance;                   // pixels at scale 1
  float u0, v0, u1, v1;
};

struct Font {
  bool used;
  FT_Face face;  // kept open to rasterise again when the screen scale changes
  int size;      // pixels at scale 1
  bool embolden, oblique;
  float scaleX, scaleY;  // the screen scale the atlas was made for
  unsigned atlas;
  Glyph glyphs[kGlyphCount];
};

Font sFonts[kMaxFonts];
FT_Library sFreeType = nullptr;
// x, y in window pixels (y up), u, v: six vertices per glyph.
float sQuadBuffer[kTextLimit * 6 * 4];

// The face file fontconfig picks for the family, and whether it already has
// the weight and slant asked for (otherwise they are synthesised).
bool FindFace(const char* family, int size, bool bold, bool italic, std::string* pFile, int* pIndex, bool* pIsBold,
              bool* pIsItalic) {
  if (!FcInit()) return false;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, size);
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return false;
  FcChar8* file = nullptr;
  int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
  if (ok) *pFile = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(match, FC_INDEX, 0, &index);
  FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match, FC_SLANT, 0, &slant);
  FcPatternDestroy(match);
  *pIndex = index;
  *pIsBold = weight >= FC_WEIGHT_DEMIBOLD;
  *pIsItalic = slant != FC_SLANT_ROMAN;
  return ok;
}

struct Bitmap {
  int width = 0, height = 0;
  std::vector<unsigned char> coverage;
};

// The pixel size of a font on a screen of this scale, rounded down so that
// no glyph outgrows the picture; at scale 1 the size itself.
FT_UInt ScaledSize(int size, float scale) {
  const long scaled = static_cast<long>(std::floor(static_cast<float>(size) * scale));
  return static_cast<FT_UInt>(scaled < 1 ? 1 : scaled);
}

// The advance of a loaded glyph in whole pixels.
int Advance(const FT_GlyphSlot slot) {
  return static_cast<int>((slot->advance.x + 32) >> 6);
}

// Each glyph's advance at scale 1: lines are laid out on them at any scale.
void NoteAdvances(Font* font) {
  FT_Face face = font->face;
  FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(font->size), static_cast<FT_UInt>(font->size));
  for (int k = 0; k < kGlyphCount; ++k) {
    Glyph& g = font->glyphs[k];
    if (FT_Load_Char(face, static_cast<FT_ULong>(kFirstCode + k), FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) continue;
    if (font->embolden) FT_GlyphSlot_Embolden(face->glyph);
    g.advance = Advance(face->glyph);
  }
}

// Renders the 96 glyphs at the current screen scale and packs them into a
// 16 x 6 grid of equal cells. The glyphs are stretched like the rest of the
// picture: their height follows the vertical scale, their width the
// horizontal one.
void BuildAtlas(Font* font) {
  FT_Face face = font->face;
  for (Glyph& g : font->glyphs) g = Glyph{};
  NoteAdvances(font);
  // The character height without internal leading: the em square in pixels.
  FT_Set_Pixel_Sizes(face, ScaledSize(font->size, gVXScreenScaleX), ScaledSize(font->size, gVXScreenScaleY));
  font->scaleX = gVXScreenScaleX;
  font->scaleY = gVXScreenScaleY;
  Bitmap bitmaps[kGlyphCount];
  int cellW = 1, cellH = 1;
  for (int k = 0; k < kGlyphCount; ++k) {
    Glyph& g = font->glyphs[k];
    if (FT_Load_Char(face, static_cast<FT_ULong>(kFirstCode + k), FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) continue;
    FT_GlyphSlot slot = face->glyph;
    if (font->embolden) FT_GlyphSlot_Embolden(slot);
    if (font->oblique) FT_GlyphSlot_Oblique(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) continue;
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    Bitmap& out = bitmaps[k];
    out.width = g.width;
    out.height = g.height;
    out.coverage.resize(static_cast<size_t>(g.width) * g.height);
    for (int row = 0; row < g.height; ++row) {
      const unsigned char* src = bm.buffer + static_cast<ptrdiff_t>(row) * bm.pitch;
      for (int col = 0; col < g.width; ++col) {
        // Monochrome bitmaps only appear if a face has no outlines; count them as full coverage.
        unsigned char c =
            bm.pixel_mode == FT_PIXEL_MODE_MONO ? ((src[col >> 3] >> (7 - (col & 7))) & 1) * 255 : src[col];
        out.coverage[static_cast<size_t>(row) * g.width + col] = c;
      }
    }
    if (g.width + 2 > cellW) cellW = g.width + 2;
    if (g.height + 2 > cellH) cellH = g.height + 2;
  }
  const int atlasW = 16 * cellW, atlasH = 6 * cellH;
  std::vector<unsigned char> pixels(static_cast<size_t>(atlasW) * atlasH * 4, 0);
  for (int k = 0; k < kGlyphCount; ++k) {
    const int ox = (k % 16) * cellW + 1, oy = (k / 16) * cellH + 1;
    const Bitmap& b = bitmaps[k];
    for (int row = 0; row < b.height; ++row) {
      for (int col = 0; col < b.width; ++col) {
        unsigned char* p = &pixels[(static_cast<size_t>(oy + row) * atlasW + ox + col) * 4];
        p[0] = p[1] = p[2] = 255;
        p[3] = b.coverage[static_cast<size_t>(row) * b.width + col];
      }
    }
    Glyph& g = font->glyphs[k];
    g.u0 = static_cast<float>(ox) / atlasW;
    g.v0 = static_cast<float>(oy) / atlasH;
    g.u1 = static_cast<float>(ox + g.width) / atlasW;
    g.v1 = static_cast<float>(oy + g.height) / atlasH;
  }
  font->atlas = VXGfxDeviceTextureMake(atlasW, atlasH, GL_RGBA, 1, 0, pixels.data(), true);
}

Font* Lookup(int font) {
  if (font < 1 || font > kMaxFonts || !sFonts[font - 1].used) return nullptr;
  return &sFonts[font - 1];
}

// printf with no arguments, made safe: "%%" gives one percent sign and any
// other percent sign is printed as itself, so no argument is ever read.
int FormatText(const char* text, char* out) {
  int n = 0;
  for (const char* p = text; *p && n < kTextLimit; ++p) {
    if (p[0] == '%' && p[1] == '%') ++p;
    out[n++] = *p;
  }
  out[n] = '\0';
  return n;
}

bool AnchorAccepted(int x, int y) {
  const int w = gVXWindowWidth, h = gVXWindowHeight;
  const int minX = static_cast<int>(static_cast<float>(-(w / 2)) + gVXCamPosX + 1.0f) - w;
  const int maxX = static_cast<int>(static_cast<float>(w / 2) + gVXCamPosX - 1.0f);
  const int minY = static_cast<int>(static_cast<float>(-(h / 2)) + gVXCamPosY + 1.0f) - h;
  const int maxY = static_cast<int>(static_cast<float>(h / 2) + gVXCamPosY - 1.0f);
  return x >= minX && x <= maxX && y >= minY && y <= maxY;
}

float Saturate(float v) {
  return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

}  // namespace

int VXGfxCreateFont(const char* pFaceName, int size, bool bold, bool italic) {
  int slot = 0;
  while (slot < kMaxFonts && sFonts[slot].used) ++slot;
  if (slot == kMaxFonts || !pFaceName || size <= 0) return 0;
  Font& font = sFonts[slot];
  if (!gVXGfxLive) {
    font = Font{};
    font.used = true;  // headless: an identifier with nothing behind it
    return slot + 1;
  }
  std::string file;
  int index = 0;
  bool hasBold = false, hasItalic = false;
  if (!FindFace(pFaceName, size, bold, italic, &file, &index, &hasBold, &hasItalic)) {
    printf("Font %s could not be found.\n", pFaceName);
    return 0;
  }
  if (!sFreeType && FT_Init_FreeType(&sFreeType) != 0) return 0;
  FT_Face face = nullptr;
  if (FT_New_Face(sFreeType, file.c_str(), index, &face) != 0) {
    printf("Font %s could not be opened.\n", file.c_str());
    return 0;
  }
  font = Font{};
  font.face = face;
  font.size = size;
  font.embolden = bold && !hasBold;
  font.oblique = italic && !hasItalic;
  BuildAtlas(&font);
  font.used = true;
  return slot + 1;
}

void VXGfxDestroyFont(int id) {
  Font* font = Lookup(id);
  if (!font) return;
  if (gVXGfxLive) VXGfxDeviceTextureFree(font->atlas);
  if (font->face) FT_Done_Face(font->face);
  *font = Font{};
}

void VXGfxTextRescale(void) {
  if (!gVXGfxLive) return;
  for (Font& font : sFonts) {
    if (!font.used || !font.face) continue;
    if (font.scaleX == gVXScreenScaleX && font.scaleY == gVXScreenScaleY) continue;
    VXGfxDeviceTextureFree(font.atlas);
    font.atlas = 0;
    BuildAtlas(&font);
  }
}

void VXGfxTextShutdown(void) {
  for (int i = 0; i < kMaxFonts; ++i) VXGfxDestroyFont(i + 1);
  if (sFreeType) FT_Done_FreeType(sFreeType);
  sFreeType = nullptr;
}

// Fills the quad buffer; returns the vertex count. Each glyph starts where
// the line at scale 1 puts it, times the scale and rounded down to a whole
// pixel: the line grows as the picture does, and its glyphs stay sharp.
static int LayOut(const Font& font, const char* text, int length, float penX, float baseY) {
  int vertices = 0, pen = 0;
  for (int i = 0; i < length; ++i) {
    const int code = static_cast<unsigned char>(text[i]);
    if (code < kFirstCode || code >= kFirstCode + kGlyphCount) continue;  // no glyph, no advance
    const Glyph& g = font.glyphs[code - kFirstCode];
    if (g.width > 0 && g.height > 0) {
      const float x = penX + std::floor(static_cast<float>(pen) * font.scaleX);
      const float x0 = x + static_cast<float>(g.left), x1 = x0 + static_cast<float>(g.width);
      const float y1 = baseY + static_cast<float>(g.top), y0 = y1 - static_cast<float>(g.height);
      const float quad[6][4] = {{x0, y1, g.u0, g.v0}, {x0, y0, g.u0, g.v1}, {x1, y0, g.u1, g.v1},
                                {x0, y1, g.u0, g.v0}, {x1, y0, g.u1, g.v1}, {x1, y1, g.u1, g.v0}};
      memcpy(&sQuadBuffer[vertices * 4], quad, sizeof(quad));
      vertices += 6;
    }
    pen += g.advance;
  }
  return vertices;
}

// Draws the text with its own program and atlas over whatever the game drew.
static void DrawText(const Font& font, const char* pText, int x, int y, float r, float g, float b) {
  char text[kTextLimit + 1];
  const int length = FormatText(pText, text);
  const int viewW = static_cast<int>(static_cast<float>(gVXWindowWidth) * gVXScreenScaleX);
  const int viewH = static_cast<int>(static_cast<float>(gVXWindowHeight) * gVXScreenScaleY);
  // The anchor to the nearest pixel boundary; the glyphs are already at the screen's scale.
  const float penX = std::floor((static_cast<float>(x) - gVXCamPosX) * gVXScreenScaleX + viewW * 0.5f + 0.5f);
  const float baseY = std::floor((static_cast<float>(y) - gVXCamPosY) * gVXScreenScaleY + viewH * 0.5f + 0.5f);
  const int vertices = LayOut(font, text, length, penX, baseY);
  // The text comes out in its colour times the tint, as under the engine's own programs.
  const int mode = gVXCurrentProgram;
  const float* tint = mode != 0 ? VXGfxState().uniforms[mode][VX_U_TINT] : nullptr;
  const float color[4] = {Saturate(tint ? r * tint[0] : r), Saturate(tint ? g * tint[1] : g),
                          Saturate(tint ? b * tint[2] : b), 1.0f};
  // The view the print leaves behind, as the scaled viewport is restored.
  VXGfxStateSetViewport(0, 0, viewW, viewH);
  if (vertices > 0) VXGfxDeviceText(font.atlas, sQuadBuffer, vertices, color);
}

void VXGfxPrint(int id, const char* pText, int x, int y, float r, float g, float b) {
  const Font* font = Lookup(id);
  if (pText && AnchorAccepted(x, y) && gVXGfxLive && font && font->atlas) DrawText(*font, pText, x, y, r, g, b);
  // What every print leaves behind, drawn or not: identity world matrix, no
  // blend colour, and the normal view matrix for the current camera.
  VXGfxSetPosition(0.0f, 0.0f);
  VXGfxSetBlendColor(0.0f, 0.0f, 0.0f, 0.0f);
  float view[16];
  VXGfxBuildView(gVXScreenScaleX, gVXScreenScaleY, view);
  VXGfxStateSetMatrix(VX_U_VIEW, view);
}
