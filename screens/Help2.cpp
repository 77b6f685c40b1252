// The objective page.
#include "screens/Help2.h"

#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

namespace {
const ScreenBox kBack = {70, 190, 575, 635};
}  // namespace

void Help2::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(true, &x, &y);
  if (ScreenClicked() && ScreenBoxHolds(kBack, x, y)) GameStateManager::GetInstance().nextState = STATE_HELP;
}

void Help2::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_HELP_OBJECTIVE), res->GetMesh(MESH_MENU), 0, 0);
  ScreenDrawButton(res->GetButton(BTN_BACK), res->GetButton(BTN_BACK_HOVER), res->GetMesh(MESH_JUMP_BUTTONS), -350,
                   -250, kBack, x, y, false);
}

void Help2::Free() {
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
