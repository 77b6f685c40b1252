// The game's table of screens: which class each state id creates.
#include "shell/GameStateManager.h"
// Each screen's header joins here as its screen is written.

BaseLevel* CreateStateObject(int id) {
  // Each screen turns its label into "case STATE_X: return new X;".
  switch (id) {
    case STATE_LOGO:
    case STATE_TEAMNAME:
    case STATE_MAINMENU:
    case STATE_MAPSELECT:
    case STATE_LEVEL:
    case STATE_WIN:
    case STATE_LOSE:
    case STATE_HELP:
    case STATE_HELP2:
    case STATE_CREDITS:
    case STATE_OPTIONS:
    default:
      return nullptr;  // restart and quit create nothing
  }
}
