// Map file reading, the path's ends and the ground tiles.
#include "data/MapData.h"

#include <cstddef>
#include <cstdio>
#include <fstream>

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

void MapData::LoadMapFile() {
  const char* name = mapChoice == 1 ? "Resources/UltimateMap.txt" : "Resources/OriginalMap.txt";
  std::ifstream in(name);
  if (!in.is_open()) {
    std::printf("File could not be opened.\n");
  } else if (cells) {
    for (int i = 0; i < GRID_CELLS && !in.eof(); ++i) {
      int value = 0;
      if (in >> value) cells[i] = value;
    }
  }
  if (cellState) {
    for (int i = 0; i < CELL_STATE_SIZE; ++i) cellState[i] = CELL_NO_TOWER;
  }
}

VXVec2 MapData::FindStartAndEnd() {
  VXVec2 entry = {0.0f, 0.0f};
  if (!cells) return entry;
  for (int row = 0; row < GRID_ROWS; ++row) {
    int index = row * GRID_COLUMNS;
    if (cells[index] == CODE_PATH) {
      startCell = index;
      entry = CellCentre(0, row);
      break;
    }
  }
  for (int row = 0; row < GRID_ROWS; ++row) {
    int index = row * GRID_COLUMNS + GRID_COLUMNS - 1;
    if (cells[index] == CODE_PATH) {
      endCell = index;
      break;
    }
  }
  return entry;
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
