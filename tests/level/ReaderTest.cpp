// The readers of the game-data, build-bar layout and map files, on files of
// their own in a scratch folder, and on the files the game ships.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

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
  std::string LoadCapturingOutput() {
    testing::internal::CaptureStdout();
    DataInput::GetInstance().LoadDataFile();
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
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
  DataInput::GetInstance().LoadDataFile();
  ExpectLoaded(v);
  v.money = 55;
  Write("Resources/DataInput.txt", v.Text(" ", "\n\n\n"));
  DataInput::GetInstance().LoadDataFile();
  ExpectLoaded(v);
}

TEST_F(ReaderTest, DataFileLabelWithAnInnerSpaceStopsTheReading) {
  DataValues v;
  v.money = 1;
  v.lives = 2;
  std::string text = v.Text();
  text.replace(text.find("Lives:"), 6, "Life count:");
  Write("Resources/DataInput.txt", text);
  DataInput::GetInstance().LoadDataFile();
  DataValues expected;
  expected.money = 1;
  ExpectLoaded(expected);
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
  DataInput::GetInstance().LoadDataFile();
  ExpectLoaded(v);
  v.lives = 8;
  Write("Resources/DataInput.txt", v.Text() + "\n\n\n");
  DataInput::GetInstance().LoadDataFile();
  ExpectLoaded(v);
}

TEST_F(ReaderTest, DataFileMissingPrintsTheMessageAndKeepsEveryValue) {
  ASSERT_EQ(0, remove("Resources/DataInput.txt"));
  EXPECT_EQ("File could not be opened.\n", LoadCapturingOutput());
  ExpectLoaded(DataValues());
}

TEST_F(ReaderTest, DataFileMalformedValueStopsTheReadingThere) {
  DataValues v;
  v.money = 500;
  std::string text = v.Text();
  // The third wave's health is not a number: it and everything after keep their old values.
  std::string bad = "Health: " + std::to_string(v.wave[2][2]);
  text.replace(text.find(bad), bad.size(), "Health: lots");
  Write("Resources/DataInput.txt", text);
  EXPECT_EQ("", LoadCapturingOutput());
  DataValues expected;
  expected.money = 500;
  ExpectLoaded(expected);
}

TEST_F(ReaderTest, DataFileWithFewerValuesStoresWhatItHas) {
  DataValues v;
  v.money = 42;
  v.lives = 3;
  v.wave[0][1] = 29;
  std::string text = v.Text();
  Write("Resources/DataInput.txt", text.substr(0, text.find("Health:")));  // money, lives, first index and count
  DataInput::GetInstance().LoadDataFile();
  DataValues expected;
  expected.money = 42;
  expected.lives = 3;
  expected.wave[0][1] = 29;
  ExpectLoaded(expected);
}

TEST_F(ReaderTest, DataFileWaveIndexOutsideTheWavesIsIgnored) {
  DataValues v;
  v.wave[3][0] = 10;  // the record for wave 3 claims index 10
  v.wave[3][1] = 1;
  v.wave[5][0] = -1;
  v.wave[5][1] = 2;
  Write("Resources/DataInput.txt", v.Text());
  DataInput::GetInstance().LoadDataFile();
  DataValues expected;  // waves 3 and 5 keep their values, every other record lands
  ExpectLoaded(expected);
}

TEST_F(ReaderTest, DataFileValuesAreHeldWhereTheGamesArithmeticCannotOverflow) {
  DataValues v;
  v.money = 2000000000;
  v.wave[0][1] = -5;           // a negative count would spawn for ever
  v.wave[0][2] = -2147483647;  // health
  v.wave[0][4] = 2000000000;   // reward
  v.tower[0][0] = 2000000000;  // damage, raised by the season boost and upgrades
  v.tower[1][0] = -7;
  v.tower[2][1] = 50000;  // range, squared when towers aim
  Write("Resources/DataInput.txt", v.Text());
  DataInput::GetInstance().LoadDataFile();
  DataInput& data = DataInput::GetInstance();
  EXPECT_EQ(100000, data.startMoney);
  EXPECT_EQ(0, WaveAt(0)->monsterCount);
  EXPECT_EQ(-100000, WaveAt(0)->monsters[0]->maxHealth);
  EXPECT_EQ(100000, WaveAt(0)->monsters[0]->reward);
  EXPECT_EQ(100000, data.GetTowerStat(1, STAT_DAMAGE));
  EXPECT_EQ(0, data.GetTowerStat(2, STAT_DAMAGE));
  EXPECT_EQ(10000, data.GetTowerStat(3, STAT_RANGE));
}

TEST_F(ReaderTest, DataFileMonsterSpeedBelowOneIsHeldToOneAndSaysSo) {
  DataValues v;
  v.wave[2][3] = 0;  // would never leave the entry column and hold the wave open
  v.wave[7][3] = -2147483647;
  v.wave[4][3] = 1;  // the slowest that walks passes as it is
  Write("Resources/DataInput.txt", v.Text());
  EXPECT_EQ("Monster speed 0 held to 1.\nMonster speed -2147483647 held to 1.\n", LoadCapturingOutput());
  for (int i : {2, 4, 7}) {
    for (Monster* m : WaveAt(i)->monsters) {
      EXPECT_FLOAT_EQ(1.0f, m->baseVelocity.x) << "wave " << i;
      EXPECT_FLOAT_EQ(1.0f, m->baseVelocity.y) << "wave " << i;
      EXPECT_FLOAT_EQ(1.0f, m->velocity.x) << "wave " << i;
    }
  }
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

TEST_F(ReaderTest, MapFileShortOrMissingKeepsTheRestAndClearsTowers) {
  MapData& map = MapData::GetInstance();
  Write("Resources/OriginalMap.txt", Grid(3, false));
  map.LoadMapFile();
  Write("Resources/OriginalMap.txt", "7 7");
  map.cellState[5] = 2;
  map.LoadMapFile();
  EXPECT_EQ(7, map.cells[1]);
  EXPECT_EQ(2, map.cells[2]);  // beyond the file: as before
  EXPECT_EQ(9, map.cellState[5]);
  ASSERT_EQ(0, remove("Resources/OriginalMap.txt"));
  map.cellState[307] = 4;
  testing::internal::CaptureStdout();
  map.LoadMapFile();
  EXPECT_EQ("File could not be opened.\n", testing::internal::GetCapturedStdout());
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
    map.LoadMapFile();
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
