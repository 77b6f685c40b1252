// Start-up cost: from launch to the first presented frame with every sound,
// picture and mesh loaded, and the resident memory then. Prints figures.
// Usage: orvane_startup_bench <folder holding Resources/> [--split]
//   ORVANE_LAUNCH_NS: the launcher's clock (CLOCK_REALTIME, ns) just before exec.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "VXGraphics.h"
#include "VXSystem.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {
double NowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  size_t n = std::strlen(field);
  while (std::getline(status, line)) {
    if (line.compare(0, n, field) == 0) return std::atol(line.c_str() + n + 1);
  }
  return -1;
}
}  // namespace

int main(int argc, char** argv) {
  double mainMs = NowMs();
  const char* launch = std::getenv("ORVANE_LAUNCH_NS");
  double launchMs = launch ? std::atof(launch) / 1e6 : mainMs;
  if (argc < 2 || chdir(argv[1]) != 0) {
    std::fprintf(stderr, "usage: %s <folder holding Resources/> [--split]\n", argv[0]);
    return 2;
  }
  bool split = argc > 2 && std::strcmp(argv[2], "--split") == 0;

  VXSysInit(nullptr, 1, 960, 720, 0, 60, nullptr);
  VXSysSetWindowTitle("Orvane");
  VXSysReset();
  VXGfxSetBackgroundColor(0.0f, 0.0f, 0.0f);
  GameStateManager::GetInstance().nextState = STATE_LOGO;
  VXToogleFullScreen(true);
  double engineMs = NowMs();
  long engineKb = StatusKb("VmRSS");

  double soundMs = engineMs, picturesMs = engineMs;
  if (split) {
    // The same work as the first frame does, one manager at a time.
    SoundManager::GetInstance();
    soundMs = NowMs();
    ResourceManager::GetInstance();
    picturesMs = NowMs();
  }
  FrameLoopRunFrame();
  double firstFrameMs = NowMs();

  std::printf("launch to main            %8.1f ms\n", mainMs - launchMs);
  std::printf("engine and window         %8.1f ms\n", engineMs - mainMs);
  if (split) {
    std::printf("sound manager (10 sounds) %8.1f ms\n", soundMs - engineMs);
    std::printf("resources (124 + 21)      %8.1f ms\n", picturesMs - soundMs);
    std::printf("first frame itself        %8.1f ms\n", firstFrameMs - picturesMs);
  }
  std::printf("launch to first frame     %8.1f ms\n", firstFrameMs - launchMs);
  std::printf("resident after engine start %8.1f MiB\n", engineKb / 1024.0);
  std::printf("resident after loading    %8.1f MiB (peak %.1f MiB)\n", StatusKb("VmRSS") / 1024.0,
              StatusKb("VmHWM") / 1024.0);
  std::fflush(stdout);
  VXSysExit();
  return 0;
}
