// Fuzzes the map reader alone, on either map: the bytes in, and the grid out,
// which must hold the file's leading ints, one per cell, codes outside 0 to 7
// held to grass (0) and grass past the last, with every cell free of towers.
// A map is refused exactly when its fault is named.
#include "ReaderTarget.h"
#include "data/DataFault.h"
#include "data/MapChoice.h"
#include "data/MapData.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartReaders();
  MapData::GetInstance().CreateTiles();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MapData& map = MapData::GetInstance();
  const int kHeld = 8;  // no cell code: nothing the reader would write by mistake
  for (int i = 0; i < GRID_CELLS; ++i) map.cells[i] = kHeld;
  for (int i = 0; i < CELL_STATE_SIZE; ++i) map.cellState[i] = 1;
  // The input's length picks the map, so both file names are read.
  mapChoice = static_cast<unsigned char>(size % 2);
  rig::WriteData(mapChoice == 1 ? "UltimateMap.txt" : "OriginalMap.txt", data, size);
  DataFaultClear();
  bool playable = map.LoadMapFile();
  Require(playable == (DataFaultText()[0] == '\0'), "a map is refused exactly when its fault is named");
  int expected[GRID_CELLS] = {};
  LeadingInts(data, size, expected, GRID_CELLS);
  for (int i = 0; i < GRID_CELLS; ++i) {
    int code = expected[i] >= 0 && expected[i] <= 7 ? expected[i] : 0;
    Require(map.cells[i] == code, "each cell is the file's next code, or grass past the last");
  }
  for (int i = 0; i < CELL_STATE_SIZE; ++i) Require(map.cellState[i] == CELL_NO_TOWER, "no cell holds a tower");
  return 0;
}
