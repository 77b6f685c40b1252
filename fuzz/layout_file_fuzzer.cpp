// Fuzzes the build-bar layout reader: the file is read by a restart, then the
// layout pass runs with the player picking a button and carrying a tower.
#include "FuzzTarget.h"
#include "VXInput.h"
#include "level/TowerManager.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartFuzzLevel();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rig::WriteData("GUI.txt", data, size);
  rig::RestartLevel();
  if (!LevelStarted()) return 0;
  TowerManager::GetInstance().money = 1000;
  rig::Press(VX_KEY_B);
  rig::Click(495 + 110 * static_cast<int>(size % 4), 655);
  VXInputScriptCursor(300, 300);
  rig::Frames(2);
  VXInputScriptCursor(900, 40);
  rig::Frames(2);
  VXInputScriptCursor(480, 360);
  return 0;
}
