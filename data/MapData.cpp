// Map file reading, the path's ends and the ground tiles.
#include "data/MapData.h"

#include <cstddef>
#include <cstdio>

#include "data/DataFault.h"
#include "data/DataFile.h"
#include "data/MapChoice.h"
#include "entities/SimpleSprites.h"
#include "level/SeasonState.h"
#include "resources/ResourceManager.h"

MapData& MapData::GetInstance() {
  static MapData instance;
  return instance;
}

MapData::MapData()
    : startCell(0), endCell(0), cells(nullptr), cellState(nullptr), sweepRow(0), sweepColumn(0), sweepTile(0) {}

MapData::~MapData() {
  Free();
}

VXVec2 MapData::CellCentre(int column, int row) {
  return {static_cast<float>(TILE_SIZE * column - 510), static_cast<float>(330 - TILE_SIZE * row)};
}

int MapData::CodeAt(int index) const {
  return (cells && InGrid(index)) ? cells[index] : CODE_GRASS;
}

bool MapData::HasCode(int code) const {
  if (!cells) return false;
  for (int i = 0; i < GRID_CELLS; ++i) {
    if (cells[i] == code) return true;
  }
  return false;
}

int MapData::StateAt(int index) const {
  return (cellState && index >= 0 && index < CELL_STATE_SIZE) ? cellState[index] : CELL_NO_TOWER;
}

void MapData::CreateTiles() {
  cells = new int[GRID_CELLS]();
  cellState = new int[CELL_STATE_SIZE]();
  tiles.reserve(GRID_CELLS);
  for (int i = 0; i < GRID_CELLS; ++i) tiles.push_back(new Tile());
}

void MapData::Free() {
  delete[] cells;
  cells = nullptr;
  for (Tile* t : tiles) delete t;
  tiles.clear();
  delete[] cellState;
  cellState = nullptr;
}

// Up to 264 codes; the cells of a map with fewer stay grass, whether the
// level starts or starts again. Codes outside the known set are held to
// grass too, where nothing walks or is built.
bool MapData::ReadCells(const char* name, const std::string& text) {
  for (int i = 0; i < GRID_CELLS; ++i) cells[i] = CODE_GRASS;
  DataScanner scan(text);
  for (int i = 0; i < GRID_CELLS; ++i) {
    int code = 0;
    DataScanner::Result r = scan.Int(&code);
    if (r == DataScanner::END) break;
    if (r == DataScanner::BAD) {
      DataFaultReport("%s line %d: \"%s\" is not a cell code.", name, scan.Line(), scan.Token().c_str());
      return false;
    }
    if (code < CODE_GRASS || code > CODE_FORK2) {
      std::printf("%s line %d: the code %d of row %d, column %d held to %d.\n", name, scan.Line(), code,
                  i / GRID_COLUMNS + 1, i % GRID_COLUMNS + 1, CODE_GRASS);
      code = CODE_GRASS;
    }
    cells[i] = code;
  }
  return true;
}

bool MapData::LoadMapFile() {
  const char* name = mapChoice == 1 ? "Resources/UltimateMap.txt" : "Resources/OriginalMap.txt";
  std::string text;
  bool playable = DataFileRead(name, &text);
  if (!playable) {
    DataFaultReport("%s is missing or is not a file.", name);
  } else if (cells) {
    playable = ReadCells(name, text) && HasWayThrough(name);
  }
  if (cellState) {
    for (int i = 0; i < CELL_STATE_SIZE; ++i) cellState[i] = CELL_NO_TOWER;
  }
  return playable;
}

// The topmost path cell of a column, or -1.
int MapData::PathEnd(int column) const {
  for (int row = 0; row < GRID_ROWS; ++row) {
    int index = row * GRID_COLUMNS + column;
    if (cells[index] == CODE_PATH) return index;
  }
  return -1;
}

VXVec2 MapData::FindStartAndEnd() {
  VXVec2 entry = {0.0f, 0.0f};
  if (!cells) return entry;
  int start = PathEnd(0), end = PathEnd(GRID_COLUMNS - 1);
  if (start >= 0) {
    startCell = start;
    entry = CellCentre(0, start / GRID_COLUMNS);
  }
  if (end >= 0) endCell = end;
  return entry;
}

// Whether a monster can walk from the entry to the exit on path cells alone,
// taking either way at a fork. Its heading is its turn in quarter turns (0
// to 3, counter-clockwise positive): 1 walks up, 3 down, and the other two
// east, since monsters never walk west.
bool MapData::HasWayThrough(const char* name) const {
  const int entry = PathEnd(0), exit = PathEnd(GRID_COLUMNS - 1);
  if (entry < 0 || exit < 0) {
    DataFaultReport("%s: no path cell (code 3) in the %s column, where the monsters %s.", name,
                    entry < 0 ? "first" : "last", entry < 0 ? "come in" : "leave");
    return false;
  }
  // A fork of the first kind turns every time unless the map has both kinds.
  const bool forkMayGoStraight = HasCode(CODE_FORK2);
  bool seen[GRID_CELLS][4] = {};
  int open[GRID_CELLS * 4][2];
  int count = 0;
  open[count][0] = entry;
  open[count++][1] = 0;
  while (count > 0) {
    --count;
    const int cell = open[count][0], heading = open[count][1];
    int next = heading == 1 ? cell - GRID_COLUMNS : (heading == 3 ? cell + GRID_COLUMNS : cell + 1);
    if (heading % 2 == 0 && IsRowEnd(cell)) next = -1;
    if (!InGrid(next)) continue;
    if (next == exit) return true;
    const int code = cells[next];
    const int right = (heading + 3) % 4, left = (heading + 1) % 4;
    int ways[2] = {-1, -1};
    if (code == CODE_PATH || code == CODE_FORK2 || (code == CODE_FORK && forkMayGoStraight)) ways[0] = heading;
    if (code == CODE_TURN_CW || code == CODE_FORK || code == CODE_FORK2) ways[1] = right;
    if (code == CODE_TURN_CCW) ways[1] = left;
    for (int way : ways) {
      if (way < 0 || seen[next][way]) continue;
      seen[next][way] = true;
      open[count][0] = next;
      open[count++][1] = way;
    }
  }
  DataFaultReport("%s: the path from the entry on row %d does not lead to the exit on row %d.", name,
                  entry / GRID_COLUMNS + 1, exit / GRID_COLUMNS + 1);
  return false;
}

void MapData::PlaceTile(Tile* tile, int column, int row, int season) {
  ResourceManager* rm = ResourceManager::GetInstance();
  tile->SetDead(false);
  tile->position = CellCentre(column, row);
  int code = cells[row * GRID_COLUMNS + column];
  if (code == CODE_GRASS || code == CODE_BUILDABLE) {
    if (season >= 1 && season <= 4) tile->texture = rm->GetTileTexture(2 * season - 1);
  } else if (code == CODE_ROCK) {
    if (season >= 1 && season <= 4) tile->texture = rm->GetTileTexture(2 * season);
  } else {
    tile->texture = rm->GetTileTexture(TILE_PATH);
  }
  tile->mesh = rm->GetMesh(MESH_GRID);
}

void MapData::RefreshTiles() {
  if (!cells || tiles.size() < GRID_CELLS) return;
  SeasonState& season = SeasonState::GetInstance();
  if (!season.seasonSweep) {
    for (int row = 0; row < GRID_ROWS; ++row) {
      for (int column = 0; column < GRID_COLUMNS; ++column) {
        PlaceTile(tiles[static_cast<size_t>(row * GRID_COLUMNS + column)], column, row, season.currentSeason);
      }
    }
    return;
  }
  // One column per frame, left to right; the background follows when it ends.
  // Each cell keeps its own tile, so none is left bare while the sweep runs.
  for (sweepRow = 0; sweepRow < GRID_ROWS; ++sweepRow) {
    sweepTile = sweepRow * GRID_COLUMNS + sweepColumn;
    PlaceTile(tiles[static_cast<size_t>(sweepTile)], sweepColumn, sweepRow, season.currentSeason);
  }
  sweepColumn += 1;
  sweepRow = 0;
  if (sweepColumn >= GRID_COLUMNS) {
    sweepColumn = 0;
    season.shownSeason = season.currentSeason;
    season.seasonSweep = false;
  }
}
