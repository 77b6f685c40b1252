// Fuzzes the map reader and the monsters' walk: the file is read by a
// restart, then a walking and a drilling monster go as far as the map lets
// them. However broken the map, no monster may stand off the grid.
#include <cstdlib>

#include "FuzzTarget.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartFuzzLevel();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rig::WriteData("OriginalMap.txt", data, size);
  rig::RestartLevel();
  if (!LevelStarted()) return 0;
  const int waves[] = {0, 3};  // an ordinary wave and the first drilling one
  rig::HoldWavesAndSpawn(waves, 2, 600.0f);
  if (!rig::WalkMonstersOnly(200)) std::abort();
  return 0;
}
