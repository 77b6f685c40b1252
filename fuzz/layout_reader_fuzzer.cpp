// Fuzzes the build-bar layout reader alone: the bytes in, and the layout out,
// which must hold the file's leading ints, one per entry; past the last, each
// entry keeps what it held.
#include "ReaderTarget.h"
#include "data/GUIData.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartReaders();
  GUIData::GetInstance().CreateTiles();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GUIData& gui = GUIData::GetInstance();
  const unsigned entries = gui.tileCount;
  const int kHeld = 5;  // no tower type: nothing the reader would write by mistake
  for (unsigned i = 0; i < entries; ++i) gui.layout[i] = kHeld;
  rig::WriteData("GUI.txt", data, size);
  gui.LoadLayoutFile();
  int expected[8];
  for (int& value : expected) value = kHeld;
  LeadingInts(data, size, expected, 8);
  Require(gui.tileCount == entries && entries == 8, "the layout keeps its eight entries");
  for (unsigned i = 0; i < entries; ++i) {
    Require(gui.layout[i] == expected[i], "each entry is the file's next int, or what it held past the last");
  }
  return 0;
}
