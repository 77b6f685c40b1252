// Start-up cost: from launch to the first presented frame with every sound,
// picture and mesh loaded, and the resident memory then. Prints figures.
// Usage: orvane_startup_bench <folder holding Resources/> [--split]
//   ORVANE_LAUNCH_NS: the launcher's clock (CLOCK_REALTIME, ns) just before exec.
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

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
// Where the resident memory lies: each library's pages, the allocator's heap,
// and anonymous mappings (the GL driver's textures and large blocks among them).
void PrintResident() {
  std::ifstream smaps("/proc/self/smaps");
  std::string line, name;
  std::map<std::string, long> kb;
  while (std::getline(smaps, line)) {
    if (!line.empty() && std::isxdigit(static_cast<unsigned char>(line[0])) && line.find('-') < 16) {
      const size_t slash = line.find('/'), bracket = line.find('[');
      name = slash != std::string::npos ? line.substr(line.rfind('/') + 1)
                                        : (bracket != std::string::npos ? line.substr(bracket) : "anonymous");
      continue;
    }
    if (line.compare(0, 4, "Rss:") == 0) kb[name] += std::atol(line.c_str() + 4);
  }
  std::vector<std::pair<long, std::string>> sorted;
  long libraries = 0;
  for (const auto& entry : kb) {
    sorted.emplace_back(entry.second, entry.first);
    if (entry.first.find(".so") != std::string::npos) libraries += entry.second;
  }
  std::sort(sorted.rbegin(), sorted.rend());
  const struct mallinfo2 mi = mallinfo2();
  std::printf("allocator (MiB): %.1f in use, %.1f free in its arenas, %.1f in its own mappings\n",
              mi.uordblks / 1048576.0, mi.fordblks / 1048576.0, mi.hblkhd / 1048576.0);
  std::printf("resident by mapping (MiB): all libraries %.1f;", libraries / 1024.0);
  for (size_t i = 0; i < sorted.size() && i < 8; ++i)
    std::printf(" %s %.1f%s", sorted[i].second.c_str(), sorted[i].first / 1024.0, i + 1 < 8 ? "," : "");
  std::printf("\n");
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
  long soundKb = engineKb, picturesKb = engineKb;
  if (split) {
    // The same work as the first frame does, one manager at a time.
    SoundManager::GetInstance();
    soundMs = NowMs();
    soundKb = StatusKb("VmRSS");
    ResourceManager::GetInstance();
    picturesMs = NowMs();
    picturesKb = StatusKb("VmRSS");
  }
  FrameLoopRunFrame();
  double firstFrameMs = NowMs();

  std::printf("launch to main            %8.1f ms\n", mainMs - launchMs);
  std::printf("engine and window         %8.1f ms\n", engineMs - mainMs);
  if (split) {
    std::printf("sound manager (10 sounds) %8.1f ms, %+.1f MiB resident\n", soundMs - engineMs,
                (soundKb - engineKb) / 1024.0);
    std::printf("resources (124 + 21)      %8.1f ms, %+.1f MiB resident\n", picturesMs - soundMs,
                (picturesKb - soundKb) / 1024.0);
    std::printf("first frame itself        %8.1f ms\n", firstFrameMs - picturesMs);
  }
  std::printf("launch to first frame     %8.1f ms\n", firstFrameMs - launchMs);
  std::printf("resident after engine start %8.1f MiB\n", engineKb / 1024.0);
  std::printf("resident after loading    %8.1f MiB (peak %.1f MiB)\n", StatusKb("VmRSS") / 1024.0,
              StatusKb("VmHWM") / 1024.0);
  if (split) PrintResident();
  std::fflush(stdout);
  VXSysExit();
  return 0;
}
