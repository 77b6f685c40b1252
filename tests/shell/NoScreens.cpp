// Stands in for the game's screen table so the manager links without the screens;
// the tests put their own screens in with SetFactory.
#include "shell/GameStateManager.h"

BaseLevel* CreateStateObject(int) {
  return nullptr;
}
