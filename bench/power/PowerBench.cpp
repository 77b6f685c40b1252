// What the game costs a laptop while nobody plays: the CPU of the whole
// process (the main thread and the GL driver's threads, from getrusage) per
// second of idling in the main menu and in a fresh level, and the spread of
// the intervals between frame starts. Each turn idles one screen with one of
// two waits for the end of the frame, in turns and over several rounds:
//   sleep  the engine's frame rate controller (limit 60), as the game runs;
//   spin   the wait the engine had before: no limit in the engine, and a spin
//          on the counter here until 1/60 s after the frame's start, with the
//          frame time set to what was waited and the messages pumped after
//          it, as the engine did.
// Prints medians over the rounds. Run under a display, from the build tree:
//   LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" bench/power/power_bench
// Arguments: seconds per turn (4), rounds (3), and "full" for full screen.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "VXFrameRateController.h"
#include "VXSystem.h"
#include "data/MapChoice.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {

double sSeconds = 4.0;
int sRounds = 3;
const double kFrame = 1.0 / 60.0;

// CPU seconds of the whole process, or of this thread.
double Cpu(int who) {
  rusage r;
  getrusage(who, &r);
  return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
         static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6;
}

struct Turn {
  double cores, mainCores, fps, medianMs, p99Ms, worstMs;
};

double Quantile(std::vector<double> v, double q) {
  if (v.empty()) return 0.0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())))];
}

void Enter(int state) {
  GameStateManager& gsm = GameStateManager::GetInstance();
  gsm.nextState = state;
  FrameLoopRunFrame();
}

// Idles a fresh screen for sSeconds with one wait; the level is entered anew
// each turn, so that its waves never start.
Turn Idle(int state, bool spin) {
  VXFrameRateControllerInit(spin ? 0 : 60);
  Enter(STATE_MAINMENU);
  if (state == STATE_LEVEL) Enter(STATE_LEVEL);
  std::vector<double> intervals;
  intervals.reserve(static_cast<size_t>(sSeconds * 70.0) + 16);
  double last = 0.0, first = 0.0, cpu = 0.0, mainCpu = 0.0;
  for (int frame = -30;; ++frame) {  // a half second to settle first
    const double start = VXGetTime(nullptr);
    if (frame == 0) {
      first = start;
      cpu = Cpu(RUSAGE_SELF);
      mainCpu = Cpu(RUSAGE_THREAD);
    } else if (frame > 0) {
      intervals.push_back(start - last);
      if (start - first >= sSeconds) break;
    }
    last = start;
    FrameLoopRunFrame();
    if (spin) {
      double now = VXGetTime(nullptr);
      while (now - start < kFrame) now = VXGetTime(nullptr);
      gVXFrameTime = now - start;
      VXSysUpdate();  // the engine pumped the window's messages after its wait
    }
  }
  const double wall = VXGetTime(nullptr) - first;
  Turn t;
  t.cores = (Cpu(RUSAGE_SELF) - cpu) / wall;
  t.mainCores = (Cpu(RUSAGE_THREAD) - mainCpu) / wall;
  t.fps = static_cast<double>(intervals.size()) / wall;
  t.medianMs = Quantile(intervals, 0.5) * 1e3;
  t.p99Ms = Quantile(intervals, 0.99) * 1e3;
  t.worstMs = Quantile(intervals, 1.0) * 1e3;
  return t;
}

double Median(std::vector<double> v) {
  return Quantile(std::move(v), 0.5);
}

}  // namespace

int main(int argc, char** argv) {
  bool full = false;
  if (argc > 1) sSeconds = std::max(0.5, std::atof(argv[1]));
  if (argc > 2) sRounds = std::max(1, std::atoi(argv[2]));
  for (int i = 3; i < argc; ++i) full = full || std::strcmp(argv[i], "full") == 0;
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (VXSysInit(nullptr, 1, 960, 720, 0, 60, nullptr) != 1) {
    std::printf("no window: run under a display (xvfb-run)\n");
    return 1;
  }
  VXSysSetWindowTitle("Orvane");
  VXSysReset();
  mapChoice = 0;
  Enter(STATE_MAINMENU);
  VXToogleFullScreen(full);

  const int kScreens[2] = {STATE_MAINMENU, STATE_LEVEL};
  const char* const kScreenNames[2] = {"main menu", "fresh level"};
  // results[screen][spin]: one Turn per round.
  std::vector<Turn> results[2][2];
  for (int round = 0; round < sRounds; ++round) {
    for (int screen = 0; screen < 2; ++screen) {
      for (int spin = 0; spin < 2; ++spin) {
        // The order of the two waits alternates, so neither always runs second.
        int wait = (round + screen) % 2 == 0 ? spin : 1 - spin;
        results[screen][wait].push_back(Idle(kScreens[screen], wait == 1));
      }
    }
  }

  std::printf("Idling %s, %d rounds of %.1f s per turn; medians over the rounds.\n",
              full ? "full screen" : "in a 960x720 window", sRounds, sSeconds);
  std::printf("%-12s %-6s %8s %8s %7s %10s %8s %8s\n", "screen", "wait", "cores", "main", "fps", "median ms", "p99 ms",
              "worst ms");
  for (int screen = 0; screen < 2; ++screen) {
    double cores[2] = {};
    for (int wait = 0; wait < 2; ++wait) {
      const std::vector<Turn>& r = results[screen][wait];
      std::vector<double> c, m, f, med, p99, worst;
      for (const Turn& t : r) {
        c.push_back(t.cores);
        m.push_back(t.mainCores);
        f.push_back(t.fps);
        med.push_back(t.medianMs);
        p99.push_back(t.p99Ms);
        worst.push_back(t.worstMs);
      }
      cores[wait] = Median(c);
      std::printf("%-12s %-6s %8.3f %8.3f %7.2f %10.3f %8.3f %8.3f\n", kScreenNames[screen], wait ? "spin" : "sleep",
                  Median(c), Median(m), Median(f), Median(med), Median(p99), Median(worst));
    }
    std::printf("%-12s sleep / spin CPU: %.2f\n", kScreenNames[screen], cores[1] > 0.0 ? cores[0] / cores[1] : 0.0);
  }

  GameStateManager::GetInstance().nextState = STATE_QUIT;
  VXFrameRateControllerInit(60);
  while (!FrameLoopShouldQuit()) FrameLoopRunFrame();
  VXSysExit();
  return 0;
}
