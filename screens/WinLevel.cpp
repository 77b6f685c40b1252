// The victory screen. Its music loops until the screen is left.
#include "screens/WinLevel.h"

#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

namespace {
// Tested in this order; the level entered again keeps the map chosen last.
const int kDrawnButtons = 3;  // again, map select, return to menu
const ScreenBox kButtons[] = {
    {360, 600, 290, 350},
    {350, 615, 370, 430},
    {310, 655, 455, 500},
};
const int kTargets[] = {STATE_LEVEL, STATE_MAPSELECT, STATE_MAINMENU};
const int kFaces[kDrawnButtons] = {BTN_PLAYAGAIN, BTN_MAPSELECT, BTN_RETURNTOMENU};
const float kButtonY[kDrawnButtons] = {40, -40, -120};
}  // namespace

void WinLevel::Initialize() {
  ScreenPlaySound(SOUND_WIN_BG);
}

void WinLevel::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(false, &x, &y);
  if (!ScreenClicked()) return;
  int b = ScreenBoxAt(kButtons, int(sizeof(kButtons) / sizeof(kButtons[0])), x, y);
  if (b >= 0) GameStateManager::GetInstance().nextState = kTargets[b];
}

void WinLevel::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_WIN), res->GetMesh(MESH_MENU), 0, 0);
  ScreenDrawElement(res->GetTitle(TITLE_VICTORY), res->GetMesh(MESH_TITLE), 0, 200);
  ScreenDrawButtonColumn(res, MESH_BUTTONS, kFaces, kButtonY, kButtons, kDrawnButtons, x, y);
}

// The screen's music or sound stops before the next screen starts its own.
void WinLevel::Free() {
  SoundManager::GetInstance()->Stop();
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
