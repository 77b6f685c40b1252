// Ten seconds opaque, one second fading, then invisible until the next level start.
#include "entities/Tutorial.h"

#include "VXGraphics.h"
#include "resources/ResourceManager.h"

static const float kShowTime = 10.0f;

Tutorial::Tutorial() : showTimer(0.0f), finished(false) {
  ResourceManager* rm = ResourceManager::GetInstance();
  dead = false;
  texture = rm->GetMiscTexture(MISC_TUTORIAL);
  mesh = rm->GetMesh(MESH_MENU);
  alpha = 1.0f;
}

void Tutorial::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) {
    ResetPlacement();
    alpha = 1.0f;
    showTimer = 0.0f;
    finished = false;
  }
}

void Tutorial::Update() {
  if (finished) {
    position.x = gVXCamPosX;
    return;
  }
  float dt = FrameDt();
  showTimer += dt;
  position.x = gVXCamPosX;
  if (showTimer < kShowTime) return;
  alpha -= dt;
  if (alpha <= 0.0f) {
    finished = true;
    showTimer = 0.0f;
  }
}
