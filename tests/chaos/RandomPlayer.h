// A random player: seeded clicks anywhere on the window and the keys the
// level reads (B, Escape, the right button, the cursor at the edges), pauses,
// restarts and trips to the menu, on both maps, with the rules of play
// checked after every frame. It plays on a display scale drawn from its seed
// and never looks at the game to choose, so a seed replays the same inputs.
#pragma once
#include <cstdint>
#include <random>
#include <string>

struct RandomRun {
  long frames;         // frames played
  long brokenAt;       // the frame of the first broken rule, or -1
  std::string broken;  // that rule, and the actions that led to it
  int levelsEntered;
  int mapsPlayed;  // bit 0 the first map, bit 1 the second
  int towersBuilt;
};

class RandomPlayer {
 public:
  explicit RandomPlayer(uint32_t seed);

  // Plays about `frames` frames, the maps taking turns every 16000, or until a rule breaks.
  RandomRun Play(long frames);

  // Called after every frame of the run.
  void AfterFrame();

 private:
  void Act();
  void ClickSomewhere(int roll);
  void ActPaused();
  void EnterLevel(int map);
  // Client pixels of a logical window point under this run's display scale.
  void PointAt(int x, int y);
  void Click(int x, int y);
  void Press(unsigned char key);
  void Hold(unsigned char key, int frames);
  void Wait(int frames);
  int Uniform(int lo, int hi);
  void Note(const char* format, int a = 0, int b = 0);
  void Break(const std::string& rule);

  std::mt19937 random;
  float scaleX, scaleY;
  int lastX, lastY;  // logical point of the last click
  RandomRun run;
  static const int kRecent = 12;
  std::string recent[kRecent];  // the last actions, oldest overwritten first
  int recentNext;
};
