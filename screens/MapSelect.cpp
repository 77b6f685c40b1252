// Map selection. The choice stays in mapChoice, so "play again" replays it.
#include "screens/MapSelect.h"

#include "data/MapChoice.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

namespace {
const ScreenBox kFirstMap = {260, 440, 300, 515};
const ScreenBox kSecondMap = {520, 700, 300, 515};
}  // namespace

void MapSelect::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(true, &x, &y);
  if (!ScreenClicked()) return;
  GameStateManager& states = GameStateManager::GetInstance();
  if (ScreenBoxHolds(kScreenMenuBack.box, x, y)) {
    states.nextState = STATE_MAINMENU;
  } else if (ScreenBoxHolds(kFirstMap, x, y)) {
    mapChoice = 0;
    states.nextState = STATE_LEVEL;
  } else if (ScreenBoxHolds(kSecondMap, x, y)) {
    mapChoice = 1;
    states.nextState = STATE_LEVEL;
  }
}

void MapSelect::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_MENU), res->GetMesh(MESH_MENU), 0, 0);
  ScreenDrawElement(res->GetTitle(TITLE_MAPSELECT), res->GetMesh(MESH_TITLE), 0, 200);
  ScreenDrawButton(res->GetMiscTexture(MISC_NORMAL_MAP), res->GetMiscTexture(MISC_NORMAL_MAP_HOVER),
                   res->GetMesh(MESH_MAP_SELECTION), -130, -50, kFirstMap, x, y, false);
  ScreenDrawButton(res->GetMiscTexture(MISC_EXTREME_MAP), res->GetMiscTexture(MISC_EXTREME_MAP_HOVER),
                   res->GetMesh(MESH_MAP_SELECTION), 130, -50, kSecondMap, x, y, false);
  ScreenDrawBack(res, kScreenMenuBack, x, y);
}

// Leaving stops the menu music either way; the main menu starts it again.
void MapSelect::Free() {
  SoundManager::GetInstance()->Stop();
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
