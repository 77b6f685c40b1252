// The options screen. The window mode and the sound manager change at the
// click; the switches are copied back to the program-wide options on leaving.
#include "screens/Options.h"

#include "VXSystem.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

bool gSoundOption = true;
bool gFullScreenOption = true;

namespace {
// A click counts only up to x 675, while the "off" face lights up to 685.
const ScreenBox kFullScreenClick = {600, 675, 335, 385};
const ScreenBox kSoundClick = {600, 675, 430, 480};

void DrawSwitch(ResourceManager* res, bool on, float worldY, int top, int bottom, int x, int y) {
  ScreenBox hover = {600, on ? 675 : 685, top, bottom};
  int face = on ? BTN_ON : BTN_OFF;
  ScreenDrawButton(res->GetButton(face), res->GetButton(face + 1), res->GetMesh(MESH_SWITCH_BUTTONS), 160, worldY,
                   hover, x, y, false);
}
}  // namespace

void Options::Initialize() {
  soundOn = gSoundOption;
  fullScreen = gFullScreenOption;
}

void Options::Update() {
  int x = 0, y = 0;
  ScreenBeginUpdate(false, &x, &y);
  if (!ScreenClicked()) return;
  // Toggling plays no click sound.
  if (ScreenBoxHolds(kFullScreenClick, x, y)) {
    fullScreen = !fullScreen;
    VXToogleFullScreen(fullScreen);
    return;
  }
  if (ScreenBoxHolds(kSoundClick, x, y)) {
    soundOn = !soundOn;
    SoundManager* sound = SoundManager::GetInstance();
    sound->soundEnabled = soundOn;
    if (soundOn) {
      sound->Play(sound->GetSound(SOUND_MENU_BG));
    } else {
      sound->Stop();
    }
    return;
  }
  if (ScreenBoxHolds(kScreenMenuBack.box, x, y)) GameStateManager::GetInstance().nextState = STATE_MAINMENU;
}

void Options::Draw() {
  int x = 0, y = 0;
  ResourceManager* res = ScreenBeginDraw(&x, &y);
  ScreenDrawElement(res->GetBackground(BG_MENU), res->GetMesh(MESH_MENU), 0, 0);
  ScreenDrawElement(res->GetTitle(TITLE_OPTIONS), res->GetMesh(MESH_TITLE), 0, 200);
  ScreenDrawElement(res->GetButton(BTN_FULLSCREEN), res->GetMesh(MESH_BUTTONS), -80, 0);
  ScreenDrawElement(res->GetButton(BTN_SOUND), res->GetMesh(MESH_BUTTONS), -30, -100);
  DrawSwitch(res, fullScreen, 0, kFullScreenClick.top, kFullScreenClick.bottom, x, y);
  DrawSwitch(res, soundOn, -100, kSoundClick.top, kSoundClick.bottom, x, y);
  ScreenDrawBack(res, kScreenMenuBack, x, y);
}

// The music goes on into the main menu.
void Options::Free() {
  gSoundOption = soundOn;
  gFullScreenOption = fullScreen;
  ScreenPlaySound(SOUND_BUTTON_CLICK);
}
