// Spoiled data files: each one missing, or cut short at every byte. The level
// must start, report a missing file, and play on without a crash, and no
// monster may leave the grid whatever the map holds.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "LevelRig.h"
#include "data/MapChoice.h"
#include "entities/WaveManager.h"
#include "shell/GameStateManager.h"

namespace {

const char* const kDataFiles[] = {"DataInput.txt", "GUI.txt", "OriginalMap.txt", "UltimateMap.txt"};

class DataFileFaults : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static bool started = false;
    if (!started) rig::Start(ORVANE_BUILT_RESOURCES, 10);
    started = true;
  }
  static void TearDownTestSuite() { rig::Quit(); }
  void TearDown() override {
    for (const char* name : kDataFiles) rig::RestoreData(name);
  }
  static unsigned char MapOf(const std::string& name) { return name == "UltimateMap.txt" ? 1 : 0; }
  static bool InLevel() { return GameStateManager::GetInstance().currentState == STATE_LEVEL; }
  // Two monsters on the entry (one drilling) and a second of play.
  static void PlayASecond() {
    const int waves[] = {0, 3};
    rig::HoldWavesAndSpawn(waves, 2, 0.0f);
    for (int frame = 0; frame < 10; ++frame) {
      rig::Frame();
      ASSERT_TRUE(rig::MonstersStayOnTheGrid()) << "frame " << frame;
    }
  }
  static size_t Count(const std::string& text, const std::string& line) {
    size_t n = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++n;
    return n;
  }

  // Cuts the file at every offset, restarting the level on each cut.
  void CutEverywhere(const char* name) {
    const std::string text = rig::BuiltData(name);
    ASSERT_FALSE(text.empty());
    rig::EnterLevel(MapOf(name));
    for (size_t cut = 0; cut < text.size(); ++cut) {
      rig::WriteData(name, text.data(), cut);
      rig::RestartLevel();  // from the defeat screen too: a cut file may leave no lives
      ASSERT_TRUE(InLevel()) << name << " cut at " << cut;
      PlayASecond();
      if (HasFatalFailure()) {
        ADD_FAILURE() << name << " cut at byte " << cut;
        return;
      }
    }
    rig::Enter(STATE_MAINMENU);
  }
};

TEST_F(DataFileFaults, EachMissingFileIsReportedOnceAndTheLevelPlaysOn) {
  for (const char* name : kDataFiles) {
    rig::RemoveData(name);
    rig::Enter(STATE_MAINMENU);
    testing::internal::CaptureStdout();
    rig::EnterLevel(MapOf(name));
    PlayASecond();
    std::fflush(stdout);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(InLevel()) << "without " << name;
    EXPECT_EQ(1u, Count(out, "File could not be opened.\n")) << "without " << name << ":\n" << out;
    rig::RestoreData(name);
  }
  rig::Enter(STATE_MAINMENU);
}

TEST_F(DataFileFaults, GameDataCutAtEveryByteLeavesALevelThatPlays) {
  CutEverywhere("DataInput.txt");
}

TEST_F(DataFileFaults, LayoutCutAtEveryByteLeavesALevelThatPlays) {
  CutEverywhere("GUI.txt");
}

TEST_F(DataFileFaults, FirstMapCutAtEveryByteKeepsTheMonstersOnTheGrid) {
  CutEverywhere("OriginalMap.txt");
}

TEST_F(DataFileFaults, SecondMapCutAtEveryByteKeepsTheMonstersOnTheGrid) {
  CutEverywhere("UltimateMap.txt");
}

}  // namespace
