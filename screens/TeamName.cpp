// The team picture between the logo and the main menu.
#include "screens/TeamName.h"

#include "VXFrameRateController.h"
#include "VXGraphics.h"
#include "VXInput.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

void TeamName::Update() {
  GameStateManager& states = GameStateManager::GetInstance();
  // A skip does not cut the frame short: the fade below still runs.
  if (VXInputCheckTriggered(VX_KEY_LBUTTON) || VXInputCheckTriggered(VX_KEY_RBUTTON) ||
      VXInputCheckTriggered(VX_KEY_ESCAPE) || VXInputCheckTriggered(VX_KEY_RETURN) ||
      VXInputCheckTriggered(VX_KEY_SPACE)) {
    states.nextState = STATE_MAINMENU;
  }
  SoundManager::GetInstance()->Update();
  VXGfxSetCamPosition(0.0f, 0.0f);
  float dt = float(gVXFrameTime);
  if (fadedIn) {
    timer += dt;
    if (timer > 4.0f) {
      alpha -= dt;
      if (0.0f >= alpha) states.nextState = STATE_MAINMENU;
    }
  } else {
    // alpha may end slightly above 1; the fade-out starts from there.
    alpha += dt;
    if (alpha >= 1.0f) fadedIn = true;
  }
}

void TeamName::Draw() {
  ResourceManager* resources = ResourceManager::GetInstance();
  ScreenDrawFaded(resources->GetBackground(BG_TEAM), resources->GetMesh(MESH_MENU), alpha);
}
