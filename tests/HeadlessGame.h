// The engine as the in-process game harnesses drive it: a headless 960 x 720
// window at 60 Hz, dummy audio unless asked otherwise, scripted input, and a
// scripted clock of clockRate ticks a second starting at 0.
#pragma once
#include <cstdint>
#include <cstdlib>

#include "VXFrameRateController.h"
#include "VXInput.h"
#include "VXSystem.h"

inline void StartHeadlessGame(int64_t clockRate) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  VXSysInitHeadless(960, 720, 60);
  VXSysReset();
  VXInputSetScripted(true);
  VXClockUseScripted(clockRate, 0);
}
