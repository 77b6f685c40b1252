// What every reader fuzzer shares: the game rig started once, in the level on
// the first map, before the first input. Built as a libFuzzer target, or with
// a replay main that feeds it files (the fault tests).
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "LevelRig.h"
#include "data/DataFault.h"
#include "shell/GameStateManager.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Ten frames a second: monsters cross cells and end their turns in few frames.
inline void StartFuzzLevel() {
  rig::Start(ORVANE_BUILT_RESOURCES, 10);
  rig::EnterLevel(0);
}

// After the restart that read the input: true when the level runs. A file that
// cannot give a level must have sent the player back to the map selection,
// with its fault kept for the screen to show.
inline bool LevelStarted() {
  GameStateManager& states = GameStateManager::GetInstance();
  if (states.currentState == STATE_LEVEL) return true;
  if (states.currentState != STATE_MAPSELECT || DataFaultText()[0] == '\0') std::abort();
  return false;
}
