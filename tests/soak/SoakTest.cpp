// Thirty level entries in a row on the headless engine, through the real
// menus: play, try again from the pause menu, back to the menu, the other
// map. Resident memory must stay flat and neither the ground nor a texture or
// mesh table may grow from one entry to the next. Prints the figures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "LevelRig.h"
#include "VXInput.h"
#include "data/MapData.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"
#include "level/TowerManager.h"
#include "resources/ResourceManager.h"
#include "shell/GameStateManager.h"

#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_ASAN 1
#endif
#endif

namespace {

const int kFrameRate = 20;

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  std::ifstream statm("/proc/self/statm");
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// What a level takes at Load and must give back at Unload, beyond the pools
// whose sizes the random player checks every frame: the ground tiles and the
// resource manager's tables (found by lookup, which never inserts).
struct Census {
  size_t tiles, textures, meshes;
  bool operator==(const Census& o) const { return tiles == o.tiles && textures == o.textures && meshes == o.meshes; }
};

Census Count() {
  ResourceManager* rm = ResourceManager::GetInstance();
  Census c = {MapData::GetInstance().tiles.size(), 0, 0};
  for (auto get :
       {&ResourceManager::GetBackground, &ResourceManager::GetTitle, &ResourceManager::GetButton,
        &ResourceManager::GetTileTexture, &ResourceManager::GetMonsterTexture, &ResourceManager::GetTowerTexture,
        &ResourceManager::GetBulletTexture, &ResourceManager::GetMiscTexture}) {
    for (int id = -1; id < 64; ++id) c.textures += (rm->*get)(id) != nullptr;
  }
  for (int id = -1; id < 64; ++id) c.meshes += rm->GetMesh(id) != nullptr;
  return c;
}

std::ostream& operator<<(std::ostream& out, const Census& c) {
  return out << "tiles " << c.tiles << ", textures " << c.textures << ", meshes " << c.meshes;
}

GameStateManager& States() {
  return GameStateManager::GetInstance();
}

// Forty-five seconds of play with the waves started at once and two towers built
// beside the road, so monsters spawn, get shot, die and walk out, and the
// first wave ends with its season roll. Returns how
// many monsters came out.
int Play() {
  WaveManager::GetInstance().timeToNextWave = 0.0f;
  TowerManager::GetInstance().money = 1000;
  MapData& map = MapData::GetInstance();
  int built = 0;
  for (int i = 22; i < 22 * 10 && built < 2; ++i) {
    int column = i % 22;
    bool besideRoad = map.cells[i] == CODE_BUILDABLE && (map.cells[i + 22] >= 3 || map.cells[i - 22] >= 3);
    if (column < 2 || column > 15 || !besideRoad) continue;
    rig::Press(VX_KEY_B);
    rig::Click(495 + 110 * built, 655);
    rig::Click((column - 1) * 60 + 30, (i / 22) * 60 + 30);
    built += 1;
    i += 2;  // towers may not stand side by side
  }
  VXInputScriptCursor(480, 360);
  rig::Frames(45 * kFrameRate);
  int spawned = 0;
  for (Wave* w : WaveManager::GetInstance().waves) spawned += w->spawnedCount;
  return spawned;
}

TEST(Soak, ThirtyLevelsInARowKeepMemoryAndEveryPoolFlat) {
  rig::Start(ORVANE_BUILT_RESOURCES, kFrameRate);
  rig::Enter(STATE_MAINMENU);
  rig::Frames(5);
  std::vector<double> resident;
  Census first{};
  int entries = 0, monsters = 0;
  for (int round = 0; round < 15; ++round) {
    // Menu, new game, a map: the two maps by turns.
    ASSERT_EQ(STATE_MAINMENU, States().currentState) << "round " << round;
    rig::Click(450, 297);
    rig::Frame();
    ASSERT_EQ(STATE_MAPSELECT, States().currentState) << "round " << round;
    rig::Click(round % 2 ? 610 : 350, 400);
    rig::Frame();
    ASSERT_EQ(STATE_LEVEL, States().currentState) << "round " << round;
    for (int attempt = 0; attempt < 2; ++attempt) {
      entries += 1;
      Census now = Count();
      if (entries == 1) first = now;
      EXPECT_EQ(first, now) << "level entry " << entries;
      int spawned = Play();
      EXPECT_GT(spawned, 0) << "level entry " << entries << ": nothing was played";
      monsters += spawned;
      if (States().currentState != STATE_LEVEL) {
        // Defeated: the defeat screen's try-again instead.
        rig::Click(480, 325);
        rig::Frame();
      }
      ASSERT_EQ(STATE_LEVEL, States().currentState) << "level entry " << entries;
      rig::Press(VX_KEY_ESCAPE);
      if (attempt == 0) {
        rig::Click(480, 400);  // try again
      } else {
        rig::Click(480, 477);  // return to menu, then yes
        rig::Click(480, 357);
      }
      rig::Frame();
    }
    resident.push_back(ResidentMegabytes());
  }
  std::printf("level entries: %d, monsters spawned: %d\n%s\n", entries, monsters,
              testing::PrintToString(first).c_str());
  std::printf("resident MB after each round:");
  for (double mb : resident) std::printf(" %.2f", mb);
  std::printf("\n");
  // Round three on is warm: every picture and sound has been used.
  double warm = resident[2], last = resident.back();
  std::printf("growth after warm-up: %.2f MB\n", last - warm);
  RecordProperty("resident_growth_kb", static_cast<int>((last - warm) * 1024.0));
  rig::Quit();
#ifndef ORVANE_ASAN
  EXPECT_LT(last - warm, 4.0) << "resident memory grew from " << warm << " MB to " << last << " MB";
#endif
}

}  // namespace
