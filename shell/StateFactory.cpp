// The game's table of screens: which class each state id creates.
#include "level/LevelOne.h"
#include "screens/Credits.h"
#include "screens/Help.h"
#include "screens/Help2.h"
#include "screens/Logo.h"
#include "screens/LoseLevel.h"
#include "screens/MainMenu.h"
#include "screens/MapSelect.h"
#include "screens/Options.h"
#include "screens/TeamName.h"
#include "screens/WinLevel.h"
#include "shell/GameStateManager.h"

BaseLevel* CreateStateObject(int id) {
  switch (id) {
    case STATE_LOGO:
      return new Logo;
    case STATE_TEAMNAME:
      return new TeamName;
    case STATE_MAINMENU:
      return new MainMenu;
    case STATE_MAPSELECT:
      return new MapSelect;
    case STATE_WIN:
      return new WinLevel;
    case STATE_LOSE:
      return new LoseLevel;
    case STATE_HELP:
      return new Help;
    case STATE_HELP2:
      return new Help2;
    case STATE_CREDITS:
      return new Credits;
    case STATE_OPTIONS:
      return new Options;
    case STATE_LEVEL:
      return new LevelOne;
    default:
      return nullptr;  // restart and quit create nothing
  }
}
