// The defeat screen. Its sound is an effect played once; the quit area has no button drawn.
#include "screens/LoseLevel.h"

#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

namespace {
// Tested in this order; the level entered again keeps the map chosen last.
const int kDrawnButtons = 3;  // the quit area has no button drawn
const ScreenBox kButtons[] = {
    {360, 600, 300, 350},
    {350, 615, 370, 430},
    {310, 655, 455, 500},
    {355, 605, 535, 585},
};
const int kTargets[] = {STATE_LEVEL, STATE_MAPSELECT, STATE_MAINMENU, STATE_QUIT};
const int kFaces[kDrawnButtons] = {BTN_TRYAGAIN, BTN_MAPSELECT, BTN_RETURNTOMENU};
const float kButtonY[kDrawnButtons] = {40, -40, -120};
}  // namespace

void LoseLevel::Initialize() {
  ScreenPlaySound(SOUND_LOSE_BG);
}

void LoseLevel::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(false, &x, &y);
  if (!ScreenClicked()) return;
  int b = ScreenBoxAt(kButtons, int(sizeof(kButtons) / sizeof(kButtons[0])), x, y);
  if (b >= 0) GameStateManager::GetInstance().nextState = kTargets[b];
}

void LoseLevel::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_LOSE), res->GetMesh(MESH_MENU), 0, 0);
  ScreenDrawElement(res->GetTitle(TITLE_DEFEAT), res->GetMesh(MESH_TITLE), 0, 200);
  ScreenDrawButtonColumn(res, MESH_BUTTONS, kFaces, kButtonY, kButtons, kDrawnButtons, x, y);
}

// The screen's music or sound stops before the next screen starts its own.
void LoseLevel::Free() {
  SoundManager::GetInstance()->Stop();
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
