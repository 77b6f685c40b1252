// Fuzzes the build-bar layout reader alone: the bytes in, and the layout out,
// which must hold the file's leading ints, one per entry (past the last, each
// entry keeps what it held), except that the four buttons always show the
// four tower types, each button keeping the type it was given when that type
// lies in 1 to 4 and no earlier button shows it.
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
  // Held values: no tower type (so the buttons are held) in the strips, the
  // preview and the panel, a type where the file may leave a button unread.
  const int kHeld[8] = {5, 5, 4, 3, 2, 1, 5, 5};
  for (unsigned i = 0; i < entries; ++i) gui.layout[i] = kHeld[i];
  rig::WriteData("GUI.txt", data, size);
  gui.LoadLayoutFile();
  int expected[8];
  for (int i = 0; i < 8; ++i) expected[i] = kHeld[i];
  LeadingInts(data, size, expected, 8);
  Require(gui.tileCount == entries && entries == 8, "the layout keeps its eight entries");
  for (unsigned i : {0u, 1u, 6u, 7u}) {
    Require(gui.layout[i] == expected[i], "each entry is the file's next int, or what it held past the last");
  }
  bool shown[5] = {};
  for (unsigned i = 2; i < 6; ++i) {
    int type = gui.layout[i];
    Require(type >= 1 && type <= 4 && !shown[type], "the four buttons show the four tower types");
    shown[type] = true;
  }
  bool given[5] = {};
  for (unsigned i = 2; i < 6; ++i) {
    int wanted = expected[i];
    if (wanted < 1 || wanted > 4 || given[wanted]) continue;
    given[wanted] = true;
    Require(gui.layout[i] == wanted, "a button keeps a type that no earlier button shows");
  }
  return 0;
}
