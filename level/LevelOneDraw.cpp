// The playing screen's drawing: background, ground, the season's falling
// particles, sprites, smoke, overlays, interface, header texts, pause menu.
#include <cstdio>

#include "VXGraphics.h"
#include "VXInput.h"
#include "data/GUIData.h"
#include "data/MapData.h"
#include "entities/Background.h"
#include "entities/ParticleSystem.h"
#include "entities/SimpleSprites.h"
#include "entities/SmokeEmitter.h"
#include "entities/Tower.h"
#include "entities/Tutorial.h"
#include "entities/Warning.h"
#include "entities/WaveManager.h"
#include "level/LevelOne.h"
#include "level/SeasonState.h"
#include "level/TowerManager.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"

// The falling season pictures sit under the sprites and are dimmed so that
// they never hide a monster, a tower or the interface.
static const float kSeasonParticleAlpha = 0.6f;

static void White() {
  VXGfxSetTintColor(1.0f, 1.0f, 1.0f, 1.0f);
}
static void Grey() {
  VXGfxSetTintColor(0.25f, 0.25f, 0.25f, 1.0f);
}

static void DrawMesh(const VXMtx33* transform, VXGfxTexture* texture, VXGfxVertexList* mesh) {
  VXGfxSetTransform(transform);
  VXGfxTextureSet(texture, 0.0f, 0.0f);
  VXGfxMeshDraw(mesh, VX_DRAW_TRIANGLES);
}

static void DrawAt(float x, float y, float s, VXGfxTexture* texture, VXGfxVertexList* mesh) {
  VXMtx33 trans, scl, world;
  VXMtx33Trans(&trans, x, y);
  VXMtx33Scale(&scl, s, s);
  VXMtx33Concat(&world, &trans, &scl);
  DrawMesh(&world, texture, mesh);
}

// Software renderers pay for every covered pixel, so a draw that cannot change
// one is skipped; the render state it would leave behind is still set.
void LevelOne::DrawSprite(Sprite* s) {
  VXGfxSetTransparency(s->alpha);
  if (s->alpha <= 0.0f) return;
  DrawMesh(&s->transform, s->texture, s->mesh);
}

// Outside a season sweep every cell has its own opaque tile in play, and the
// grid reaches past every side of the view.
static bool GroundCoversView() {
  MapData& map = MapData::GetInstance();
  if (SeasonState::GetInstance().seasonSweep || map.tiles.size() != size_t(GRID_CELLS)) return false;
  for (Tile* t : map.tiles) {
    if (t->dead) return false;
  }
  return true;
}

void LevelOne::Draw() {
  if (refused) return;
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxSetTransparency(1.0f);
  White();
  if (!GroundCoversView()) DrawSprite(background);
  for (Tile* t : MapData::GetInstance().tiles) {
    if (!t->dead) DrawSprite(t);
  }
  VXGfxSetTransparency(1.0f);
  ParticleSystem::GetInstance().Draw(kSeasonParticleAlpha);
  White();
  DrawSprites();
  for (Tower* t : TowerManager::GetInstance().towers) {
    if (!t->dead) t->upgradeEffect->Draw();
  }
  VXGfxSetTransparency(1.0f);
  White();
  DrawSprite(warning);
  DrawInterface();
  VXGfxSetTransparency(1.0f);
  White();
  DrawSprite(tutorial);
  DrawHeaderTexts();
  if (paused) DrawPauseMenu();
}

void LevelOne::DrawSprites() {
  ResourceManager* rm = ResourceManager::GetInstance();
  VXGfxTexture* upgrade1 = rm->GetMiscTexture(MISC_UPGRADE1);
  VXGfxTexture* upgrade2 = rm->GetMiscTexture(MISC_UPGRADE2);
  int money = TowerManager::GetInstance().money;
  // The tint is not reset per sprite: bars, monsters and bullets keep the one before them.
  for (Sprite* s : GetInstance()->sprites) {
    if (s->dead) continue;
    if (s->texture && (s->texture == upgrade1 || s->texture == upgrade2)) {
      bool unaffordable = (s->texture == upgrade1 && money < 50) || (s->texture == upgrade2 && money < 80);
      if (unaffordable) {
        Grey();
      } else {
        White();
      }
    }
    if (s->type >= 1 && s->type <= 5) White();
    DrawSprite(s);
  }
}

void LevelOne::DrawInterface() {
  ResourceManager* rm = ResourceManager::GetInstance();
  TowerManager& tm = TowerManager::GetInstance();
  GUIData& gui = GUIData::GetInstance();
  VXGfxSetTransparency(1.0f);
  White();
  for (GUITile* t : gui.guiTiles) {
    if (t->dead) continue;
    White();
    bool levelOnePicture = false;
    for (int season = 0; season < 4; ++season) {
      if (t->texture && t->texture == rm->GetTowerTexture(3 * season)) levelOnePicture = true;
    }
    // A build-bar button is grey until build mode is on with the money for a tower.
    if (levelOnePicture && t->type != 7 && !(tm.buildMode && tm.money >= TOWER_PRICE)) Grey();
    if (t->type == 6) VXGfxSetTransparency(0.5f);
    DrawMesh(&t->transform, t->texture, t->mesh);
  }
  for (GUITile* pip : gui.levelPips) {
    if (!pip || pip->dead) continue;
    if (pip->type == 1) {
      White();
    } else {
      Grey();
    }
    DrawMesh(&pip->transform, pip->texture, pip->mesh);
  }
}

void LevelOne::DrawHeaderTexts() {
  static const float kFull = 255.0f;
  TowerManager& tm = TowerManager::GetInstance();
  WaveManager& wm = WaveManager::GetInstance();
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  VXGfxTextureSet(nullptr, 0.0f, 0.0f);
  int cx = static_cast<int>(GUIData::GetInstance().cameraX);
  std::snprintf(moneyText, sizeof(moneyText), "%d", tm.money);
  VXGfxPrint(textFont, moneyText, cx + 400, 320, kFull, kFull, kFull);
  if (tm.money < TOWER_PRICE && VXInputCheckCurr(VX_KEY_B)) {
    // Anchored at the world origin, and the sound restarts every frame B is held.
    VXGfxPrint(textFont, "Not Enough Money", 0, 0, kFull, kFull, kFull);
    SoundManager* sm = SoundManager::GetInstance();
    sm->Play(sm->GetSound(SOUND_LOSE_LIFE));
  }
  if (tm.SelectTower() != 0) {
    std::snprintf(damageText, sizeof(damageText), "Damage : %d", tm.SelectTower());
    VXGfxPrint(textFont, damageText, cx - 280, -290, 0.0f, 0.0f, kFull);
  }
  static const char* const kSeasonNames[4] = {"< Spring >", "< Summer >", "< Autumn >", "< Winter >"};
  int season = SeasonState::GetInstance().currentSeason;
  if (season >= 1 && season <= 4) std::snprintf(seasonText, sizeof(seasonText), "%s", kSeasonNames[season - 1]);
  VXGfxPrint(textFont, seasonText, cx - 80, 320, kFull, kFull, kFull);
  std::snprintf(livesText, sizeof(livesText), " %d", tm.lives);
  VXGfxPrint(textFont, livesText, cx + 210, 320, kFull, kFull, kFull);
  if (wm.timeToNextWave > 0.0f) {
    std::snprintf(countdownText, sizeof(countdownText), "Time till next wave : %d",
                  static_cast<int>(wm.timeToNextWave));
    VXGfxPrint(textFont, countdownText, cx - 460, 320, kFull, kFull, kFull);
  } else {
    std::snprintf(waveText, sizeof(waveText), "Current Wave : %d", wm.currentWave + 1);
    VXGfxPrint(textFont, waveText, cx - 450, 320, kFull, kFull, kFull);
  }
}

void LevelOne::DrawPauseMenu() {
  ResourceManager* rm = ResourceManager::GetInstance();
  int px = 0, py = 0;
  VXInputGetCursorPosition(&px, &py);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxSetTransparency(0.6f);
  White();
  VXMtx33 identity;
  VXMtx33Identity(&identity);
  DrawMesh(&identity, rm->GetBackground(BG_PAUSE), rm->GetMesh(MESH_MENU));
  VXGfxSetTransparency(1.0f);
  struct Button {
    const PauseButtonRect* rect;
    float y;
    int face, hover, mesh;
  };
  // A hovered button shows its hover face, a tenth larger.
  auto drawButton = [&](const Button& b) {
    bool hot = PauseButtonHit(*b.rect, px, py);
    DrawAt(0.0f, b.y, hot ? 1.1f : 1.0f, rm->GetButton(hot ? b.hover : b.face), rm->GetMesh(b.mesh));
  };
  if (confirmQuit) {
    DrawAt(0.0f, 200.0f, 1.0f, rm->GetButton(BTN_AREYOUSURE), rm->GetMesh(MESH_BUTTONS));
    drawButton({&kPauseYes, 0.0f, BTN_YES, BTN_YES_HOVER, MESH_SWITCH_BUTTONS});
    drawButton({&kPauseNo, -120.0f, BTN_NO, BTN_NO_HOVER, MESH_SWITCH_BUTTONS});
    return;
  }
  DrawAt(0.0f, 200.0f, 1.0f, rm->GetTitle(TITLE_PAUSED), rm->GetMesh(MESH_TITLE));
  drawButton({&kPauseResume, 40.0f, BTN_RESUME, BTN_RESUME_HOVER, MESH_BUTTONS});
  drawButton({&kPauseTryAgain, -40.0f, BTN_TRYAGAIN, BTN_TRYAGAIN_HOVER, MESH_BUTTONS});
  drawButton({&kPauseReturn, -120.0f, BTN_RETURNTOMENU, BTN_RETURNTOMENU_HOVER, MESH_BUTTONS});
}
