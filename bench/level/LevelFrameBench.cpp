// The cost of one frame of the heaviest playing scene on a real window with
// real GL: the level's Update, its Draw, and the frame end (swap), windowed
// and in full screen. Run under a display, e.g.
//   LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" bench/level/level_frame_bench
// from the build tree. Arguments: the number of frames to measure (300), and
// "windowed" to leave out the full-screen run.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "FrameStats.h"
#include "HeavyScene.h"
#include "VXFrameRateController.h"
#include "VXGfxInternal.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "data/MapChoice.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {
int sFrames = 300;

void Measure(const char* title) {
  FrameStats update("Update"), draw("Draw"), end("frame end (swap)"), total("whole frame");
  BaseLevel* level = GameStateManager::GetInstance().currentLevel;
  struct rusage r0, r1;
  getrusage(RUSAGE_SELF, &r0);
  for (int i = 0; i < sFrames; ++i) {
    HeavySceneKeep();
    double t0 = BenchNow();
    VXSysFrameStart();
    VXInputUpdate();
    double t1 = BenchNow();
    level->Update();
    double t2 = BenchNow();
    level->Draw();
    double t3 = BenchNow();
    VXSysFrameEnd();
    double t4 = BenchNow();
    update.Add(t2 - t1);
    draw.Add(t3 - t2);
    end.Add(t4 - t3);
    total.Add(t4 - t0);
  }
  getrusage(RUSAGE_SELF, &r1);
  auto us = [](const timeval& t) { return t.tv_sec * 1e6 + t.tv_usec; };
  std::printf("  cpu per frame %.3f ms user %.3f ms sys, %.1f page faults\n",
              (us(r1.ru_utime) - us(r0.ru_utime)) / sFrames / 1e3, (us(r1.ru_stime) - us(r0.ru_stime)) / sFrames / 1e3,
              double(r1.ru_minflt - r0.ru_minflt) / sFrames);
  int towers, monsters, bullets, smoke;
  HeavySceneCount(&towers, &monsters, &bullets, &smoke);
  int w = static_cast<int>(960 * gVXScreenScaleX), h = static_cast<int>(720 * gVXScreenScaleY);
  std::printf("%s, %dx%d pixels, %d frames; at the end %d towers, %d monsters, %d bullets, %d smoke particles\n", title,
              w, h, sFrames, towers, monsters, bullets, smoke);
  update.Print();
  draw.Print();
  end.Print();
  total.Print();
  // What the platform costs with nothing drawn: the clear and the swap.
  FrameStats empty("empty frame (baseline)");
  for (int i = 0; i < sFrames; ++i) {
    double t0 = BenchNow();
    VXSysFrameStart();
    VXSysFrameEnd();
    empty.Add(BenchNow() - t0);
  }
  empty.Print();
  VXGfxCounters before = gVXGfxCounters;
  for (int i = 0; i < 10; ++i) {
    VXSysFrameStart();
    level->Draw();
    VXSysFrameEnd();
  }
  const VXGfxCounters& c = gVXGfxCounters;
  std::printf("  per frame: %ld draws, %ld skipped, %ld opaque, %ld clipped, %ld uniforms, %ld binds, %ld pixels\n",
              (c.draws - before.draws) / 10, (c.drawsSkipped - before.drawsSkipped) / 10,
              (c.drawsOpaque - before.drawsOpaque) / 10, (c.drawsClipped - before.drawsClipped) / 10,
              (c.uniformUploads - before.uniformUploads) / 10, (c.programBinds - before.programBinds) / 10,
              (c.pixelsCovered - before.pixelsCovered) / 10);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) sFrames = std::max(1, std::atoi(argv[1]));
  bool windowedOnly = argc > 2 && std::strcmp(argv[2], "windowed") == 0;
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (VXSysInit(nullptr, 1, 960, 720, 0, 60, nullptr) != 1) {
    std::printf("no window: run under a display (xvfb-run)\n");
    return 1;
  }
  VXSysReset();
  VXInputSetScripted(true);
  VXInputScriptCursor(480, 360);
  // Game time moves exactly 1/60 s a frame whatever the frame costs.
  VXClockUseScripted(600000, 0);
  GameStateManager& gsm = GameStateManager::GetInstance();
  mapChoice = 0;
  gsm.nextState = STATE_LEVEL;
  FrameLoopRunFrame();
  if (gsm.currentState != STATE_LEVEL) return 1;
  Measure("Fresh level (ground, interface, texts, season sweep), windowed");
  HeavySceneBuild();
  Measure("Heaviest scene, windowed");
  if (!windowedOnly) {
    VXToogleFullScreen(true);
    Measure("Heaviest scene, full screen");
  }
  gsm.nextState = STATE_QUIT;
  while (!FrameLoopShouldQuit()) FrameLoopRunFrame();
  VXSysExit();
  return 0;
}
