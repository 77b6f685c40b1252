// What the bot sees; see BoardView.h.
#include "BoardView.h"

#include <algorithm>
#include <cstring>

#include "data/MapData.h"
#include "entities/Tower.h"
#include "entities/WaveManager.h"
#include "level/TowerManager.h"

namespace {
// The last wave with drilling monsters.
const int kLastDrillWave = 6;
}  // namespace

int CellColumn(int cell) {
  return cell % GRID_COLUMNS;
}

int CellRow(int cell) {
  return cell / GRID_COLUMNS;
}

// Room for the whole pool up front: the bot must not allocate while the
// allocation test counts.
BoardView::BoardView() : codes(), doomed(), money(0), lives(0), wave(0) {
  towers.reserve(TOWER_POOL_SIZE);
}

void BoardView::Look() {
  const MapData& map = MapData::GetInstance();
  for (int i = 0; i < GRID_CELLS; ++i) codes[i] = map.CodeAt(i);
  towers.clear();
  for (Tower* t : TowerManager::GetInstance().towers) {
    if (!t->dead) towers.push_back(t);
  }
  money = TowerManager::GetInstance().money;
  lives = TowerManager::GetInstance().lives;
  wave = WaveManager::GetInstance().currentWave;
  std::fill(doomed, doomed + GRID_CELLS, false);
  if (wave <= kLastDrillWave) TraceDrill();
}

bool BoardView::IsPath(int cell) const {
  return MapData::InGrid(cell) && codes[cell] >= CODE_PATH && codes[cell] <= CODE_FORK2;
}

int BoardView::PathInRange(int cell, int range) const {
  int count = 0;
  for (int p = 0; p < GRID_CELLS; ++p) {
    if (!IsPath(p)) continue;
    int dx = TILE_SIZE * (CellColumn(p) - CellColumn(cell));
    int dy = TILE_SIZE * (CellRow(p) - CellRow(cell));
    if (dx * dx + dy * dy <= range * range) ++count;
  }
  return count;
}

bool BoardView::CanBuildOn(int cell) const {
  int column = CellColumn(cell), row = CellRow(cell);
  // Column 20's upgrade cell never comes into view.
  return codes[cell] == CODE_BUILDABLE && !doomed[cell] && column >= 1 && column <= 19 && row >= 1 && row <= 9;
}

int BoardView::BestFreeCell(int range) const {
  int best = -1, bestCount = 0;
  for (int cell = 0; cell < GRID_CELLS; ++cell) {
    if (!CanBuildOn(cell)) continue;
    int count = PathInRange(cell, range);
    if (count > bestCount) {
      best = cell;
      bestCount = count;
    }
  }
  return best;
}

// Drilling monsters walk the path but make forks of the first two turns they
// meet and go straight on through them, turning grass, rock and towers ahead
// into path. Walks that route twice (two drilling waves) on a copy of the grid.
void BoardView::TraceDrill() {
  int grid[GRID_CELLS];
  std::memcpy(grid, codes, sizeof grid);
  int entry = -1;
  for (int row = 0; row < GRID_ROWS && entry < 0; ++row) {
    if (IsPath(row * GRID_COLUMNS)) entry = row * GRID_COLUMNS;
  }
  if (entry < 0) return;
  for (int run = 0; run < 2; ++run) {
    int cell = entry, quarters = 0;  // heading in counter-clockwise quarter turns from +x
    bool vertical = false, firstFork = false, secondFork = false;
    for (int steps = 0; steps < GRID_CELLS; ++steps) {
      int q = ((quarters % 4) + 4) % 4;
      int vstep = q == 3 ? GRID_COLUMNS : -GRID_COLUMNS;  // 3 heads down, 1 up
      cell += vertical ? vstep : 1;
      if (!MapData::InGrid(cell)) break;
      int code = grid[cell];
      if (code == CODE_FORK) firstFork = true;
      if (code == CODE_FORK2) secondFork = true;
      if (code == CODE_PATH || code == CODE_FORK || code == CODE_FORK2) {
        int ahead = cell + (vertical ? vstep : 1);
        if (!MapData::InGrid(ahead)) break;
        int& a = grid[ahead];
        if (a == CODE_TURN_CW && !firstFork) {
          a = CODE_FORK;
          firstFork = true;
        } else if (a == CODE_TURN_CW && !secondFork) {
          a = CODE_FORK2;
          secondFork = true;
        } else if (a <= CODE_ROCK) {
          doomed[ahead] = true;
          a = CODE_PATH;
        }
      } else if (code == CODE_TURN_CW || code == CODE_TURN_CCW) {
        quarters += code == CODE_TURN_CW ? -1 : 1;
        vertical = !vertical;
      } else {
        break;
      }
      if (CellColumn(cell) == GRID_COLUMNS - 1) break;  // the exit
    }
  }
}
