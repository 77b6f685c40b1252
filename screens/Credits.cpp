// The credits. Its back button sits where the other menus have theirs, not
// where the help pages do.
#include "screens/Credits.h"

#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

void Credits::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(true, &x, &y);
  if (ScreenClicked() && ScreenBoxHolds(kScreenMenuBack.box, x, y))
    GameStateManager::GetInstance().nextState = STATE_MAINMENU;
}

void Credits::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_CREDITS), res->GetMesh(MESH_MENU), 0, 0);
  ScreenDrawBack(res, kScreenMenuBack, x, y);
}

void Credits::Free() {
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
