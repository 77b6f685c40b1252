// Fuzzes the game-data reader with the level around it: the file is read by a
// restart, then a tower is built and the first wave walks with the values read.
#include <cstdlib>

#include "FuzzTarget.h"
#include "VXInput.h"
#include "data/MapData.h"
#include "entities/WaveManager.h"
#include "level/TowerManager.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartFuzzLevel();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rig::WriteData("DataInput.txt", data, size);
  rig::RestartLevel();
  if (!LevelStarted()) return 0;
  TowerManager::GetInstance().money = 1000;
  WaveManager::GetInstance().timeToNextWave = 0.0f;
  // A tower of the type the input's length picks, on the first free build cell in view.
  int type = static_cast<int>(size % 4) + 1;
  MapData& map = MapData::GetInstance();
  for (int i = 22; i < 22 * 10; ++i) {
    int column = i % 22;
    if (column < 1 || column > 15 || map.cells[i] != CODE_BUILDABLE) continue;
    rig::Press(VX_KEY_B);
    rig::Click(495 + 110 * (type - 1), 655);
    rig::Click((column - 1) * 60 + 30, (i / 22) * 60 + 30);
    break;
  }
  VXInputScriptCursor(480, 360);
  rig::Frames(40);  // the first monsters come out, towers fire every 2 s
  if (!rig::MonstersStayOnTheGrid()) std::abort();
  return 0;
}
