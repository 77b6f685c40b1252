// Drives the playing level in-process: headless engine, scripted clock,
// cursor and keys, the real state manager and frame loop.
#pragma once
#include "data/MapData.h"
#include "entities/Monster.h"
#include "entities/Tower.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"
#include "level/LevelOne.h"
#include "level/SeasonState.h"
#include "level/TowerManager.h"
#include "screens/ScreenHarness.h"

// The screen harness's frames, keys and clicks, on a clock of whole 1/60 s frames.
class LevelTest : public ScreenTest {
 protected:
  static void SetUpTestSuite();
  // Enters a fresh level on the given map (0 first, 1 second).
  void EnterLevel(unsigned char map);
  void SetUp() override { EnterLevel(0); }
  void TearDown() override;

  LevelOne* Level();
  TowerManager& Towers() { return TowerManager::GetInstance(); }
  WaveManager& Waves() { return WaveManager::GetInstance(); }
  MapData& Map() { return MapData::GetInstance(); }
  SeasonState& Season() { return SeasonState::GetInstance(); }

  void Seconds(double seconds) { Frames(static_cast<int>(seconds * 60.0 + 0.5)); }
  // Stops the wave countdown so that only what a test spawns walks.
  void HoldWaves() { Waves().timeToNextWave = 1.0e9f; }
  // Builds a tower of a type on grid (column, row) through B and two clicks;
  // the camera stays at 0. Returns the tower or null.
  Tower* Build(int type, int column, int row);
  // Window pixel at the centre of a grid cell with the camera at 0.
  static int CellX(int column) { return (column - 1) * 60 + 30; }
  static int CellY(int row) { return row * 60 + 30; }
  static int Index(int column, int row) { return row * 22 + column; }
  // A buildable cell (code 1) with free neighbours left and right.
  void FindFreeCell(int* column, int* row);
  // Puts a monster of the current wave in play at a position.
  Monster* PlaceMonster(int index, float x, float y);
};

// Whole seconds of the scripted clock steer every reseeded draw: moves the
// clock on until the next fork choice (draw mod 2) is the wanted one.
void SteerForkChoice(int wanted);
