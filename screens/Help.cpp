// The controls page. The menu music goes on throughout the help pages.
#include "screens/Help.h"

#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

namespace {
const ScreenBox kNext = {770, 890, 575, 635};
}  // namespace

void Help::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(true, &x, &y);
  if (!ScreenClicked()) return;
  GameStateManager& states = GameStateManager::GetInstance();
  if (ScreenBoxHolds(kScreenHelpBack.box, x, y)) {
    states.nextState = STATE_MAINMENU;
  } else if (ScreenBoxHolds(kNext, x, y)) {
    states.nextState = STATE_HELP2;
  }
}

void Help::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_HELP_CONTROLS), res->GetMesh(MESH_MENU), 0, 0);
  ScreenDrawBack(res, kScreenHelpBack, x, y);
  ScreenDrawButton(res->GetButton(BTN_NEXT), res->GetButton(BTN_NEXT_HOVER), res->GetMesh(MESH_JUMP_BUTTONS), 350, -250,
                   kNext, x, y, false);
}

void Help::Free() {
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
