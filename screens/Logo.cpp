// The opening logo. Its first frame creates the sound manager (Update) and the
// resource manager (Draw), so every sound, picture and mesh loads here.
#include "screens/Logo.h"

#include "VXFrameRateController.h"
#include "VXGraphics.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

void Logo::Update() {
  SoundManager::GetInstance()->Update();
  VXGfxSetCamPosition(0.0f, 0.0f);
  float dt = float(gVXFrameTime);
  if (fadedIn) {
    timer += dt;
    if (timer > 2.0f) {
      alpha -= dt;
      if (0.0f >= alpha) GameStateManager::GetInstance().nextState = STATE_TEAMNAME;
    }
  } else {
    alpha += dt * 0.25f;
    if (alpha >= 1.0f) {
      alpha = 1.0f;
      fadedIn = true;
    }
  }
}

void Logo::Draw() {
  ResourceManager* resources = ResourceManager::GetInstance();
  ScreenDrawFaded(resources->GetMiscTexture(MISC_LOGO), resources->GetMesh(MESH_LOGO), alpha);
}
