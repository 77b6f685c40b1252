// The game state manager: owns the running screen and carries out restart and
// switch requests at the start of a frame, then runs the screen.
#include "shell/GameStateManager.h"

GameStateManager& GameStateManager::GetInstance() {
  static GameStateManager instance;
  return instance;
}

GameStateManager::GameStateManager()
    : currentLevel(nullptr), nextState(STATE_LOGO), currentState(-1), factory(CreateStateObject) {}

// By process exit the quit path has already deleted the last screen.
GameStateManager::~GameStateManager() {
  currentLevel = nullptr;
}

void GameStateManager::SetFactory(StateFactory newFactory) {
  factory = newFactory ? newFactory : CreateStateObject;
}

void GameStateManager::Update() {
  // A screen that turns the player away while starting (a level whose data
  // files went bad) is left within the same frame, so no empty frame shows.
  // The bound keeps two screens that send the player to each other from
  // hanging the frame; what is left over is carried out next frame.
  for (int hop = 0; hop < kSwitchesPerFrame && nextState != currentState; ++hop) Switch();

  if (currentLevel) {
    currentLevel->Update();
    currentLevel->Draw();
  }
}

void GameStateManager::Switch() {
  // A restart keeps the object and its loaded assets.
  if (nextState == STATE_RESTART && currentLevel) {
    nextState = currentState;
    currentLevel->Free();
    currentLevel->Initialize();
    return;
  }
  // The target is fixed here: a screen that asks again while entering gets
  // its request carried out by the next switch instead of renaming itself.
  const int target = nextState;
  if (currentLevel) {
    currentLevel->Free();
    currentLevel->Unload();
    delete currentLevel;
    currentLevel = nullptr;
  }
  // Only the screen ids make an object; restart and quit make none.
  if (target >= STATE_LOGO && target <= STATE_OPTIONS) currentLevel = factory(target);
  if (currentLevel) {
    currentLevel->Load();
    currentLevel->Initialize();
  }
  currentState = target;
}
