// Orvane: starts the Vexor Engine, runs the frame loop until the quit state,
// then shuts the engine down. The game's singletons go at process exit.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "VXGraphics.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "shell/CommandLine.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

// Every file name the game uses is relative to the folder holding Resources/:
// the executable's own folder in a build tree, ../share/orvane once installed,
// ../share/games/orvane from a Debian package (/usr/games/orvane).
static void EnterResourceFolder() {
  char exe[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof(exe) - 1);
  if (n <= 0) return;
  exe[n] = '\0';
  std::string dir(exe);
  dir.erase(dir.find_last_of('/'));
  const std::string candidates[] = {dir, dir + "/../share/orvane", dir + "/../share/games/orvane"};
  for (const std::string& c : candidates) {
    if (access((c + "/Resources").c_str(), R_OK) == 0 && chdir(c.c_str()) == 0) return;
  }
  // Carry on: the resource manager then names the first picture it misses.
  std::printf("Orvane: no Resources/ folder found; looked in %s, %s and %s\n", candidates[0].c_str(),
              candidates[1].c_str(), candidates[2].c_str());
}

int main(int argc, char** argv) {
  StartOptions options;
  int status = ReadCommandLine(argc, argv, &options, stdout, stderr);
  if (status >= 0) return status;
  EnterResourceFolder();

  if (!VXSysInit(nullptr, 1, 960, 720, 0, 60, nullptr)) {
    VXSysExit();  // the engine has said what failed
    return 1;
  }
  VXSysSetWindowTitle("Orvane");
  VXSysReset();
  VXGfxSetBackgroundColor(0.0f, 0.0f, 0.0f);
  GameStateManager::GetInstance().nextState = STATE_LOGO;
  ApplyStartOptions(options);

  while (!FrameLoopShouldQuit()) FrameLoopRunFrame();

  VXSysExit();
  return 0;
}
