// What the pictures must look like where the game depends on it: ground tiles
// that repeat and meet without seams, sprites standing free on transparency,
// a round range disc, health bars that stretch, and HUD slots under the texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "ImageProbe.h"

namespace {

const char* const kSeasons[] = {"Spring", "Summer", "Autumn", "Winter"};

Pixels Load(const std::string& path) {
  Pixels px = DecodeImage("Resources/" + path);
  EXPECT_GT(px.width, 0) << path;
  return px;
}

int ChannelDiff(uint32_t a, uint32_t b) {
  int d = 0;
  for (int shift = 0; shift <= 16; shift += 8)
    d += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
  return d;
}

double Luma(uint32_t p) {
  return 0.3 * ((p >> 16) & 0xFF) + 0.59 * ((p >> 8) & 0xFF) + 0.11 * (p & 0xFF);
}

double Saturation(uint32_t p) {
  int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  int hi = std::max(r, std::max(g, b)), lo = std::min(r, std::min(g, b));
  return hi ? (hi - lo) / static_cast<double>(hi) : 0.0;
}

// Mean colour step across the wrap-around seam against the mean step between
// neighbouring columns (rows) inside the tile.
void ExpectSeamless(const Pixels& px, const std::string& name) {
  double seam = 0, inside = 0;
  int w = px.width, h = px.height;
  for (int i = 0; i < h; ++i) {
    seam += ChannelDiff(px.At(w - 1, i), px.At(0, i)) + ChannelDiff(px.At(i, h - 1), px.At(i, 0));
    for (int k = 0; k + 1 < w; ++k)
      inside += ChannelDiff(px.At(k, i), px.At(k + 1, i)) + ChannelDiff(px.At(i, k), px.At(i, k + 1));
  }
  seam /= 2.0 * h;
  inside /= 2.0 * h * (w - 1);
  EXPECT_LT(seam, inside * 1.6 + 4.0) << name << ": seam step " << seam << ", inside " << inside;
}

TEST(GroundTiles, RepeatWithoutASeamAndAreOpaque) {
  std::vector<std::string> tiles = {"Map/Tile.jpg"};
  for (const char* s : kSeasons) {
    tiles.push_back(std::string("Map/") + s + "Grass.png");
    tiles.push_back(std::string("Map/") + s + "Rock.png");
  }
  for (const std::string& t : tiles) {
    Pixels px = Load(t);
    ASSERT_GT(px.width, 0);
    ExpectSeamless(px, t);
    for (uint32_t p : px.argb) ASSERT_EQ(255u, p >> 24) << t;
  }
}

TEST(GroundTiles, RockMeetsTheGrassOfItsSeasonWithoutASeamAndIsClearlyDifferentFromIt) {
  for (const char* s : kSeasons) {
    Pixels grass = Load(std::string("Map/") + s + "Grass.png"), rock = Load(std::string("Map/") + s + "Rock.png");
    ASSERT_EQ(grass.argb.size(), rock.argb.size());
    int n = grass.width, edges = 0;
    for (int i = 0; i < n; ++i) {
      edges += ChannelDiff(grass.At(0, i), rock.At(0, i)) + ChannelDiff(grass.At(n - 1, i), rock.At(n - 1, i)) +
               ChannelDiff(grass.At(i, 0), rock.At(i, 0)) + ChannelDiff(grass.At(i, n - 1), rock.At(i, n - 1));
    }
    EXPECT_LT(edges / (4.0 * n), 3.0) << s;
    double all = 0;
    for (size_t i = 0; i < grass.argb.size(); ++i) all += ChannelDiff(grass.argb[i], rock.argb[i]);
    EXPECT_GT(all / grass.argb.size(), 60.0) << s;
  }
}

// Opaque pixels in the middle, nothing in the corners: the sprite does not show its square.
void ExpectFreeStanding(const std::string& path) {
  Pixels px = Load(path);
  ASSERT_GT(px.width, 0);
  int w = px.width, h = px.height;
  EXPECT_EQ(0, px.Alpha(0, 0)) << path;
  EXPECT_EQ(0, px.Alpha(w - 1, 0)) << path;
  EXPECT_EQ(0, px.Alpha(0, h - 1)) << path;
  EXPECT_EQ(0, px.Alpha(w - 1, h - 1)) << path;
  int opaque = 0;
  for (uint32_t p : px.argb) opaque += (p >> 24) == 255;
  EXPECT_GT(opaque, w * h / 5) << path;
}

const char* const kMonsters[] = {"Bee",     "Butterfly", "Camel",    "Cow", "Ice",
                                 "Penguin", "Seal",      "Squirrel", "Tea", "Woodpecker"};

TEST(Sprites, MonstersTowersAndBulletsStandFreeOnTransparency) {
  for (const char* m : kMonsters) {
    ExpectFreeStanding(std::string("Monster/") + m + ".png");
    ExpectFreeStanding(std::string("Monster/") + m + "Half.png");
  }
  for (const char* s : kSeasons) {
    for (const char* level : {"", "2", "3"}) ExpectFreeStanding(std::string("Tower/") + s + "Tower" + level + ".png");
  }
  for (const char* b : {"Flower", "Sunbeam", "Gust"}) ExpectFreeStanding(std::string("Bullet/") + b + ".png");
}

double MeanSaturation(const Pixels& px) {
  double sum = 0;
  int n = 0;
  for (uint32_t p : px.argb) {
    if ((p >> 24) < 200) continue;
    sum += Saturation(p);
    ++n;
  }
  return n ? sum / n : 0.0;
}

TEST(Sprites, HalfPicturesLookBeatenGreyerThanTheMonster) {
  for (const char* m : kMonsters) {
    Pixels whole = Load(std::string("Monster/") + m + ".png"), half = Load(std::string("Monster/") + m + "Half.png");
    EXPECT_LT(MeanSaturation(half), MeanSaturation(whole) * 0.8) << m;
  }
}

int OpaqueCount(const Pixels& px) {
  int n = 0;
  for (uint32_t p : px.argb) n += (p >> 24) > 128;
  return n;
}

TEST(Sprites, TowersGrowFromLevelOneToThree) {
  for (const char* s : kSeasons) {
    int one = OpaqueCount(Load(std::string("Tower/") + s + "Tower.png"));
    int two = OpaqueCount(Load(std::string("Tower/") + s + "Tower2.png"));
    int three = OpaqueCount(Load(std::string("Tower/") + s + "Tower3.png"));
    EXPECT_LT(one * 1.1, two) << s;
    EXPECT_LT(two * 1.1, three) << s;
  }
}

TEST(Sprites, TheSnowballIsARoundSoftDiscWithALightCentre) {
  Pixels px = Load("Bullet/Snowball.png");
  ASSERT_GT(px.width, 0);
  int c = px.width / 2;
  EXPECT_EQ(255, px.Alpha(c, c));
  EXPECT_GT(Luma(px.At(c, c)), 235.0);
  EXPECT_EQ(0, px.Alpha(0, 0));
  // The same alpha at the same radius in every direction, fading at the rim.
  // The centre lies between pixels, so the left and upper samples mirror the others.
  int last = px.width - 1;
  for (double f : {0.5, 0.8, 0.95}) {
    int r = static_cast<int>(f * c), d = static_cast<int>(f * c / std::sqrt(2.0));
    int right = px.Alpha(c + r, c), left = px.Alpha(last - (c + r), c);
    int down = px.Alpha(c, c + r), up = px.Alpha(c, last - (c + r));
    EXPECT_NEAR(right, left, 6) << "radius " << f;
    EXPECT_NEAR(right, up, 6) << "radius " << f;
    EXPECT_NEAR(right, down, 6) << "radius " << f;
    EXPECT_NEAR(right, px.Alpha(c + d, c + d), 24) << "radius " << f;
  }
  int rim = px.Alpha(c + static_cast<int>(0.95 * c), c);
  EXPECT_GT(rim, 0);
  EXPECT_LT(rim, 200);
}

// The bars: opaque vertical gradients that stretch; green and red read as such,
// the placement cells clearly.
TEST(Sprites, HealthBarsStretchAndTheyAndThePlacementCellsAreClearlyGreenAndRed) {
  for (const char* bar : {"Misc/GHP.png", "Misc/RHP.png"}) {
    Pixels px = Load(bar);
    ASSERT_GT(px.width, 0);
    for (int y = 0; y < px.height; ++y) {
      for (int x = 0; x < px.width; ++x) {
        ASSERT_EQ(255, px.Alpha(x, y)) << bar;
        ASSERT_EQ(px.At(0, y), px.At(x, y)) << bar << " row " << y;
      }
    }
    EXPECT_GT(Luma(px.At(0, 0)), Luma(px.At(0, px.height - 1)) + 30) << bar;
  }
  auto channel = [](uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); };
  Pixels greenBar = Load("Misc/GHP.png"), redBar = Load("Misc/RHP.png");
  Pixels greenCell = Load("Misc/GreenTile.png"), redCell = Load("Misc/RedTile.png");
  uint32_t g = greenBar.At(0, greenBar.height / 2), r = redBar.At(0, redBar.height / 2);
  EXPECT_GT(channel(g, 8), channel(g, 16));
  EXPECT_GT(channel(r, 16), channel(r, 8));
  g = greenCell.At(20, 20);
  r = redCell.At(20, 20);
  EXPECT_GT(channel(g, 8), channel(g, 16) + 80);
  EXPECT_GT(channel(r, 16), channel(r, 8) + 80);
}

// The strips show only their right half: picture x = 1440 + camera-relative world x.
int StripX(int worldX) {
  return 1440 + worldX;
}

TEST(InterfaceStrips, HeaderTextsPrintOnDarkSlots) {
  Pixels px = Load("GUI/HeaderGUI.png");
  ASSERT_EQ(1920, px.width);
  // Middle of the 24-pixel texts on baseline y 320 (row 40): wave, season, lives, money.
  const int textX[] = {-455, -300, -140, -75, 0, 60, 215, 260, 405, 455};
  for (int x : textX) {
    for (int row : {26, 32, 38}) EXPECT_LT(Luma(px.At(StripX(x), row)), 90.0) << "world x " << x << " row " << row;
  }
  // A heart left of the lives and a coin left of the money stand out of the slots.
  uint32_t heart = px.At(StripX(195), 32), coin = px.At(StripX(385), 32);
  EXPECT_GT(static_cast<int>((heart >> 16) & 0xFF), 180);
  EXPECT_GT(Luma(coin), 120.0);
}

TEST(InterfaceStrips, BottomStripHasALightReadOutAndDarkSlotsWhereTheGameDraws) {
  Pixels px = Load("GUI/BottomGUI.png");
  ASSERT_EQ(1920, px.width);
  // Blue damage text from x -280 on baseline y -290 (row 50).
  for (int x : {-278, -220, -150, -100}) {
    for (int row : {34, 42, 48}) EXPECT_GT(Luma(px.At(StripX(x), row)), 200.0) << "world x " << x;
  }
  // Build-bar slots centred at x 20, 135, 245, 350, y -300, and the tower frame at (-345, -290):
  // their centres are dark so the tower pictures read.
  for (int x : {20, 135, 245, 350}) EXPECT_LT(Luma(px.At(StripX(x), 60)), 150.0) << x;
  EXPECT_LT(Luma(px.At(StripX(-345), 50)), 150.0);
}

}  // namespace
