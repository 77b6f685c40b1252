// The ground during a season change: the new season's pictures spread one
// column per frame while every cell stays covered by exactly one tile.
#include <string>
#include <vector>

#include "LevelHarness.h"
#include "entities/SimpleSprites.h"

namespace {

class SeasonSweepTest : public LevelTest {
 protected:
  void SetUp() override {
    LevelTest::SetUp();
    HoldWaves();
    // The season roll at level start may have begun a sweep of its own.
    for (int i = 0; i <= GRID_COLUMNS && Season().seasonSweep; ++i) Frame();
    ASSERT_FALSE(Season().seasonSweep);
  }
  static std::string Cell(int i) {
    return " (" + std::to_string(i % GRID_COLUMNS) + "," + std::to_string(i / GRID_COLUMNS) + ")";
  }
  // The picture on every cell, from the tiles in play standing on cell centres;
  // a cell with no tile or with two is a failure of the current test.
  std::vector<VXGfxTexture*> Ground(int frame) {
    std::vector<VXGfxTexture*> picture(GRID_CELLS, nullptr);
    std::vector<int> cover(GRID_CELLS, 0);
    for (Tile* t : Map().tiles) {
      if (t->dead) continue;
      int column = static_cast<int>(t->position.x + 510.0f) / TILE_SIZE;
      int row = static_cast<int>(330.0f - t->position.y) / TILE_SIZE;
      VXVec2 centre = MapData::CellCentre(column, row);
      bool onCell = column >= 0 && column < GRID_COLUMNS && row >= 0 && row < GRID_ROWS;
      EXPECT_TRUE(onCell && centre.x == t->position.x && centre.y == t->position.y) << "frame " << frame;
      if (!onCell) continue;
      size_t at = static_cast<size_t>(row * GRID_COLUMNS + column);
      cover[at] += 1;
      picture[at] = t->texture;
    }
    std::string bad;
    for (int i = 0; i < GRID_CELLS; ++i) {
      if (cover[static_cast<size_t>(i)] != 1) bad += Cell(i) + " x" + std::to_string(cover[static_cast<size_t>(i)]);
    }
    EXPECT_EQ("", bad) << "cells not covered by exactly one tile, frame " << frame;
    return picture;
  }
};

TEST_F(SeasonSweepTest, EveryCellStaysCoveredWhileTheNewSeasonSpreadsAColumnAFrame) {
  const int from = Season().shownSeason;
  const int to = from % 4 + 1;
  // The whole ground in either season, laid without a sweep.
  Season().currentSeason = to;
  Frame();
  const std::vector<VXGfxTexture*> after = Ground(0);
  Season().currentSeason = from;
  Frame();
  const std::vector<VXGfxTexture*> before = Ground(0);

  Season().currentSeason = to;
  Season().seasonSweep = true;
  for (int frame = 1; frame <= GRID_COLUMNS; ++frame) {
    Frame();
    std::vector<VXGfxTexture*> shown = Ground(frame);
    std::string wrong;
    for (int i = 0; i < GRID_CELLS; ++i) {
      bool swept = i % GRID_COLUMNS < frame;
      size_t at = static_cast<size_t>(i);
      if (shown[at] != (swept ? after[at] : before[at])) wrong += Cell(i);
    }
    EXPECT_EQ("", wrong) << "cells showing the wrong season, frame " << frame;
    if (HasFailure()) return;  // one frame's worth of messages is enough
    EXPECT_EQ(frame < GRID_COLUMNS, Season().seasonSweep) << "frame " << frame;
    EXPECT_EQ(frame < GRID_COLUMNS ? from : to, Season().shownSeason) << "frame " << frame;
  }
}

}  // namespace
