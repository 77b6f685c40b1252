// Pictures without a window: PNG decoding, what the renderer notes from
// their pixels (opaque, where the visible texels are), and decoding ahead on
// worker threads, which must hand every file back in the order asked for.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <libdeflate.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "VXGfxPicture.h"
#include "VXGraphics.h"
#include "VXSystem.h"

namespace {

// RGBA pixels, every texel clear unless painted.
struct Canvas {
  int w, h;
  std::vector<unsigned char> px;
  Canvas(int width, int height) : w(width), h(height), px(static_cast<size_t>(width) * height * 4, 0) {}
  void Paint(int x0, int y0, int x1, int y1, unsigned char alpha) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) px[(static_cast<size_t>(y) * w + x) * 4 + 3] = alpha;
  }
  VXGfxPictureNotes Notes() const {
    VXGfxPictureNotes n = {};
    VXGfxPictureNote(px.data(), w, h, w * 4, &n);
    return n;
  }
};

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(1, VXSysInitHeadless(960, 720, 0)); }
  void TearDown() override {
    for (const std::string& f : files_) remove(f.c_str());
    VXSysExit();
  }

  // Saves a w x h PNG whose every texel has alpha 255; returns its name.
  std::string SavePng(const std::string& name, int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(s, nullptr, 0xFFFFFFFFu);
    EXPECT_EQ(0, IMG_SavePNG(s, name.c_str()));
    SDL_FreeSurface(s);
    files_.push_back(name);
    return name;
  }

  // Writes bytes to a file of the test's; returns its name.
  std::string Save(const std::string& name, const std::vector<unsigned char>& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    files_.push_back(name);
    return name;
  }

  std::vector<std::string> files_;
};

// ---- PNG files written here byte by byte, each row with a filter of its own ----
void Put32(std::vector<unsigned char>* out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out->push_back(static_cast<unsigned char>(v >> shift));
}

void Chunk(std::vector<unsigned char>* out, const char* type, const std::vector<unsigned char>& body) {
  Put32(out, static_cast<uint32_t>(body.size()));
  std::vector<unsigned char> typed(type, type + 4);
  typed.insert(typed.end(), body.begin(), body.end());
  out->insert(out->end(), typed.begin(), typed.end());
  Put32(out, libdeflate_crc32(0, typed.data(), typed.size()));
}

int PaethOf(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

struct PngLayout {
  int width = 7, height = 6, channels = 4;
  std::function<int(int)> filterOfRow = [](int y) { return y % 5; };
  unsigned char colourType() const { return channels == 4 ? 6 : 2; }
};

// Deterministic noise, so that every filter has work to do.
std::vector<unsigned char> Noise(const PngLayout& layout) {
  std::vector<unsigned char> px(static_cast<size_t>(layout.width) * layout.height * layout.channels);
  std::mt19937 rng(7);
  for (unsigned char& c : px) c = static_cast<unsigned char>(rng());
  return px;
}

std::vector<unsigned char> WritePng(const PngLayout& layout, const std::vector<unsigned char>& px,
                                    unsigned char interlace = 0) {
  const size_t bytes = static_cast<size_t>(layout.width) * layout.channels, bpp = layout.channels;
  std::vector<unsigned char> raw;
  for (int y = 0; y < layout.height; ++y) {
    const int filter = layout.filterOfRow(y);
    raw.push_back(static_cast<unsigned char>(filter));
    const unsigned char* row = &px[bytes * y];
    for (size_t i = 0; i < bytes; ++i) {
      const int a = i >= bpp ? row[i - bpp] : 0, b = y > 0 ? row[i - bytes] : 0,
                c = i >= bpp && y > 0 ? row[i - bytes - bpp] : 0;
      const int predictions[5] = {0, a, b, (a + b) / 2, PaethOf(a, b, c)};
      raw.push_back(static_cast<unsigned char>(row[i] - predictions[filter % 5]));
    }
  }
  libdeflate_compressor* z = libdeflate_alloc_compressor(6);
  std::vector<unsigned char> deflated(libdeflate_zlib_compress_bound(z, raw.size()));
  deflated.resize(libdeflate_zlib_compress(z, raw.data(), raw.size(), deflated.data(), deflated.size()));
  libdeflate_free_compressor(z);
  std::vector<unsigned char> file = {137, 'P', 'N', 'G', 13, 10, 26, 10}, header;
  Put32(&header, static_cast<uint32_t>(layout.width));
  Put32(&header, static_cast<uint32_t>(layout.height));
  header.insert(header.end(), {8, layout.colourType(), 0, 0, interlace});
  Chunk(&file, "IHDR", header);
  // Split in two, as writers split the rows into chunks of their size.
  const size_t half = deflated.size() / 2;
  Chunk(&file, "IDAT", std::vector<unsigned char>(deflated.begin(), deflated.begin() + half));
  Chunk(&file, "IDAT", std::vector<unsigned char>(deflated.begin() + half, deflated.end()));
  Chunk(&file, "IEND", {});
  return file;
}

// A decoded picture's texels as RGBA bytes, rows packed; empty when none.
std::vector<unsigned char> Texels(const VXGfxPicture& p) {
  std::vector<unsigned char> out;
  if (!p.surface) return out;
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(p.surface, SDL_PIXELFORMAT_RGBA32, 0);
  for (int y = 0; y < rgba->h; ++y) {
    const unsigned char* row = static_cast<const unsigned char*>(rgba->pixels) + static_cast<size_t>(y) * rgba->pitch;
    out.insert(out.end(), row, row + 4 * rgba->w);
  }
  SDL_FreeSurface(rgba);
  return out;
}

// What the general decoder (libpng through SDL_image) makes of a file.
std::vector<unsigned char> GeneralTexels(const std::string& file) {
  VXGfxPicture p = {};
  p.surface = IMG_Load(file.c_str());
  std::vector<unsigned char> out = Texels(p);
  SDL_FreeSurface(p.surface);
  return out;
}

TEST_F(PictureTest, TheStudiosPngKindsDecodeQuicklyToTheGeneralDecodersTexels) {
  const struct {
    const char* what;
    int channels, width;
    std::function<int(int)> filter;
  } kinds[] = {
      {"RGBA, unfiltered", 4, 7, [](int) { return 0; }},
      {"RGB, unfiltered", 3, 7, [](int) { return 0; }},
      {"RGBA, every filter", 4, 7, [](int y) { return y % 5; }},
      {"RGB, every filter", 3, 7, [](int y) { return (y + 2) % 5; }},
      // Wide enough for Paeth's ties between the texels above and above left.
      {"RGBA, Paeth throughout", 4, 300, [](int) { return 4; }},
  };
  for (const auto& kind : kinds) {
    PngLayout layout;
    layout.channels = kind.channels;
    layout.width = kind.width;
    layout.filterOfRow = kind.filter;
    const std::string file = Save("quick.png", WritePng(layout, Noise(layout)));
    VXGfxPicture p = VXGfxPictureDecode(file.c_str());
    EXPECT_NE(nullptr, p.pages.data) << kind.what << ": not taken by the quick decoder";
    const std::vector<unsigned char> expected = GeneralTexels(file);
    ASSERT_EQ(static_cast<size_t>(layout.width) * layout.height * 4, expected.size()) << kind.what;
    EXPECT_EQ(expected, Texels(p)) << kind.what;
    EXPECT_EQ(kind.channels == 3 ? 1 : 0, p.notes.opaque) << kind.what;
    VXGfxPictureFree(&p);
  }
}

// Whatever the quick decoder does not take or finds damaged goes to the
// general decoder, which reads it or fails it as it always has.
TEST_F(PictureTest, OtherAndDamagedPngFilesAreLeftToTheGeneralDecoder) {
  PngLayout layout;
  const std::vector<unsigned char> good = WritePng(layout, Noise(layout));
  std::vector<std::pair<std::string, std::vector<unsigned char>>> files;
  for (size_t cut = 0; cut < good.size(); cut += 9)
    files.emplace_back("cut at " + std::to_string(cut), std::vector<unsigned char>(good.begin(), good.begin() + cut));
  for (size_t at = 8; at < good.size(); at += 5) {
    std::vector<unsigned char> flipped = good;
    flipped[at] ^= 0x10;
    files.emplace_back("byte " + std::to_string(at) + " changed", flipped);
  }
  PngLayout badFilter = layout;
  badFilter.filterOfRow = [](int y) { return y == 3 ? 5 : 0; };
  files.emplace_back("a filter that does not exist", WritePng(badFilter, Noise(badFilter)));
  std::vector<unsigned char> huge = good;
  huge[16] = 0x7F;  // a width of two thousand million
  const uint32_t crc = libdeflate_crc32(0, &huge[12], 17);
  for (int i = 0; i < 4; ++i) huge[29 + i] = static_cast<unsigned char>(crc >> (24 - 8 * i));
  files.emplace_back("too wide for any texture", huge);
  files.emplace_back("interlaced", WritePng(layout, Noise(layout), 1));
  for (const auto& f : files) {
    const std::string file = Save("odd.png", f.second);
    VXGfxPicture p = VXGfxPictureDecode(file.c_str());
    EXPECT_EQ(nullptr, p.pages.data) << f.first;
    EXPECT_EQ(GeneralTexels(file), Texels(p)) << f.first;
    VXGfxPictureFree(&p);
  }
  // A palette, as other tools write small pictures.
  SDL_Surface* indexed = SDL_CreateRGBSurfaceWithFormat(0, 5, 3, 8, SDL_PIXELFORMAT_INDEX8);
  SDL_Color colours[2] = {{255, 0, 0, 255}, {0, 0, 255, 255}};
  SDL_SetPaletteColors(indexed->format->palette, colours, 0, 2);
  static_cast<unsigned char*>(indexed->pixels)[2] = 1;
  const std::string palette = "palette.png";
  ASSERT_EQ(0, IMG_SavePNG(indexed, palette.c_str()));
  files_.push_back(palette);
  SDL_FreeSurface(indexed);
  VXGfxPicture p = VXGfxPictureDecode(palette.c_str());
  ASSERT_NE(nullptr, p.surface);
  EXPECT_EQ(nullptr, p.pages.data);
  const std::vector<unsigned char> texels = Texels(p);
  const std::vector<unsigned char> red = {255, 0, 0, 255}, blue = {0, 0, 255, 255};
  EXPECT_EQ(red, std::vector<unsigned char>(texels.begin(), texels.begin() + 4));
  EXPECT_EQ(blue, std::vector<unsigned char>(texels.begin() + 8, texels.begin() + 12));
  VXGfxPictureFree(&p);
}

// Whether every texel that is not clear lies in one of the noted rectangles.
bool Covered(const Canvas& c, const VXGfxPictureNotes& n) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (c.px[(static_cast<size_t>(y) * c.w + x) * 4 + 3] == 0) continue;
      bool inside = false;
      for (int r = 0; r < n.regions; ++r)
        inside = inside || (x >= n.region[r][0] && x < n.region[r][2] && y >= n.region[r][1] && y < n.region[r][3]);
      if (!inside) return false;
    }
  return true;
}

TEST_F(PictureTest, NotesTellOpaqueFromClearAndBoundTheVisibleTexelsTightly) {
  Canvas full(40, 30);
  full.Paint(0, 0, 40, 30, 255);
  EXPECT_EQ(1, full.Notes().opaque);
  full.Paint(39, 29, 40, 30, 254);  // one texel not quite opaque
  EXPECT_EQ(0, full.Notes().opaque);

  Canvas clear(40, 30);
  EXPECT_EQ(0, clear.Notes().regions);

  Canvas framed(64, 64);
  framed.Paint(9, 10, 56, 56, 200);
  const VXGfxPictureNotes n = framed.Notes();
  ASSERT_EQ(1, n.regions);
  EXPECT_EQ(9, n.region[0][0]);
  EXPECT_EQ(10, n.region[0][1]);
  EXPECT_EQ(56, n.region[0][2]);
  EXPECT_EQ(56, n.region[0][3]);
}

TEST_F(PictureTest, BlotsApartAreNotedApartAndTooManyAreGatheredUntilFourHoldThemAll) {
  Canvas panels(960, 720);
  panels.Paint(16, 70, 316, 176, 255);
  panels.Paint(644, 70, 944, 176, 255);
  panels.Paint(16, 500, 316, 588, 255);
  panels.Paint(460, 540, 860, 600, 255);
  VXGfxPictureNotes n = panels.Notes();
  EXPECT_EQ(4, n.regions);
  EXPECT_TRUE(Covered(panels, n));
  long area = 0;
  for (int r = 0; r < n.regions; ++r) area += long(n.region[r][2] - n.region[r][0]) * (n.region[r][3] - n.region[r][1]);
  EXPECT_EQ(300L * 106 + 300 * 106 + 300 * 88 + 400 * 60, area);

  Canvas dots(256, 256);
  for (int i = 0; i < 12; ++i) dots.Paint(20 * i, (i * 37) % 240, 20 * i + 3, (i * 37) % 240 + 3, 9);
  n = dots.Notes();
  EXPECT_LE(n.regions, 4);
  EXPECT_GE(n.regions, 1);
  EXPECT_TRUE(Covered(dots, n));
  for (int a = 0; a < n.regions; ++a)
    for (int b = a + 1; b < n.regions; ++b) {
      const int* p = n.region[a];
      const int* q = n.region[b];
      EXPECT_FALSE(p[0] <= q[2] && q[0] <= p[2] && p[1] <= q[3] && q[1] <= p[3]) << "rectangles " << a << ", " << b;
    }
}

TEST_F(PictureTest, PicturesDecodedAheadComeBackInTheirOrderAndAMissingOneFailsInItsPlace) {
  std::vector<std::string> names;
  for (int i = 0; i < 12; ++i) names.push_back(SavePng("ahead-" + std::to_string(i) + ".png", 3 + i, 5 + 2 * i));
  names.insert(names.begin() + 7, "ahead-missing.png");
  for (const std::string& n : names) VXGfxTexturePrefetch(n.c_str());
  for (size_t i = 0; i < names.size(); ++i) {
    VXGfxTexture* tex = VXGfxTextureLoad(names[i].c_str());
    ASSERT_NE(nullptr, tex);
    if (i == 7) {
      EXPECT_FALSE(VXGfxTextureIsValid(tex));
    } else {
      const int k = static_cast<int>(i < 7 ? i : i - 1);
      EXPECT_TRUE(VXGfxTextureIsValid(tex)) << names[i];
      EXPECT_EQ(3 + k, tex->width) << names[i];
      EXPECT_EQ(5 + 2 * k, tex->height) << names[i];
      EXPECT_EQ(1, tex->pNotes->opaque);
    }
    VXGfxTextureUnload(tex);
  }
  VXGfxTexturePrefetchEnd();
}

TEST_F(PictureTest, AFileAskedForOutOfTurnIsDecodedOnTheSpotAndTheRestAreDroppedAtTheEnd) {
  const std::string a = SavePng("turn-a.png", 4, 4), b = SavePng("turn-b.png", 6, 2);
  VXGfxTexturePrefetch(a.c_str());
  VXGfxTexturePrefetch(b.c_str());
  VXGfxTexture* second = VXGfxTextureLoad(b.c_str());  // not the next one
  EXPECT_EQ(6, second->width);
  VXGfxTexturePrefetchEnd();  // a was never taken
  VXGfxTexture* first = VXGfxTextureLoad(a.c_str());
  EXPECT_EQ(4, first->width);
  VXGfxTextureUnload(first);
  VXGfxTextureUnload(second);
}

}  // namespace
