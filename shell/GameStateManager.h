// Owns the running screen and switches screens by id at the start of a frame.
#pragma once
#include "shell/BaseLevel.h"

enum StateId {
  STATE_LOGO = 0,
  STATE_TEAMNAME = 1,
  STATE_MAINMENU = 2,
  STATE_MAPSELECT = 3,
  STATE_LEVEL = 4,
  STATE_WIN = 5,
  STATE_LOSE = 6,
  STATE_HELP = 7,
  STATE_HELP2 = 8,
  STATE_CREDITS = 9,
  STATE_OPTIONS = 10,
  STATE_RESTART = 11,
  STATE_QUIT = 12,
};

// Makes the screen object for a state id, or null for ids that make none.
typedef BaseLevel* (*StateFactory)(int id);
BaseLevel* CreateStateObject(int id);

class GameStateManager {
 public:
  static GameStateManager& GetInstance();

  // Restart or switch as asked, then run the current screen's Update and Draw.
  void Update();

  // Tests put their own screens in; null restores the game's own table.
  void SetFactory(StateFactory factory);

  BaseLevel* currentLevel;  // owning
  int nextState;            // written directly by whoever asks for a change
  int currentState;         // -1 before the first switch

 private:
  static const int kSwitchesPerFrame = 4;

  GameStateManager();
  ~GameStateManager();
  void Switch();  // carries out the one request nextState holds
  StateFactory factory;
};
