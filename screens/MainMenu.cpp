// The main menu and its quit question. The click heard on leaving comes from
// Free, once the next screen has been chosen.
#include "screens/MainMenu.h"

#include "VXInput.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

namespace {
const ScreenBox kYes = {425, 535, 335, 380};
const ScreenBox kNo = {440, 525, 455, 500};

// Tested in this order; the first hit acts.
enum { NEW_GAME, HELP, OPTIONS, CREDITS, EXIT, BUTTON_COUNT };
const ScreenBox kButtons[BUTTON_COUNT] = {
    {300, 600, 275, 320}, {425, 535, 340, 385}, {375, 580, 410, 465}, {395, 560, 485, 530}, {435, 530, 555, 600},
};
const float kButtonY[BUTTON_COUNT] = {60, -10, -80, -150, -220};
const int kFaces[BUTTON_COUNT] = {BTN_NEWGAME, BTN_HELP, BTN_OPTIONS, BTN_CREDITS, BTN_EXIT};
}  // namespace

void MainMenu::Initialize() {
  ScreenPlaySound(SOUND_MENU_BG);
  quitConfirm = false;
}

void MainMenu::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(false, &x, &y);
  // Escape first, so a click in the same frame already meets the question.
  if (VXInputCheckTriggered(VX_KEY_ESCAPE)) {
    quitConfirm = true;
    ScreenPlaySound(SOUND_BUTTON_CLICK);
  }
  if (!ScreenClicked()) return;

  GameStateManager& states = GameStateManager::GetInstance();
  if (quitConfirm) {
    if (ScreenBoxHolds(kYes, x, y)) {
      states.nextState = STATE_QUIT;
    } else if (ScreenBoxHolds(kNo, x, y)) {
      quitConfirm = false;
      ScreenPlaySound(SOUND_BUTTON_CLICK);
    }
    return;
  }
  const int targets[BUTTON_COUNT] = {STATE_MAPSELECT, STATE_HELP, STATE_OPTIONS, STATE_CREDITS, -1};
  int b = ScreenBoxAt(kButtons, BUTTON_COUNT, x, y);
  if (b == EXIT) {
    quitConfirm = true;
    ScreenPlaySound(SOUND_BUTTON_CLICK);
  } else if (b >= 0) {
    states.nextState = targets[b];
  }
}

void MainMenu::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_MENU), res->GetMesh(MESH_MENU), 0, 0);
  if (quitConfirm) {
    ScreenDrawElement(res->GetButton(BTN_AREYOUSURE), res->GetMesh(MESH_BUTTONS), 0, 200);
    ScreenDrawButton(res->GetButton(BTN_YES), res->GetButton(BTN_YES_HOVER), res->GetMesh(MESH_SWITCH_BUTTONS), 0, 0,
                     kYes, x, y, true);
    ScreenDrawButton(res->GetButton(BTN_NO), res->GetButton(BTN_NO_HOVER), res->GetMesh(MESH_SWITCH_BUTTONS), 0, -120,
                     kNo, x, y, true);
    return;
  }
  ScreenDrawElement(res->GetTitle(TITLE_ORVANE), res->GetMesh(MESH_TITLE), 0, 200);
  ScreenDrawButtonColumn(res, MESH_MENU_BUTTONS, kFaces, kButtonY, kButtons, BUTTON_COUNT, x, y);
}

void MainMenu::Free() {
  // Only the level and quitting silence the menu music; the other menus keep it.
  int next = GameStateManager::GetInstance().nextState;
  if (next == STATE_LEVEL || next == STATE_QUIT) SoundManager::GetInstance()->Stop();
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
