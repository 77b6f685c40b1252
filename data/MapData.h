// The 22 x 12 grid: cell codes from the map file, tower occupancy, the entry
// and exit of the path, and the 264 ground tiles with the season sweep.
#pragma once
#include <string>
#include <vector>

#include "VXMath.h"

class Tile;

enum {
  GRID_COLUMNS = 22,
  GRID_ROWS = 12,
  TILE_SIZE = 60,
  GRID_CELLS = GRID_COLUMNS * GRID_ROWS,
  CELL_STATE_SIZE = GRID_CELLS + 2 * GRID_COLUMNS,  // a spare row below the grid and one more
  CELL_NO_TOWER = 9,
  // Rows between the header and the build bar: the only ones the player sees whole.
  FIELD_FIRST_ROW = 1,
  FIELD_LAST_ROW = 9,
};

// Cell codes.
enum {
  CODE_GRASS = 0,
  CODE_BUILDABLE = 1,
  CODE_ROCK = 2,
  CODE_PATH = 3,
  CODE_TURN_CW = 4,
  CODE_TURN_CCW = 5,
  CODE_FORK = 6,
  CODE_FORK2 = 7,
};

class MapData {
 public:
  static MapData& GetInstance();

  void CreateTiles();  // level Load
  // Level Initialize: the file chosen by mapChoice. False, after a line that
  // names the file and what is wrong, when it cannot give a playable level:
  // missing, not plain decimal text, or no way through from entry to exit.
  bool LoadMapFile();
  // The world position where monsters appear; records startCell and endCell.
  VXVec2 FindStartAndEnd();
  void RefreshTiles();  // every frame; one column per frame during a sweep
  void Free();          // level Unload

  static bool InGrid(int index) { return index >= 0 && index < GRID_CELLS; }
  static bool IsRowEnd(int index) { return index % GRID_COLUMNS == GRID_COLUMNS - 1; }
  static bool InField(int index) {
    return InGrid(index) && index / GRID_COLUMNS >= FIELD_FIRST_ROW && index / GRID_COLUMNS <= FIELD_LAST_ROW;
  }
  static VXVec2 CellCentre(int column, int row);
  // The code of a cell, or 0 (not path) outside the grid or before Load.
  int CodeAt(int index) const;
  bool HasCode(int code) const;
  // Occupancy of a cell, or 9 (no tower) outside the array.
  int StateAt(int index) const;

  std::vector<Tile*> tiles;
  int startCell;
  int endCell;
  int* cells;
  int* cellState;
  int sweepRow;
  int sweepColumn;
  int sweepTile;

 private:
  MapData();
  ~MapData();
  void PlaceTile(Tile* tile, int column, int row, int season);
  bool ReadCells(const char* name, const std::string& text);
  int PathEnd(int column) const;
  bool HasWayThrough(const char* name) const;
};
