// The readers of the game-data, build-bar layout and map files, on files of
// their own in a scratch folder (those a modder or a tester once tried lie in
// files/, by reader), and on the files the game ships.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/DataInput.h"
#include "data/GUIData.h"
#include "data/MapChoice.h"
#include "data/MapData.h"
#include "entities/Monster.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"

namespace {

// A data file: money, lives, ten wave records, four tower records.
struct DataValues {
  int money = 100, lives = 20;
  int wave[10][5];
  int tower[4][3];
  DataValues() {
    for (int i = 0; i < 10; ++i) {
      int record[5] = {i, 10 + i, 30 + 10 * i, 50 + i, 5 + i};
      for (int k = 0; k < 5; ++k) wave[i][k] = record[k];
    }
    for (int t = 0; t < 4; ++t) {
      int record[3] = {10 + t, 120 + t, 400 + t};
      for (int k = 0; k < 3; ++k) tower[t][k] = record[k];
    }
  }
  // sep goes between a label and its value, end after each value.
  std::string Text(const std::string& sep = " ", const std::string& end = "\n", bool reverse = false) const {
    std::ostringstream out;
    out << "Money:" << sep << money << end << "Lives:" << sep << lives << end;
    static const char* kWaveLabels[5] = {"Wave:", "Count:", "Health:", "Speed:", "Reward:"};
    for (int n = 0; n < 10; ++n) {
      int i = reverse ? 9 - n : n;
      for (int k = 0; k < 5; ++k) out << kWaveLabels[k] << sep << wave[i][k] << end;
    }
    static const char* kTowerLabels[3] = {"Damage:", "Range:", "BulletSpeed:"};
    for (int t = 0; t < 4; ++t) {
      for (int k = 0; k < 3; ++k) out << kTowerLabels[k] << sep << tower[t][k] << end;
    }
    return out.str();
  }
};

class ReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(nullptr, getcwd(home, sizeof(home)));
    char pattern[] = "/tmp/orvane-level-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    scratch = pattern;
    ASSERT_EQ(0, chdir(scratch.c_str()));
    ASSERT_EQ(0, system("mkdir -p Resources"));
    if (WaveManager::GetInstance().waves.empty()) WaveManager::GetInstance().BuildWaves();
    if (!MapData::GetInstance().cells) MapData::GetInstance().CreateTiles();
    if (!GUIData::GetInstance().layout) GUIData::GetInstance().CreateTiles();
    // Every test starts from the same known values.
    Write("Resources/DataInput.txt", DataValues().Text());
    DataInput::GetInstance().LoadDataFile();
  }
  void TearDown() override {
    ASSERT_EQ(0, chdir(home));
    std::string cmd = "rm -rf " + scratch;
    ASSERT_EQ(0, system(cmd.c_str()));
    mapChoice = 0;
  }
  static void Write(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
  }
  // A kept input file, by reader folder and name, put where the game reads `as`.
  static void Use(const std::string& file, const char* as) {
    std::ifstream in(std::string(ORVANE_READER_FILES "/") + file, std::ios::binary);
    ASSERT_TRUE(in.is_open()) << file;
    std::ostringstream text;
    text << in.rdbuf();
    Write(as, text.str());
  }
  // What a load printed, and whether it gave a playable level.
  template <class Load>
  static std::string Said(Load load, bool* playable = nullptr) {
    testing::internal::CaptureStdout();
    bool result = load();
    fflush(stdout);
    if (playable) *playable = result;
    return testing::internal::GetCapturedStdout();
  }
  static bool LoadData() { return DataInput::GetInstance().LoadDataFile(); }
  static bool LoadMap() { return MapData::GetInstance().LoadMapFile(); }
  static bool LoadLayout() {
    GUIData::GetInstance().LoadLayoutFile();
    return true;
  }
  static Wave* WaveAt(int i) { return WaveManager::GetInstance().waves[static_cast<size_t>(i)]; }
  // Checks every value the reader stores against a DataValues.
  static void ExpectLoaded(const DataValues& v) {
    DataInput& data = DataInput::GetInstance();
    EXPECT_EQ(v.money, data.startMoney);
    EXPECT_EQ(v.lives, data.startLives);
    for (int i = 0; i < 10; ++i) {
      Wave* w = WaveAt(v.wave[i][0]);
      EXPECT_EQ(v.wave[i][1], w->monsterCount) << "wave " << i;
      for (Monster* m : w->monsters) {
        EXPECT_EQ(v.wave[i][2], m->maxHealth);
        EXPECT_EQ(v.wave[i][2], m->health);
        EXPECT_FLOAT_EQ(static_cast<float>(v.wave[i][3]), m->baseVelocity.x);
        EXPECT_FLOAT_EQ(static_cast<float>(v.wave[i][3]), m->baseVelocity.y);
        EXPECT_FLOAT_EQ(static_cast<float>(v.wave[i][3]), m->velocity.x);
        EXPECT_EQ(v.wave[i][4], m->baseReward);
        EXPECT_EQ(v.wave[i][4], m->reward);
      }
    }
    for (int t = 0; t < 4; ++t) {
      EXPECT_EQ(v.tower[t][0], data.GetTowerStat(t + 1, STAT_DAMAGE));
      EXPECT_EQ(v.tower[t][1], data.GetTowerStat(t + 1, STAT_RANGE));
      EXPECT_EQ(v.tower[t][2], data.GetTowerStat(t + 1, STAT_BULLET_SPEED));
    }
  }

  char home[4096];
  std::string scratch;
};

// ---- Game-data file ----

TEST_F(ReaderTest, DataFileLabelsAndLineEndsMayStandInAnyArrangement) {
  DataValues v;
  v.money = 321;
  v.wave[4][2] = 777;
  Write("Resources/DataInput.txt", v.Text(" \n\n", "\r\n"));  // values under their labels, CRLF
  EXPECT_TRUE(LoadData());
  ExpectLoaded(v);
  v.money = 55;
  Write("Resources/DataInput.txt", v.Text(" ", "\n\n\n"));
  EXPECT_TRUE(LoadData());
  ExpectLoaded(v);
}

TEST_F(ReaderTest, DataFileRecordsInReverseOrderFillTheSameWaves) {
  DataValues v;
  v.wave[0][1] = 3;
  v.wave[9][2] = 999;
  Write("Resources/DataInput.txt", v.Text(" ", "\n", true));
  DataInput::GetInstance().LoadDataFile();
  ExpectLoaded(v);
}

TEST_F(ReaderTest, DataFileTrailingLineEndsChangeNothing) {
  DataValues v;
  v.lives = 7;
  std::string text = v.Text();
  text.pop_back();  // ends right after the last digit
  Write("Resources/DataInput.txt", text);
  EXPECT_EQ("", Said(LoadData));
  ExpectLoaded(v);
  v.lives = 8;
  Write("Resources/DataInput.txt", v.Text() + "\n\n\n");
  EXPECT_EQ("", Said(LoadData));
  ExpectLoaded(v);
}

TEST_F(ReaderTest, DataFileMissingOrNotARegularFileIsNamedAndKeepsEveryValue) {
  const std::string expected = "File could not be opened.\nResources/DataInput.txt is missing or is not a file.\n";
  bool playable = true;
  ASSERT_EQ(0, remove("Resources/DataInput.txt"));
  EXPECT_EQ(expected, Said(LoadData, &playable));
  EXPECT_FALSE(playable);
  // A folder opens but never reads; a FIFO would wait for a writer for ever.
  ASSERT_EQ(0, mkdir("Resources/DataInput.txt", 0755));
  EXPECT_EQ(expected, Said(LoadData));
  ASSERT_EQ(0, rmdir("Resources/DataInput.txt"));
  ASSERT_EQ(0, mkfifo("Resources/DataInput.txt", 0644));
  EXPECT_EQ(expected, Said(LoadData));
  ExpectLoaded(DataValues());
}

// Each of these once started a level with no money, no lives and no monsters.
TEST_F(ReaderTest, DataFileThatIsNotLabelsAndWholeNumbersIsNamedWithItsLine) {
  const char* const kCases[][2] = {
      {"empty.txt", "line 1: the file ends before money."},
      {"hex-values.txt", "line 1: money is not a whole number: \"0x64\"."},
      {"label-over-256-characters.txt",
       "line 1: the label before money does not end in one space: \"Money-------------------\"."},
      {"labels-ending-in-a-tab.txt", "line 2: the label before lives does not end in one space: \"Lives:\\t20\"."},
      {"ends-inside-a-wave-record.txt", "line 21: the file ends before wave 3's speed."},
  };
  for (const auto& c : kCases) {
    Use(std::string("game-data/") + c[0], "Resources/DataInput.txt");
    bool playable = true;
    EXPECT_EQ(std::string("Resources/DataInput.txt ") + c[1] + "\n", Said(LoadData, &playable)) << c[0];
    EXPECT_FALSE(playable) << c[0];
  }
}

TEST_F(ReaderTest, DataFileMalformedValueStopsTheReadingThere) {
  DataValues v;
  v.money = 500;
  std::string text = v.Text();
  // The third wave's health is not a number: it and everything after keep their old values.
  std::string bad = "Health: " + std::to_string(v.wave[2][2]);
  text.replace(text.find(bad), bad.size(), "Health: lots");
  Write("Resources/DataInput.txt", text);
  EXPECT_EQ("Resources/DataInput.txt line 15: wave 2's health is not a whole number: \"lots\".\n", Said(LoadData));
  DataValues expected;
  expected.money = 500;
  ExpectLoaded(expected);
}

TEST_F(ReaderTest, DataFileValuesAreHeldToWhatALevelCanPlayAndEachSaysSoOnce) {
  DataValues v;
  v.money = 2000000000;
  v.lives = 0;                 // a level lost before it starts
  v.wave[0][1] = -5;           // a negative count would spawn for ever
  v.wave[1][1] = 100000;       // 41 hours of spawning
  v.wave[0][2] = -2147483647;  // health
  v.wave[2][3] = 0;            // would never leave the entry column and hold the wave open
  v.wave[7][3] = -2147483647;
  v.wave[4][3] = 1;            // the slowest that walks passes as it is
  v.wave[0][4] = 2000000000;   // reward
  v.wave[3][4] = -3;           // kills would take money away
  v.tower[0][0] = 2000000000;  // damage, raised by the season boost and upgrades
  v.tower[1][0] = -7;
  v.tower[2][1] = 50000;  // range, squared when towers aim
  Write("Resources/DataInput.txt", v.Text());
  const char* const kLines[] = {
      "line 1: money 2000000000 held to 100000.",
      "line 2: lives 0 held to 1.",
      "line 4: wave 0's count -5 held to 0.",
      "line 5: wave 0's health -2147483647 held to -100000.",
      "line 7: wave 0's reward 2000000000 held to 100000.",
      "line 9: wave 1's count 100000 held to 1000.",
      "line 16: wave 2's speed 0 held to 1.",
      "line 22: wave 3's reward -3 held to 0.",
      "line 41: wave 7's speed -2147483647 held to 1.",
      "line 53: the Spring tower's damage 2000000000 held to 100000.",
      "line 56: the Summer tower's damage -7 held to 0.",
      "line 60: the Autumn tower's range 50000 held to 10000.",
  };
  std::string expected;
  for (const char* line : kLines) expected += std::string("Resources/DataInput.txt ") + line + "\n";
  bool playable = false;
  EXPECT_EQ(expected, Said(LoadData, &playable));
  EXPECT_TRUE(playable);
  DataInput& data = DataInput::GetInstance();
  EXPECT_EQ(100000, data.startMoney);
  EXPECT_EQ(1, data.startLives);
  EXPECT_EQ(0, WaveAt(0)->monsterCount);
  EXPECT_EQ(1000, WaveAt(1)->monsterCount);
  EXPECT_EQ(-100000, WaveAt(0)->monsters[0]->maxHealth);
  EXPECT_EQ(100000, WaveAt(0)->monsters[0]->reward);
  for (Monster* m : WaveAt(3)->monsters) EXPECT_EQ(0, m->baseReward);
  for (int i : {2, 4, 7}) {
    for (Monster* m : WaveAt(i)->monsters) {
      EXPECT_FLOAT_EQ(1.0f, m->baseVelocity.x) << "wave " << i;
      EXPECT_FLOAT_EQ(1.0f, m->baseVelocity.y) << "wave " << i;
      EXPECT_FLOAT_EQ(1.0f, m->velocity.x) << "wave " << i;
    }
  }
  EXPECT_EQ(100000, data.GetTowerStat(1, STAT_DAMAGE));
  EXPECT_EQ(0, data.GetTowerStat(2, STAT_DAMAGE));
  EXPECT_EQ(10000, data.GetTowerStat(3, STAT_RANGE));
}

TEST_F(ReaderTest, DataFileRecordForNoWaveIsLeftOutAndSaysSo) {
  Use("game-data/values-held-to-their-range.txt", "Resources/DataInput.txt");
  const char* const kLines[] = {
      "line 2: lives 0 held to 1.",
      "line 14: wave 2's count 100000 held to 1000.",
      "line 22: wave 3's reward -3 held to 0.",
      "line 33: wave index 12 is not a wave (0 to 9); its record is left out.",
      "line 57: the Summer tower's range 20000 held to 10000.",
  };
  std::string expected;
  for (const char* line : kLines) expected += std::string("Resources/DataInput.txt ") + line + "\n";
  EXPECT_EQ(expected, Said(LoadData));
  EXPECT_EQ(DataValues().wave[6][1], WaveAt(6)->monsterCount);  // as before: no record reached it
  EXPECT_EQ(1000, WaveAt(2)->monsterCount);
}

TEST_F(ReaderTest, DataFileOfManyPassesSaysWhatItHoldsOncePerValue) {
  Use("game-data/four-passes-with-a-held-speed.txt", "Resources/DataInput.txt");
  EXPECT_EQ("Resources/DataInput.txt line 16: wave 2's speed 0 held to 1.\n", Said(LoadData));
  EXPECT_FLOAT_EQ(1.0f, WaveAt(2)->monsters[0]->baseVelocity.x);
}

TEST_F(ReaderTest, DataFileDuplicateWaveIndexOverridesTheEarlierRecord) {
  DataValues v;
  v.wave[1][0] = 0;
  v.wave[1][1] = 17;
  Write("Resources/DataInput.txt", v.Text());
  DataInput::GetInstance().LoadDataFile();
  EXPECT_EQ(17, WaveAt(0)->monsterCount);
  EXPECT_EQ(DataValues().wave[1][1], WaveAt(1)->monsterCount);
}

TEST_F(ReaderTest, TowerStatOfAMissingKeyOrTypeReadsZeroAndAddsNothing) {
  DataInput& data = DataInput::GetInstance();
  EXPECT_EQ(0, data.GetTowerStat(1, 7));
  EXPECT_EQ(0, data.GetTowerStat(0, STAT_DAMAGE));
  EXPECT_EQ(0, data.GetTowerStat(5, STAT_DAMAGE));
  EXPECT_EQ(3u, data.towerStats[0].size());
}

// ---- Map files ----

static std::string Grid(int fill, bool oneLine) {
  std::ostringstream out;
  for (int r = 0; r < 12; ++r) {
    for (int c = 0; c < 22; ++c) out << (r == 4 ? 3 : (r * 22 + c) % fill) << ' ';
    if (!oneLine) out << '\n';
  }
  return out.str();
}

TEST_F(ReaderTest, MapFileOnOneLineGivesTheSameGridAsTwelveLines) {
  MapData& map = MapData::GetInstance();
  Write("Resources/OriginalMap.txt", Grid(3, false));
  map.LoadMapFile();
  int first[264];
  std::copy(map.cells, map.cells + 264, first);
  std::fill(map.cells, map.cells + 264, 0);
  Write("Resources/OriginalMap.txt", Grid(3, true));
  map.LoadMapFile();
  EXPECT_TRUE(std::equal(first, first + 264, map.cells));
  EXPECT_EQ(1, map.cells[1]);
  EXPECT_EQ(3, map.cells[4 * 22 + 5]);
}

TEST_F(ReaderTest, MapChoiceOneReadsTheSecondMap) {
  MapData& map = MapData::GetInstance();
  Write("Resources/OriginalMap.txt", "1 1 1");
  Write("Resources/UltimateMap.txt", "2 2 2");
  mapChoice = 1;
  map.LoadMapFile();
  EXPECT_EQ(2, map.cells[0]);
  mapChoice = 0;
  map.LoadMapFile();
  EXPECT_EQ(1, map.cells[0]);
}

// A short map reads the same on entry and on a restart, whatever the grid held.
TEST_F(ReaderTest, MapFileShortFillsTheRestWithGrassAndAMissingOneKeepsTheGrid) {
  MapData& map = MapData::GetInstance();
  Write("Resources/OriginalMap.txt", Grid(3, false));
  EXPECT_TRUE(map.LoadMapFile());
  Write("Resources/OriginalMap.txt", "7 7");
  map.cellState[5] = 2;
  map.LoadMapFile();
  EXPECT_EQ(7, map.cells[1]);
  EXPECT_EQ(0, map.cells[2]);
  EXPECT_EQ(0, map.cells[4 * 22]);
  EXPECT_EQ(9, map.cellState[5]);
  ASSERT_EQ(0, remove("Resources/OriginalMap.txt"));
  map.cellState[307] = 4;
  bool playable = true;
  EXPECT_EQ("File could not be opened.\nResources/OriginalMap.txt is missing or is not a file.\n",
            Said(LoadMap, &playable));
  EXPECT_FALSE(playable);
  EXPECT_EQ(7, map.cells[0]);
  EXPECT_EQ(9, map.cellState[307]);
}

TEST_F(ReaderTest, MapEntryIsTheTopmostPathCellOfTheFirstColumn) {
  MapData& map = MapData::GetInstance();
  std::string cells(264 * 2, ' ');
  std::ostringstream out;
  for (int i = 0; i < 264; ++i) {
    int c = i % 22, r = i / 22;
    int code = 0;
    if (c == 0 && r == 2) code = 4;  // a turn is no entry
    if (c == 0 && (r == 5 || r == 8)) code = 3;
    if (c == 21 && (r == 6 || r == 9)) code = 3;
    out << code << ' ';
  }
  Write("Resources/OriginalMap.txt", out.str());
  map.LoadMapFile();
  VXVec2 entry = map.FindStartAndEnd();
  EXPECT_EQ(5 * 22, map.startCell);
  EXPECT_EQ(6 * 22 + 21, map.endCell);
  EXPECT_FLOAT_EQ(-510.0f, entry.x);
  EXPECT_FLOAT_EQ(30.0f, entry.y);
}

// Each of these once started a level on an all-grass field whose monsters
// walked out as they came in.
TEST_F(ReaderTest, MapFileWithoutAWayThroughIsNamedAndGivesNoLevel) {
  const char* const kCases[][2] = {
      {"empty.txt", ": no path cell (code 3) in the first column, where the monsters come in."},
      {"nul-byte-first.txt", " line 1: \"?0\" is not a cell code."},
      {"hex-values.txt", " line 1: \"0x0\" is not a cell code."},
      {"all-rock.txt", ": no path cell (code 3) in the first column, where the monsters come in."},
      {"no-path-cell-in-the-last-column.txt", ": no path cell (code 3) in the last column, where the monsters leave."},
      {"path-broken-on-row-6.txt", ": the path from the entry on row 4 does not lead to the exit on row 3."},
  };
  MapData& map = MapData::GetInstance();
  for (unsigned char choice = 0; choice < 2; ++choice) {
    mapChoice = choice;
    const std::string name = choice ? "Resources/UltimateMap.txt" : "Resources/OriginalMap.txt";
    for (const auto& c : kCases) {
      std::fill(map.cells, map.cells + 264, 0);  // as the level's Load leaves them
      Use(std::string("map/") + c[0], name.c_str());
      bool playable = true;
      EXPECT_EQ(name + c[1] + "\n", Said(LoadMap, &playable)) << c[0];
      EXPECT_FALSE(playable) << c[0];
    }
  }
}

TEST_F(ReaderTest, MapCodesOutsideTheKnownSetAreHeldToGrassOneLineEach) {
  MapData& map = MapData::GetInstance();
  Use("map/codes-outside-the-known-set.txt", "Resources/OriginalMap.txt");
  bool playable = false;
  EXPECT_EQ(
      "Resources/OriginalMap.txt line 2: the code 9 of row 2, column 4 held to 0.\n"
      "Resources/OriginalMap.txt line 10: the code -4 of row 10, column 7 held to 0.\n",
      Said(LoadMap, &playable));
  EXPECT_TRUE(playable);
  EXPECT_EQ(0, map.cells[1 * 22 + 3]);
  EXPECT_EQ(0, map.cells[9 * 22 + 6]);
}

// ---- Every reader ----

TEST_F(ReaderTest, AByteOrderMarkIsSkippedByEveryReader) {
  Use("game-data/byte-order-mark.txt", "Resources/DataInput.txt");
  Use("map/byte-order-mark.txt", "Resources/OriginalMap.txt");
  Use("layout/byte-order-mark.txt", "Resources/GUI.txt");
  GUIData& gui = GUIData::GetInstance();
  std::fill(gui.layout, gui.layout + 8, 0);
  bool playable = false;
  EXPECT_EQ("", Said(LoadData, &playable));
  EXPECT_TRUE(playable);
  EXPECT_EQ("", Said(LoadMap, &playable));
  EXPECT_TRUE(playable);
  EXPECT_EQ("", Said(LoadLayout));
  MapData& map = MapData::GetInstance();
  std::vector<int> marked(map.cells, map.cells + 264);
  const int expectedLayout[8] = {0, 0, 1, 2, 3, 4, 0, 0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(expectedLayout[i], gui.layout[i]) << i;
  DataInput& data = DataInput::GetInstance();
  const int money = data.startMoney, health = WaveAt(9)->monsters[0]->maxHealth;
  ASSERT_EQ(0, chdir(home));  // the shipped files, which have none
  EXPECT_TRUE(LoadData());
  EXPECT_TRUE(LoadMap());
  EXPECT_EQ(money, data.startMoney);
  EXPECT_EQ(health, WaveAt(9)->monsters[0]->maxHealth);
  EXPECT_TRUE(std::equal(marked.begin(), marked.end(), map.cells));
}

// ---- Build-bar layout file ----

TEST_F(ReaderTest, LayoutFileFillsItsEntriesAndAMissingOneKeepsThem) {
  GUIData& gui = GUIData::GetInstance();
  Write("Resources/GUI.txt", "0 0 2 1 3\n4 0 0 9 9");
  gui.LoadLayoutFile();
  const int expected[8] = {0, 0, 2, 1, 3, 4, 0, 0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(expected[i], gui.layout[i]) << i;
  ASSERT_EQ(0, remove("Resources/GUI.txt"));
  testing::internal::CaptureStdout();
  gui.LoadLayoutFile();
  EXPECT_EQ("File could not be opened.\n", testing::internal::GetCapturedStdout());
  EXPECT_EQ(2, gui.layout[2]);
}

// Clicks build whatever the build bar shows: each button must show its tower.
TEST_F(ReaderTest, LayoutButtonsOutsideTheTypesOrRepeatedAreHeldOneLineEach) {
  GUIData& gui = GUIData::GetInstance();
  const int kShipped[8] = {0, 0, 1, 2, 3, 4, 0, 0};
  struct Case {
    const char* file;
    const char* said;
    int buttons[4];
  };
  const Case kCases[] = {
      {"values-outside-the-tower-types.txt",
       "Resources/GUI.txt line 1: build-bar entry 3 value 9 held to 1.\n"
       "Resources/GUI.txt line 2: build-bar entry 5 value -1 held to 3.\n",
       {1, 2, 3, 4}},
      {"one-type-on-every-button.txt",
       "Resources/GUI.txt line 1: build-bar entry 4 value 3 held to 1.\n"
       "Resources/GUI.txt line 1: build-bar entry 5 value 3 held to 2.\n"
       "Resources/GUI.txt line 1: build-bar entry 6 value 3 held to 4.\n",
       {3, 1, 2, 4}},
      {"not-a-number.txt",
       "Resources/GUI.txt line 1: \"three\" is not a whole number; entries 5 to 8 keep their values.\n",
       {1, 2, 3, 4}},
  };
  for (const Case& c : kCases) {
    std::copy(kShipped, kShipped + 8, gui.layout);
    Use(std::string("layout/") + c.file, "Resources/GUI.txt");
    EXPECT_EQ(c.said, Said(LoadLayout)) << c.file;
    for (int b = 0; b < 4; ++b) EXPECT_EQ(c.buttons[b], gui.layout[2 + b]) << c.file << " button " << b;
  }
  // Missing at the first start: the empty layout is held to the shipped one.
  std::fill(gui.layout, gui.layout + 8, 0);
  ASSERT_EQ(0, remove("Resources/GUI.txt"));
  std::string said = Said(LoadLayout);
  EXPECT_EQ(0u, said.find("File could not be opened.\nResources/GUI.txt: build-bar entry 3 value 0 held to 1.\n"))
      << said;
  EXPECT_TRUE(std::equal(kShipped, kShipped + 8, gui.layout));
}

// ---- The files the game ships ----

TEST_F(ReaderTest, ShippedDataFileHolds64SensibleValuesForEveryWave) {
  ASSERT_EQ(0, chdir(home));
  std::ifstream in("Resources/DataInput.txt");
  ASSERT_TRUE(in.is_open());
  int values = 0;
  std::string word;
  while (in >> word) {
    if (word.find_first_not_of("-0123456789") == std::string::npos) ++values;
  }
  EXPECT_EQ(64, values);
  for (Wave* w : WaveManager::GetInstance().waves) w->monsterCount = -1;
  DataInput::GetInstance().LoadDataFile();
  DataInput& data = DataInput::GetInstance();
  EXPECT_GE(data.startMoney, 30);  // enough for the first tower
  EXPECT_GT(data.startLives, 5);   // more than one monster of the last wave costs
  for (int i = 0; i < 10; ++i) {
    Wave* w = WaveAt(i);
    EXPECT_GT(w->monsterCount, 0) << "wave " << i << " missing";
    EXPECT_GT(w->monsters[0]->maxHealth, 0);
    EXPECT_GT(w->monsters[0]->baseVelocity.x, 0.0f);
    EXPECT_LT(w->monsters[0]->baseVelocity.x, 300.0f);  // a frame never skips a cell
    EXPECT_GE(w->monsters[0]->baseReward, 0);
  }
  for (int t = 1; t <= 4; ++t) {
    EXPECT_GT(data.GetTowerStat(t, STAT_DAMAGE), 0);
    EXPECT_GE(data.GetTowerStat(t, STAT_RANGE), 60);
    EXPECT_GT(data.GetTowerStat(t, STAT_BULLET_SPEED), 0);
  }
}

TEST_F(ReaderTest, ShippedMapsHaveOneEntryOneExitAndOnlyKnownCodes) {
  ASSERT_EQ(0, chdir(home));
  MapData& map = MapData::GetInstance();
  for (unsigned char choice = 0; choice < 2; ++choice) {
    mapChoice = choice;
    std::fill(map.cells, map.cells + 264, -1);
    EXPECT_TRUE(map.LoadMapFile());
    int entries = 0, exits = 0;
    for (int i = 0; i < 264; ++i) {
      EXPECT_GE(map.cells[i], 0) << "map " << int(choice) << " cell " << i;
      EXPECT_LE(map.cells[i], 7) << "map " << int(choice) << " cell " << i;
      if (i % 22 == 0 && map.cells[i] == 3) ++entries;
      if (i % 22 == 21 && map.cells[i] == 3) ++exits;
    }
    EXPECT_EQ(1, entries);
    EXPECT_EQ(1, exits);
    // The build bar covers the last two rows: nothing there may be built on.
    for (int i = 220; i < 264; ++i) EXPECT_NE(1, map.cells[i]) << "map " << int(choice) << " cell " << i;
  }
}

}  // namespace
