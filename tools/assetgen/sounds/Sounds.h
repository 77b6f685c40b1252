// The ten sounds of the game, each made as a track ready for levelling and encoding.
#pragma once
#include "sounds/Synth.h"

namespace sound {

// Seamless music loops.
Track MenuTheme();
Track LevelTheme();
Track VictoryTheme();

// Played once.
Track DefeatSting();
Track WarningHorn();
Track BuildChime();
Track CoinJingle();
Track MonsterHit();
Track ButtonClick();
Track MoneyBlip();

}  // namespace sound
