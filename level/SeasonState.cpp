// Season roll and the game's reseeding rule.
#include "level/SeasonState.h"

#include "VXFrameRateController.h"
#include "VXMath.h"

int ReseedAndDraw() {
  VXSrand(static_cast<unsigned>(VXGetTime(nullptr)));
  return VXRand();
}

SeasonState& SeasonState::GetInstance() {
  static SeasonState instance;
  return instance;
}

SeasonState::SeasonState() : currentSeason(4), shownSeason(4), seasonSweep(false) {}

void SeasonState::RollSeason() {
  currentSeason = ReseedAndDraw() % 4 + 1;
  seasonSweep = currentSeason != shownSeason;
}
