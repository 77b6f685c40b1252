// The headless game rig shared by the fuzzers, the fault tests and the soak test.
#include "LevelRig.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "VXFrameRateController.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "data/MapChoice.h"
#include "data/MapData.h"
#include "entities/Monster.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace fs = std::filesystem;

namespace rig {

static std::string sBuilt;
static std::string sScratch;

static void RemoveScratch() {
  std::error_code ec;
  // remove_all does not follow the links into the build tree.
  if (!sScratch.empty()) fs::remove_all(sScratch, ec);
}

// Callers rewrite data files for every input: in memory where the machine
// offers a place (on a disk, truncating a file costs ten times as much).
static std::string ScratchPattern() {
  const char* tmp = std::getenv("TMPDIR");
  std::error_code ec;
  std::string base = tmp && *tmp ? tmp : (fs::is_directory("/dev/shm", ec) ? "/dev/shm" : "/tmp");
  return base + "/orvane-rig-XXXXXX";
}

void EnterScratch(const std::string& builtResources) {
  sBuilt = builtResources;
  std::string pattern = ScratchPattern();
  if (!mkdtemp(&pattern[0])) {
    std::perror("mkdtemp");
    std::exit(2);
  }
  sScratch = pattern;
  std::atexit(RemoveScratch);
  fs::path resources = fs::path(sScratch) / "Resources";
  fs::create_directories(resources);
  // Picture and sound folders are only read: linked. Data files get spoiled: copied.
  if (!sBuilt.empty()) {
    for (const fs::directory_entry& e : fs::directory_iterator(sBuilt)) {
      if (e.is_directory()) {
        fs::create_directory_symlink(fs::absolute(e.path()), resources / e.path().filename());
      } else {
        fs::copy_file(e.path(), resources / e.path().filename());
      }
    }
  }
  if (chdir(sScratch.c_str()) != 0) {
    std::perror("chdir");
    std::exit(2);
  }
}

void Start(const std::string& builtResources, unsigned frameRate) {
  EnterScratch(builtResources);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  VXSysInitHeadless(960, 720, frameRate);
  VXSysReset();
  VXInputSetScripted(true);
  // Whole frames of the scripted counter: every frame is exactly 1/frameRate s.
  VXClockUseScripted(600000, 0);
}

void WriteData(const char* name, const void* bytes, size_t size) {
  std::ofstream out(std::string("Resources/") + name, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
}

void RemoveData(const char* name) {
  std::remove((std::string("Resources/") + name).c_str());
}

std::string BuiltData(const char* name) {
  std::ifstream in(sBuilt + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void RestoreData(const char* name) {
  std::string text = BuiltData(name);
  WriteData(name, text.data(), text.size());
}

void Frame() {
  FrameLoopRunFrame();
}

void Frames(int count) {
  for (int i = 0; i < count; ++i) Frame();
}

void Press(unsigned char key) {
  VXInputScriptKey(key, false);
  Frame();
  VXInputScriptKey(key, true);
  Frame();
  VXInputScriptKey(key, false);
}

void Click(int x, int y) {
  VXInputScriptCursor(x, y);
  Press(VX_KEY_LBUTTON);
}

void Enter(int state) {
  GameStateManager& gsm = GameStateManager::GetInstance();
  if (gsm.currentState == state) {
    gsm.nextState = STATE_QUIT;
    Frame();
  }
  gsm.nextState = state;
  Frame();
}

void Quit() {
  GameStateManager& gsm = GameStateManager::GetInstance();
  gsm.nextState = STATE_QUIT;
  Frame();
}

void EnterLevel(unsigned char map) {
  VXInputScriptClear();
  VXInputScriptCursor(480, 360);
  mapChoice = map;
  Enter(STATE_LEVEL);
}

void RestartLevel() {
  GameStateManager& gsm = GameStateManager::GetInstance();
  // A run that ended in defeat or victory goes back to the level first.
  if (gsm.currentState != STATE_LEVEL) EnterLevel(mapChoice);
  gsm.nextState = STATE_RESTART;
  Frame();
}

void HoldWavesAndSpawn(const int* waves, int count, float speed) {
  WaveManager& wm = WaveManager::GetInstance();
  wm.timeToNextWave = 1.0e9f;
  for (int i = 0; i < count; ++i) {
    if (waves[i] < 0 || waves[i] >= static_cast<int>(wm.waves.size())) continue;
    Wave* w = wm.waves[static_cast<size_t>(waves[i])];
    w->SpawnMonster();
    for (Monster* m : w->monsters) {
      if (!m->dead && speed > 0.0f) m->velocity = m->baseVelocity = {speed, speed};
    }
  }
}

bool MonstersStayOnTheGrid() {
  for (Wave* w : WaveManager::GetInstance().waves) {
    for (Monster* m : w->monsters) {
      if (!m->dead && !MapData::InGrid(m->cell)) return false;
    }
  }
  return true;
}

bool WalkMonstersOnly(int steps) {
  for (int step = 0; step < steps; ++step) {
    for (Wave* w : WaveManager::GetInstance().waves) {
      for (Monster* m : w->monsters) {
        if (!m->dead) m->Update();
      }
    }
    if (!MonstersStayOnTheGrid()) return false;
  }
  return true;
}

}  // namespace rig
