// The objective page.
#include "screens/Help2.h"

#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

void Help2::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(true, &x, &y);
  if (ScreenClicked() && ScreenBoxHolds(kScreenHelpBack.box, x, y))
    GameStateManager::GetInstance().nextState = STATE_HELP;
}

void Help2::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_HELP_OBJECTIVE), res->GetMesh(MESH_MENU), 0, 0);
  ScreenDrawBack(res, kScreenHelpBack, x, y);
}

void Help2::Free() {
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
