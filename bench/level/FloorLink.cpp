// Talks to the floor program over two pipes; see FloorLink.h.
#include "FloorLink.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "VXGfxInternal.h"
#include "VXGraphics.h"
#include "VXSystem.h"

namespace {

pid_t sChild = -1;
FILE* sToFloor = nullptr;
FILE* sFromFloor = nullptr;
std::vector<VXGfxQuadNote> sQuads;
FILE* sScene = nullptr;
char sScenePath[32];
int sWidth = 0, sHeight = 0;

void Watch(const VXGfxQuadNote* note) {
  sQuads.push_back(*note);
}

// The header texts: money, season, lives and wave, as many glyphs as the
// level prints, at their places on screen (GL pixels, y up).
void WriteTexts(FILE* f, int width, int height) {
  struct Text {
    int offset, glyphs;
  };
  static const Text kHeader[] = {{400, 3}, {-80, 10}, {210, 3}, {-450, 17}};
  const double height24 = 24.0 * gVXScreenScaleY;
  for (const Text& t : kHeader)
    std::fprintf(f, "text %.1f %.1f %.1f %d\n", width / 2.0 + t.offset * gVXScreenScaleX,
                 height / 2.0 + 320.0 * gVXScreenScaleY, height24, t.glyphs);
}

}  // namespace

bool FloorStart() {
  int toChild[2], fromChild[2];
  if (pipe(toChild) != 0 || pipe(fromChild) != 0) return false;
  sChild = fork();
  if (sChild < 0) return false;
  if (sChild == 0) {
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    close(toChild[1]);
    close(fromChild[0]);
    execl(ORVANE_FLOOR_BENCH, ORVANE_FLOOR_BENCH, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  sToFloor = fdopen(toChild[1], "w");
  sFromFloor = fdopen(fromChild[0], "r");
  return sToFloor && sFromFloor;
}

void FloorCaptureBegin(int width, int height) {
  std::snprintf(sScenePath, sizeof(sScenePath), "/tmp/orvane-floor-XXXXXX");
  const int fd = mkstemp(sScenePath);
  sScene = fd >= 0 ? fdopen(fd, "w") : nullptr;
  if (!sScene) return;
  sWidth = width;
  sHeight = height;
  std::fprintf(sScene, "size %d %d\n", width, height);
  sQuads.clear();
  sQuads.reserve(4096);
  gVXGfxQuadWatcher = Watch;
}

void FloorCaptureFrame() {
  if (!sScene) return;
  std::fprintf(sScene, "frame\n");
  for (const VXGfxQuadNote& q : sQuads) {
    std::fprintf(sScene, "quad %s", q.texture->name);
    for (const auto& c : q.corners) std::fprintf(sScene, " %.4f %.4f", c[0], c[1]);
    std::fprintf(sScene, " %.6f %.6f %.6f %.6f %d\n", q.color[0], q.color[1], q.color[2], q.color[3], q.blend);
  }
  WriteTexts(sScene, sWidth, sHeight);
  sQuads.clear();
}

bool FloorCaptureEnd() {
  gVXGfxQuadWatcher = nullptr;
  if (!sScene) return false;
  std::fclose(sScene);
  sScene = nullptr;
  std::fprintf(sToFloor, "scene %s\n", sScenePath);
  std::fflush(sToFloor);
  char reply[256] = {};
  const bool ok = std::fgets(reply, sizeof(reply), sFromFloor) && reply[0] == 'o';
  unlink(sScenePath);
  return ok;
}

bool FloorRun(int frames, double* medianMs, double* cpuMs, std::string* work) {
  std::fprintf(sToFloor, "run %d\n", frames);
  std::fflush(sToFloor);
  char reply[256] = {};
  if (!std::fgets(reply, sizeof(reply), sFromFloor)) return false;
  int draws = 0, quads = 0;
  double screens = 0;
  if (std::sscanf(reply, "floor %lf %lf %d %d %lf", medianMs, cpuMs, &draws, &quads, &screens) != 5) return false;
  char text[160];
  std::snprintf(text, sizeof(text), "%d draw calls, %d quads, %.2f screens of pixels", draws, quads, screens);
  *work = text;
  return true;
}

void FloorStop() {
  if (sChild <= 0) return;
  std::fprintf(sToFloor, "quit\n");
  std::fclose(sToFloor);
  std::fclose(sFromFloor);
  waitpid(sChild, nullptr, 0);
  sChild = -1;
}
