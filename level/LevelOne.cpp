// The playing screen's life cycle and its per-frame update.
#include "level/LevelOne.h"

#include "VXGraphics.h"
#include "VXInput.h"
#include "data/DataFault.h"
#include "data/DataInput.h"
#include "data/GUIData.h"
#include "data/MapData.h"
#include "entities/Background.h"
#include "entities/ITimer.h"
#include "entities/ParticleSystem.h"
#include "entities/SimpleSprites.h"
#include "entities/Tutorial.h"
#include "entities/Warning.h"
#include "entities/WaveManager.h"
#include "level/LevelCamera.h"
#include "level/SeasonState.h"
#include "level/TowerManager.h"
#include "resources/SoundManager.h"
#include "shell/GameStateManager.h"

// 50 towers, 10 waves of 30 monsters with two bars each, 50 towers' 50 bullets and 3 markers.
enum { SPRITE_CAPACITY = 50 + 10 * 30 * 3 + 50 * (50 + 3) };

const PauseButtonRect kPauseResume = {360, 600, 290, 350};
const PauseButtonRect kPauseTryAgain = {350, 615, 370, 430};
const PauseButtonRect kPauseReturn = {310, 655, 455, 500};
const PauseButtonRect kPauseYes = {425, 535, 335, 380};
const PauseButtonRect kPauseNo = {440, 525, 455, 500};

bool PauseButtonHit(const PauseButtonRect& r, int px, int py) {
  return px >= r.left && px <= r.right && py >= r.top && py <= r.bottom;
}

static void PlaySound(int id) {
  SoundManager* sm = SoundManager::GetInstance();
  sm->Play(sm->GetSound(id));
}

LevelOne::LevelOne()
    : textFont(0),
      paused(false),
      confirmQuit(false),
      refused(false),
      background(nullptr),
      warning(nullptr),
      tutorial(nullptr),
      moneyText(),
      damageText(),
      seasonText(),
      livesText(),
      waveText(),
      countdownText() {}

LevelOne::~LevelOne() {}

LevelOne* LevelOne::GetInstance() {
  static LevelOne holder;
  return &holder;
}

void LevelOne::Load() {
  std::vector<Sprite*>& list = GetInstance()->sprites;
  list.reserve(SPRITE_CAPACITY);
  GetTimerList().reserve(WAVE_COUNT);
  background = new Background();
  warning = new Warning();
  tutorial = new Tutorial();
  MapData::GetInstance().CreateTiles();
  WaveManager::GetInstance().BuildWaves();
  TowerManager::GetInstance().CreateTowers();
  GUIData::GetInstance().CreateTiles();
  ParticleSystem::GetInstance().CreateParticles();
  textFont = VXGfxCreateFont("Courier New", 24, true, false);
}

void LevelOne::Initialize() {
  DataFaultClear();
  SeasonState::GetInstance().RollSeason();
  // Every file is read, so that each one that cannot give a level is named.
  bool playable = MapData::GetInstance().LoadMapFile();
  playable = DataInput::GetInstance().LoadDataFile() && playable;
  TowerManager::GetInstance().InitFromData();
  GUIData::GetInstance().LoadLayoutFile();
  refused = !playable;
  if (refused) {
    // Back to the map selection, which shows the fault; not one frame is played.
    GameStateManager::GetInstance().nextState = STATE_MAPSELECT;
    return;
  }
  PlaySound(SOUND_LEVEL_BG);
  background->SetDead(false);
  warning->SetDead(false);
  tutorial->SetDead(false);
  paused = false;
  confirmQuit = false;
}

void LevelOne::Free() {
  for (Sprite* s : GetInstance()->sprites) s->SetDead(true);
  WaveManager::GetInstance().ResetWaves();
  TowerManager::GetInstance().ResetSelection();
  GUIData::GetInstance().ResetGeometry();
  MapData& map = MapData::GetInstance();
  map.startCell = map.endCell = map.sweepRow = map.sweepColumn = map.sweepTile = 0;
  ParticleSystem::GetInstance().Reset();
  SoundManager::GetInstance()->Stop();
  if (!refused) PlaySound(SOUND_BUTTON_CLICK);  // a refused start already clicked in the map selection
  paused = false;
  confirmQuit = false;
  background->SetDead(true);
  warning->SetDead(true);
  tutorial->SetDead(true);
}

void LevelOne::Unload() {
  MapData::GetInstance().Free();
  GUIData::GetInstance().Release();
  WaveManager::GetInstance().Clear();
  TowerManager::GetInstance().DeleteTowers();
  DeleteTimers();
  ParticleSystem::GetInstance().Release();
  GetInstance()->sprites.clear();
  VXGfxDestroyFont(textFont);
  textFont = 0;
  delete background;
  delete warning;
  delete tutorial;
  background = nullptr;
  warning = nullptr;
  tutorial = nullptr;
}

void LevelOne::Update() {
  if (refused) return;
  if (VXInputCheckTriggered(VX_KEY_ESCAPE)) {
    PlaySound(SOUND_BUTTON_CLICK);
    if (!confirmQuit) {
      paused = !paused;
      SoundManager::GetInstance()->SetVolume(paused ? 0.5f : 1.0f);
    }
  }
  // While paused the world stands still: only the menu runs.
  if (paused) {
    UpdatePauseMenu();
    return;
  }
  UpdateWorld();
}

void LevelOne::UpdateWorld() {
  SoundManager::GetInstance()->Update();
  ParticleSystem::GetInstance().Update();
  MapData& map = MapData::GetInstance();
  map.RefreshTiles();
  LevelCamera::GetInstance().Update();
  WaveManager::GetInstance().Update();
  TowerManager::GetInstance().HandleInput();
  for (ITimer* t : GetTimerList()) t->Update();
  background->Update();
  background->BuildTransform();
  warning->Update();
  warning->BuildTransform();
  for (Tile* t : map.tiles) {
    if (!t->dead) t->BuildTransform();
  }
  for (Sprite* s : GetInstance()->sprites) {
    if (s->dead) continue;
    s->Update();
    s->BuildTransform();
  }
  GUIData::GetInstance().UpdateLayout();
  BuildInterfaceTransforms();
  tutorial->Update();
  tutorial->BuildTransform();
}

void LevelOne::BuildInterfaceTransforms() {
  GUIData& gui = GUIData::GetInstance();
  for (GUITile* t : gui.guiTiles) {
    if (!t->dead) t->BuildTransform();
  }
  for (GUITile* pip : gui.levelPips) {
    if (pip && !pip->dead) pip->BuildTransform();
  }
}

void LevelOne::UpdatePauseMenu() {
  // The menu and a later restart start from the left end of the map, while
  // the interface and the overlays keep their place on screen.
  float shift = -gVXCamPosX;
  LevelCamera::SetCamera(0.0f, 0.0f);
  if (shift != 0.0f) {
    GUIData::GetInstance().FollowCamera();
    BuildInterfaceTransforms();
    for (Sprite* overlay : {static_cast<Sprite*>(tutorial), static_cast<Sprite*>(warning)}) {
      overlay->position.x += shift;
      overlay->BuildTransform();
    }
  }
  int px = 0, py = 0;
  VXInputGetCursorPosition(&px, &py);
  if (!VXInputCheckTriggered(VX_KEY_LBUTTON)) return;
  GameStateManager& gsm = GameStateManager::GetInstance();
  if (confirmQuit) {
    if (PauseButtonHit(kPauseYes, px, py)) {
      gsm.nextState = STATE_MAINMENU;
    } else if (PauseButtonHit(kPauseNo, px, py)) {
      confirmQuit = false;
      PlaySound(SOUND_BUTTON_CLICK);
    }
    return;
  }
  // Resuming keeps the halved volume; only Escape restores it.
  if (PauseButtonHit(kPauseResume, px, py)) {
    paused = false;
    PlaySound(SOUND_BUTTON_CLICK);
  } else if (PauseButtonHit(kPauseTryAgain, px, py)) {
    gsm.nextState = STATE_RESTART;
  } else if (PauseButtonHit(kPauseReturn, px, py)) {
    confirmQuit = true;
    PlaySound(SOUND_BUTTON_CLICK);
  }
}
