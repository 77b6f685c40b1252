// The playing screen: loads, starts, runs, draws and tears down a level.
#pragma once
#include <vector>

#include "shell/BaseLevel.h"

class Sprite;
class Background;
class Warning;
class Tutorial;

class LevelOne : public BaseLevel {
 public:
  LevelOne();
  ~LevelOne() override;

  // Holder of the program-wide sprite list; never loaded or initialised.
  static LevelOne* GetInstance();

  void Load() override;
  void Initialize() override;
  void Update() override;
  void Draw() override;
  void Free() override;
  void Unload() override;

  // Not owning: towers first, then each monster after its two bars, then each
  // tower's bullets and markers.
  std::vector<Sprite*> sprites;
  int textFont;
  bool paused;
  bool confirmQuit;
  bool refused;  // a data file could not give a playable level
  Background* background;
  Warning* warning;
  Tutorial* tutorial;

 private:
  void UpdateWorld();
  void UpdatePauseMenu();
  void BuildInterfaceTransforms();
  void DrawSprite(Sprite* s);
  void DrawSprites();
  void DrawInterface();
  void DrawHeaderTexts();
  void DrawPauseMenu();

  // Texts are formatted into fixed buffers: a frame allocates nothing.
  char moneyText[256];
  char damageText[256];
  char seasonText[256];
  char livesText[256];
  char waveText[256];
  char countdownText[100];
};

// Pause-menu buttons in window pixels (inclusive); the hover and click areas.
struct PauseButtonRect {
  int left, right, top, bottom;
};
extern const PauseButtonRect kPauseResume, kPauseTryAgain, kPauseReturn, kPauseYes, kPauseNo;
bool PauseButtonHit(const PauseButtonRect& r, int px, int py);
