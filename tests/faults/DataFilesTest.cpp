// Spoiled data files: missing, cut short at every byte, or one a modder or a
// tester once tried (tests/level/files/). A level either starts and plays on
// without a crash, no monster leaving the grid whatever the map holds, or
// does not start: the player stays at the map selection, which shows the one
// line that named the file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "LevelRig.h"
#include "data/DataFault.h"
#include "data/MapChoice.h"
#include "entities/WaveManager.h"
#include "screens/MapSelect.h"
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
    for (const char* name : kDataFiles) {
      rmdir((std::string("Resources/") + name).c_str());
      rig::RestoreData(name);
    }
  }
  static GameStateManager& States() { return GameStateManager::GetInstance(); }
  static unsigned char MapOf(const std::string& name) { return name == "UltimateMap.txt" ? 1 : 0; }
  static bool InLevel() { return States().currentState == STATE_LEVEL; }
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
  static std::string Kept(const char* file) {
    std::ifstream in(std::string(ORVANE_READER_FILES "/") + file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // A click on a map's picture in the map selection and the one frame that
  // starts the level or, refused, shows the map selection again. Returns what
  // was printed.
  static std::string ChooseMap(unsigned char map) {
    rig::Enter(STATE_MAPSELECT);
    testing::internal::CaptureStdout();
    rig::Click(map == 1 ? 610 : 350, 400);
    rig::Frames(1);
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
  }
  // The level's try again from the pause menu, or from wherever the last try
  // left the player (the defeat screen, the map selection) a new choice of
  // the map. Returns what was printed.
  static std::string StartAgain(unsigned char map) {
    if (!InLevel()) return ChooseMap(map);
    testing::internal::CaptureStdout();
    rig::RestartLevel();
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
  }
  // The level did not start: back at the map selection, which shows the one
  // line printed about `file`.
  static void ExpectRefused(const std::string& out, const std::string& file, const std::string& what) {
    ASSERT_EQ(STATE_MAPSELECT, States().currentState) << what;
    MapSelect* screen = dynamic_cast<MapSelect*>(States().currentLevel);
    ASSERT_NE(nullptr, screen);
    const std::string shown = screen->ShownFault();
    EXPECT_EQ(0u, shown.find("Resources/" + file)) << what << ": " << shown;
    EXPECT_EQ(1u, Count(out, shown + "\n")) << what << ":\n" << out;
  }

  // Cuts the file at every offset, restarting the level on each cut.
  void CutEverywhere(const char* name) {
    const std::string text = rig::BuiltData(name);
    ASSERT_FALSE(text.empty());
    rig::EnterLevel(MapOf(name));
    for (size_t cut = 0; cut < text.size(); ++cut) {
      rig::WriteData(name, text.data(), cut);
      std::string out = StartAgain(MapOf(name));
      if (InLevel()) {
        PlayASecond();
      } else {
        ExpectRefused(out, name, std::string(name) + " cut at " + std::to_string(cut));
      }
      if (HasFatalFailure() || HasNonfatalFailure()) {
        ADD_FAILURE() << name << " cut at byte " << cut;
        return;
      }
    }
    rig::Enter(STATE_MAINMENU);
  }
};

TEST_F(DataFileFaults, AMissingLayoutIsReportedOnceAndTheLevelPlaysOn) {
  rig::RemoveData("GUI.txt");
  rig::Enter(STATE_MAINMENU);
  std::string out = ChooseMap(0);
  PlayASecond();
  EXPECT_TRUE(InLevel());
  EXPECT_EQ(1u, Count(out, "File could not be opened.\n")) << out;
  rig::Enter(STATE_MAINMENU);
}

// The data file and the maps give the whole level: without one there is none,
// also when Resources/ went away during play.
TEST_F(DataFileFaults, AMissingDataFileOrMapKeepsThePlayerAtTheMapSelection) {
  for (const char* name : {"DataInput.txt", "OriginalMap.txt", "UltimateMap.txt"}) {
    rig::EnterLevel(MapOf(name));
    rig::RemoveData(name);
    std::string out = ChooseMap(MapOf(name));
    ExpectRefused(out, name, std::string("without ") + name);
    EXPECT_EQ(1u, Count(out, "File could not be opened.\n")) << "without " << name << ":\n" << out;
    rig::RestoreData(name);
  }
  // Leaving the map selection forgets the fault; the next try finds its own.
  rig::Enter(STATE_MAINMENU);
  EXPECT_STREQ("", DataFaultText());
  ChooseMap(0);
  EXPECT_TRUE(InLevel());
  rig::Enter(STATE_MAINMENU);
}

TEST_F(DataFileFaults, AFileThatCannotGiveALevelKeepsThePlayerAtTheMapSelection) {
  const char* const kCases[][2] = {
      {"game-data/empty.txt", "DataInput.txt"},
      {"game-data/hex-values.txt", "DataInput.txt"},
      {"game-data/label-over-256-characters.txt", "DataInput.txt"},
      {"game-data/labels-ending-in-a-tab.txt", "DataInput.txt"},
      {"map/empty.txt", "OriginalMap.txt"},
      {"map/nul-byte-first.txt", "OriginalMap.txt"},
      {"map/hex-values.txt", "UltimateMap.txt"},
      {"map/all-rock.txt", "UltimateMap.txt"},
      {"map/path-broken-on-row-6.txt", "OriginalMap.txt"},
  };
  for (const auto& c : kCases) {
    std::string text = Kept(c[0]);
    rig::WriteData(c[1], text.data(), text.size());
    ExpectRefused(ChooseMap(MapOf(c[1])), c[1], c[0]);
    // Try again from the pause menu, with the file spoiled during play.
    rig::RestoreData(c[1]);
    ChooseMap(MapOf(c[1]));
    ASSERT_TRUE(InLevel()) << c[0];
    rig::WriteData(c[1], text.data(), text.size());
    ExpectRefused(StartAgain(MapOf(c[1])), c[1], std::string(c[0]) + ", tried again");
    rig::RestoreData(c[1]);
  }
  // A folder in place of the data file.
  rig::RemoveData("DataInput.txt");
  ASSERT_EQ(0, mkdir("Resources/DataInput.txt", 0755));
  ExpectRefused(ChooseMap(0), "DataInput.txt", "a folder");
  rig::Enter(STATE_MAINMENU);
}

TEST_F(DataFileFaults, GameDataCutAtEveryBytePlaysOrNamesTheFile) {
  CutEverywhere("DataInput.txt");
}

TEST_F(DataFileFaults, LayoutCutAtEveryByteLeavesALevelThatPlays) {
  CutEverywhere("GUI.txt");
}

TEST_F(DataFileFaults, FirstMapCutAtEveryBytePlaysOrNamesTheFile) {
  CutEverywhere("OriginalMap.txt");
}

TEST_F(DataFileFaults, SecondMapCutAtEveryBytePlaysOrNamesTheFile) {
  CutEverywhere("UltimateMap.txt");
}

}  // namespace
