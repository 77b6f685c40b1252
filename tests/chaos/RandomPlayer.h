// A random player: seeded clicks anywhere on the window and the keys the
// level reads (B, Escape, the right button, the cursor at the edges), pauses,
// restarts, trips to the menu and through the victory and defeat screens, on
// both maps. After every frame the rules of play and the level's accounts are
// checked; every click is checked against what the frame before it showed.
// It plays on a display scale drawn from its seed and chooses from its seed
// and what a player sees (where the view stands), so a seed replays the same
// game on the same build.
#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "Ledger.h"

// Which data file the levels read: the shipped one; a rich one (much money,
// short weak waves) that is won; a harsh one (few lives, strong monsters)
// that is lost. Rich and harsh runs keep a map until a game on it has ended.
enum PlayData { DATA_SHIPPED, DATA_RICH, DATA_HARSH };

// How far a run got.
struct Reach {
  int levelsEntered;
  int mapsPlayed;  // bit 0 the first map, bit 1 the second
  int builds, sales, upgradesTo2, upgradesTo3;
  int pauses, restarts, wins, losses;
  int furthestWave;  // 1..10
  int mostTowers;    // in play at once
  int drillers;      // drilling monsters that came into play
  int endScreenClicks;
};

struct RandomRun {
  long frames;         // frames played
  long brokenAt;       // the frame of the first broken rule, or -1
  std::string broken;  // that rule, and the actions that led to it
  Reach reach;
};

class RandomPlayer {
 public:
  RandomPlayer(uint32_t seed, PlayData data);

  // Plays about `frames` frames, or until a rule breaks.
  RandomRun Play(long frames);

  // Called after every frame of the run.
  void AfterFrame();

 private:
  void Act();
  void ClickSomewhere(int roll);
  void ScrollAndClickAnEdge();
  void BuildSomewhere();
  void UpgradeARecentClick();
  void ActPaused();
  void ActOnEndScreen();
  void EnterLevel(int map);
  // Client pixels of a logical window point under this run's display scale.
  void PointAt(int x, int y);
  void Click(int x, int y);
  void CheckClick(int x, int y);
  void Press(unsigned char key);
  void Hold(unsigned char key, int frames);
  void Wait(int frames);
  int Uniform(int lo, int hi);
  void Note(const char* format, int a = 0, int b = 0);
  void Break(const std::string& rule);
  void CountReach();

  std::mt19937 random;
  PlayData data;
  float scaleX, scaleY;
  int cursorX, cursorY;  // the cursor's client pixels
  static const int kRecent = 12;
  int clicksX[8], clicksY[8];  // logical points of the last clicks
  int clickNext;
  RandomRun run;
  std::string recent[kRecent];  // the last actions, oldest overwritten first
  int recentNext;
  // The level as the last two frames left it.
  LevelShot shots[2];
  int shotNow;
  bool levelLastFrame;
  bool restartAsked;
  bool pausedLastFrame;
  StartValues start;
};
