// The cost of one frame of the playing level on a real window with real GL
// (Update, Draw and the frame end with its swap), in four scenes: the fresh
// level with its tutorial up and the heaviest scene the rules allow, windowed and
// full screen, both with a season sweep running. Beside each, in the same run
// and in turns, the floor program draws the same quads (bench/floor), and
// every scene prints its ratio to the floor. Run under a display, e.g.
//   LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" bench/level/level_frame_bench
// from the build tree. Arguments: frames per turn (100), turns (3), and
// "reference" to time the renderer's reference path in turn as well.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "FloorLink.h"
#include "FrameStats.h"
#include "HeavyScene.h"
#include "VXFrameRateController.h"
#include "VXGfxInternal.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "data/MapChoice.h"
#include "entities/Tutorial.h"
#include "level/LevelOne.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {

int sFrames = 100, sTurns = 3;
double sMainCpu = 0;  // of the last Play, ms per frame
bool sTutorialUp = true;
bool sReference = false;
int sOnly = -1, sScene = 0;  // "scene=N": only the Nth scene (from 0)

// CPU time of the whole process (the driver's threads too), or of this thread.
double CpuMs(int who = RUSAGE_SELF) {
  rusage r;
  getrusage(who, &r);
  return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

struct Result {
  const char* scene;
  double level, levelCpu, reference, referenceCpu, floor, floorCpu;
};
std::vector<Result> sResults;

// Frames of the level through one path; returns the CPU time per frame.
double Play(bool reference, FrameStats* update, FrameStats* draw, FrameStats* end, FrameStats* total) {
  BaseLevel* level = GameStateManager::GetInstance().currentLevel;
  VXGfxUseReferencePath(reference);
  const double cpu0 = CpuMs(), main0 = CpuMs(RUSAGE_THREAD);
  for (int i = 0; i < sFrames; ++i) {
    HeavySceneKeep();
    // The fresh level keeps its tutorial up (it would fade after ten seconds).
    if (sTutorialUp) dynamic_cast<LevelOne*>(level)->tutorial->showTimer = 0.0f;
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
    update->Add(t2 - t1);
    draw->Add(t3 - t2);
    end->Add(t4 - t3);
    total->Add(t4 - t0);
  }
  VXGfxUseReferencePath(false);
  sMainCpu = (CpuMs(RUSAGE_THREAD) - main0) / sFrames;
  return (CpuMs() - cpu0) / sFrames;
}

// What the renderer does in one frame, counted rather than timed.
void PrintWork() {
  BaseLevel* level = GameStateManager::GetInstance().currentLevel;
  const VXGfxCounters before = gVXGfxCounters;
  // Drawn again without an update, the frame would repeat the last one and
  // be neither drawn nor counted.
  VXGfxWindowChanged();
  VXSysFrameStart();
  level->Draw();
  VXSysFrameEnd();
  const VXGfxCounters& c = gVXGfxCounters;
  std::printf(
      "  one frame: %ld draw calls (%ld opaque, %ld clipped), %ld draws skipped, %ld uniform uploads, "
      "%ld program binds, %ld texture binds, %ld blend changes, %.2f screens of pixels\n",
      c.draws - before.draws, c.drawsOpaque - before.drawsOpaque, c.drawsClipped - before.drawsClipped,
      c.drawsSkipped - before.drawsSkipped, c.uniformUploads - before.uniformUploads,
      c.programBinds - before.programBinds, c.textureBinds - before.textureBinds, c.blendChanges - before.blendChanges,
      double(c.pixelsCovered - before.pixelsCovered) / (960.0 * gVXScreenScaleX * 720.0 * gVXScreenScaleY));
}

void Measure(const char* scene) {
  if (sOnly >= 0 && sOnly != sScene++) return;
  int w = static_cast<int>(960 * gVXScreenScaleX), h = static_cast<int>(720 * gVXScreenScaleY);
  // Four seconds of play first: smoke keeps gathering until its puffs start to die.
  {
    FrameStats warm("warm-up", 240), warmParts("warm-up");
    const int frames = sFrames;
    sFrames = 240;
    Play(false, &warmParts, &warmParts, &warmParts, &warm);
    sFrames = frames;
  }
  int towers, monsters, bullets, smoke;
  HeavySceneCount(&towers, &monsters, &bullets, &smoke);
  std::printf("%s, %dx%d pixels, %d turns of %d frames; %d towers, %d monsters, %d bullets, %d smoke particles\n",
              scene, w, h, sTurns, sFrames, towers, monsters, bullets, smoke);
  FrameStats update("Update", sTurns * sFrames), draw("Draw", sTurns * sFrames),
      end("frame end (swap)", sTurns * sFrames), total("whole frame", sTurns * sFrames),
      refTotal("reference path frame", sTurns * sFrames);
  FrameStats floor("floor frame", sTurns);
  double cpu = 0, mainCpu = 0, refCpu = 0, floorCpu = 0;
  std::string floorWork;
  // The floor draws the next frames the level draws, in a loop: a sweep's worth.
  FloorCaptureBegin(w, h);
  PrintWork();
  FloorCaptureFrame();
  {
    FrameStats captured("captured", 24), capturedParts("captured");
    const int frames = sFrames;
    sFrames = 1;
    for (int i = 0; i < 23; ++i) {
      Play(false, &capturedParts, &capturedParts, &capturedParts, &captured);
      FloorCaptureFrame();
    }
    sFrames = frames;
  }
  const bool haveFloor = FloorCaptureEnd();
  for (int turn = 0; turn < sTurns; ++turn) {
    cpu += Play(false, &update, &draw, &end, &total) / sTurns;
    mainCpu += sMainCpu / sTurns;
    if (sReference) {
      FrameStats u("u"), d("d"), e("e");
      refCpu += Play(true, &u, &d, &e, &refTotal) / sTurns;
    }
    double median = 0, floorCpuTurn = 0;
    if (haveFloor && FloorRun(sFrames, &median, &floorCpuTurn, &floorWork)) {
      floor.Add(median / 1e3);
      floorCpu += floorCpuTurn / sTurns;
    }
  }
  update.Print();
  draw.Print();
  end.Print();
  total.Print();
  if (sReference) refTotal.Print();
  floor.Print();
  std::printf("  CPU per frame: %.2f ms, %.2f of them on the game's thread\n", cpu, mainCpu);
  std::printf("  the floor's frame: %s\n", floorWork.c_str());
  sResults.push_back({scene, total.Median() * 1e3, cpu, sReference ? refTotal.Median() * 1e3 : 0, refCpu,
                      floor.Median() * 1e3, floorCpu});
}

void PrintSummary() {
  std::printf("\nSummary (medians of whole frames in ms; CPU: all threads, ms per frame):\n");
  std::printf("%-30s %9s %8s %9s %8s %9s %8s %12s\n", "scene", "level", "cpu", "reference", "cpu", "floor", "cpu",
              "level/floor");
  for (const Result& r : sResults) {
    std::printf("%-30s %9.2f %8.2f %9.2f %8.2f %9.2f %8.2f %12.2f\n", r.scene, r.level, r.levelCpu, r.reference,
                r.referenceCpu, r.floor, r.floorCpu, r.floor > 0 ? r.level / r.floor : 0.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) sFrames = std::max(1, std::atoi(argv[1]));
  if (argc > 2) sTurns = std::max(1, std::atoi(argv[2]));
  for (int i = 3; i < argc; ++i) {
    sReference = sReference || std::strcmp(argv[i], "reference") == 0;
    if (std::strncmp(argv[i], "scene=", 6) == 0) sOnly = std::atoi(argv[i] + 6);
  }
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (VXSysInit(nullptr, 1, 960, 720, 0, 60, nullptr) != 1) {
    std::printf("no window: run under a display (xvfb-run)\n");
    return 1;
  }
  if (!FloorStart()) std::printf("the floor program did not start; no ratios\n");
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
  Measure("fresh level, windowed");
  VXToogleFullScreen(true);
  Measure("fresh level, full screen");
  VXToogleFullScreen(false);
  sTutorialUp = false;
  HeavySceneBuild();
  Measure("heaviest scene, windowed");
  VXToogleFullScreen(true);
  Measure("heaviest scene, full screen");
  PrintSummary();
  FloorStop();
  gsm.nextState = STATE_QUIT;
  while (!FrameLoopShouldQuit()) FrameLoopRunFrame();
  VXSysExit();
  return 0;
}
