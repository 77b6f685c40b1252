// The background follows SeasonState.shownSeason.
#include "entities/Background.h"

#include "level/SeasonState.h"
#include "resources/ResourceManager.h"

Background::Background() {
  position = {150.0f, 0.0f};
  dead = false;
}

void Background::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) {
    ResetCommon();
    position = {150.0f, 0.0f};
  }
}

void Background::Update() {
  ResourceManager* rm = ResourceManager::GetInstance();
  int season = SeasonState::GetInstance().shownSeason;
  if (season >= 1 && season <= 4) texture = rm->GetBackground(BG_SPRING + season - 1);
  mesh = rm->GetMesh(MESH_MENU);
}
