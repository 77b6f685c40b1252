// The sound plays for both warning waves; the three pulses are used up by the
// first one, since only a reset clears the pulse count.
#include "entities/Warning.h"

#include "entities/WaveManager.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"

static const float kPeakAlpha = 0.7f;
static const int kPulses = 3;

Warning::Warning() : pulseCount(0), fadingOut(false), soundPlayed(false) {
  ResourceManager* rm = ResourceManager::GetInstance();
  dead = false;
  texture = rm->GetBackground(BG_WARNING);
  mesh = rm->GetMesh(MESH_MENU);
  alpha = 0.0f;
}

void Warning::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) {
    ResetPlacement();
    alpha = 0.0f;
    pulseCount = 0;
    fadingOut = false;
    soundPlayed = false;
  }
}

void Warning::Update() {
  int wave = WaveManager::GetInstance().currentWave;
  if (wave != 3 && wave != 6) {
    soundPlayed = false;
    return;
  }
  if (!soundPlayed) {
    SoundManager* sm = SoundManager::GetInstance();
    sm->Play(sm->GetSound(SOUND_WARNING));
    soundPlayed = true;
  }
  float dt = FrameDt();
  if (pulseCount >= kPulses) {
    alpha = 0.0f;
  } else if (fadingOut) {
    alpha -= dt;
    if (alpha <= 0.0f) {
      pulseCount += 1;
      fadingOut = false;
      alpha = 0.0f;
    }
  } else {
    alpha += dt;
    if (alpha >= kPeakAlpha) {
      alpha = kPeakAlpha;
      fadingOut = true;
    }
  }
  position.x = gVXCamPosX;
}
