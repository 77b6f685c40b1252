// Build-bar layout and hit test.
#include "data/GUIData.h"

#include <cstdio>
#include <string>

#include "VXGraphics.h"
#include "VXInput.h"
#include "data/DataFile.h"
#include "data/MapData.h"
#include "entities/SimpleSprites.h"
#include "entities/Tower.h"
#include "level/TowerManager.h"
#include "resources/ResourceManager.h"

GUIData& GUIData::GetInstance() {
  static GUIData instance;
  return instance;
}

GUIData::GUIData()
    : levelPips{nullptr, nullptr, nullptr},
      tileCount(8),
      layout(nullptr),
      originX(-510.0f),
      originY(-270.0f),
      cameraX(0.0f) {}

GUIData::~GUIData() {
  Release();
}

void GUIData::CreateTiles() {
  layout = new int[tileCount]();
  for (GUITile*& pip : levelPips) pip = new GUITile();
  guiTiles.reserve(tileCount);
  for (unsigned i = 0; i < tileCount; ++i) guiTiles.push_back(new GUITile());
}

void GUIData::Release() {
  for (GUITile* t : guiTiles) delete t;
  guiTiles.clear();
  for (GUITile*& pip : levelPips) {
    delete pip;
    pip = nullptr;
  }
  delete[] layout;
  layout = nullptr;
}

void GUIData::ResetGeometry() {
  tileCount = 8;
  originX = -510.0f;
  originY = -270.0f;
  cameraX = 0.0f;
}

static const char* kLayoutFile = "Resources/GUI.txt";

void GUIData::LoadLayoutFile() {
  std::string text;
  bool read = DataFileRead(kLayoutFile, &text);
  if (!layout) return;
  int lines[8] = {};  // where each entry was read; 0 when it was not
  DataScanner scan(text);
  for (unsigned i = 0; read && i < tileCount && i < 8; ++i) {
    int value = 0;
    DataScanner::Result r = scan.Int(&value);
    if (r == DataScanner::END) break;
    if (r == DataScanner::BAD) {
      std::printf("%s line %d: \"%s\" is not a whole number; entries %u to %u keep their values.\n", kLayoutFile,
                  scan.Line(), scan.Token().c_str(), i + 1, tileCount);
      break;
    }
    layout[i] = value;
    lines[i] = scan.Line();
  }
  HoldButtons(lines);
}

// Clicks build by where they fall, whatever the layout says, so every one of
// the four buttons must show its own tower: an entry outside 1 to 4, or one
// that repeats an earlier button's type, is held to the first type not shown.
void GUIData::HoldButtons(const int* lines) {
  bool shown[6] = {};
  bool held[8] = {};
  // The buttons are the entries between the two strips and the preview.
  const unsigned first = 2, end = tileCount < 6 ? first : (tileCount - 2 < 6 ? tileCount - 2 : 6);
  for (unsigned i = first; i < end; ++i) {
    int v = layout[i];
    held[i] = v < 1 || v > 4 || shown[v];
    if (!held[i]) shown[v] = true;
  }
  for (unsigned i = first; i < end; ++i) {
    if (!held[i]) continue;
    int type = 1;
    while (shown[type]) ++type;
    shown[type] = true;
    if (lines[i] > 0) {
      std::printf("%s line %d: build-bar entry %u value %d held to %d.\n", kLayoutFile, lines[i], i + 1, layout[i],
                  type);
    } else {
      std::printf("%s: build-bar entry %u value %d held to %d.\n", kLayoutFile, i + 1, layout[i], type);
    }
    layout[i] = type;
  }
}

int GUIData::HitTest() const {
  int px = 0, py = 0;
  VXInputGetCursorPosition(&px, &py);
  if (py < 621 || py > 689) return 0;
  // Four buttons, each 69 pixels wide, 110 apart.
  for (int type = 1; type <= 4; ++type) {
    int left = 461 + 110 * (type - 1);
    if (px >= left && px <= left + 68) return type;
  }
  return 0;
}

void GUIData::PlacePreview(GUITile* tile) {
  TowerManager& tm = TowerManager::GetInstance();
  // Drawn on the very cell a click would act on, over the field only.
  int cell = TowerManager::CellUnderCursor(cameraX);
  if (!tm.placing || !MapData::InField(cell)) {
    tile->SetDead(true);
    return;
  }
  tile->position = MapData::CellCentre(cell % GRID_COLUMNS, cell / GRID_COLUMNS);
  ResourceManager* rm = ResourceManager::GetInstance();
  tile->texture = rm->GetMiscTexture(tm.CanBuildAt(cell) ? MISC_GREEN_TILE : MISC_RED_TILE);
  tile->mesh = rm->GetMesh(MESH_GRID);
}

bool GUIData::PlaceSelectionPanel(GUITile* tile) {
  TowerManager& tm = TowerManager::GetInstance();
  tm.SelectTower();  // also carries out a pending upgrade
  Tower* t = tm.FindTowerOn(tm.selectedCell);
  if (!t) {
    tile->SetDead(true);
    for (GUITile* pip : levelPips) pip->SetDead(true);
    return false;
  }
  ResourceManager* rm = ResourceManager::GetInstance();
  tile->position = {originX + 165.0f + cameraX, originY - 20.0f};
  for (int j = 0; j < 3; ++j) {
    GUITile* pip = levelPips[j];
    pip->SetDead(false);
    pip->position = {originX + 150.0f + cameraX + 15.0f * static_cast<float>(j), originY - 65.0f};
    if (t->type >= 1 && t->type <= 4) pip->texture = rm->GetBulletTexture(t->type - 1);
    pip->mesh = rm->GetMesh(MESH_TOWER_UPGRADE);
  }
  if (t->type >= 1 && t->type <= 4 && t->level >= 1 && t->level <= 3) {
    tile->texture = rm->GetTowerTexture(3 * (t->type - 1) + t->level - 1);
  }
  tile->mesh = rm->GetMesh(MESH_GRID);
  return true;
}

bool GUIData::PlaceButton(GUITile* tile, int value) {
  static const float kButtonX[4] = {20.0f, 135.0f, 245.0f, 350.0f};
  if (value < 1 || value > 4) return false;
  ResourceManager* rm = ResourceManager::GetInstance();
  tile->position = {cameraX + kButtonX[value - 1], -300.0f};
  tile->texture = rm->GetTowerTexture(3 * (value - 1));
  tile->mesh = rm->GetMesh(MESH_GRID);
  return true;
}

void GUIData::FollowCamera() {
  float shift = gVXCamPosX - cameraX;
  cameraX = gVXCamPosX;
  for (GUITile* t : guiTiles) t->position.x += shift;
  for (GUITile* pip : levelPips) {
    if (pip) pip->position.x += shift;
  }
}

void GUIData::UpdateLayout() {
  if (!layout || guiTiles.size() < tileCount) return;
  ResourceManager* rm = ResourceManager::GetInstance();
  cameraX = gVXCamPosX;
  for (unsigned i = 0; i < tileCount; ++i) {
    GUITile* tile = guiTiles[i];
    tile->SetDead(false);
    tile->type = static_cast<int>(i);
    if (i == 0) {
      tile->position = {originX + cameraX + 30.0f, 60.0f - originY};
      tile->texture = rm->GetMiscTexture(MISC_HEADER_GUI);
      tile->mesh = rm->GetMesh(MESH_TOP_GUI);
      continue;
    }
    if (i == 1) {
      tile->position = {originX + cameraX + 30.0f, originY - 30.0f};
      tile->texture = rm->GetMiscTexture(MISC_BOTTOM_GUI);
      tile->mesh = rm->GetMesh(MESH_BOTTOM_GUI);
      continue;
    }
    if (i == tileCount - 2) {
      PlacePreview(tile);
      continue;
    }
    if (i == tileCount - 1 && PlaceSelectionPanel(tile)) continue;
    // A value outside 1..4 ends the pass: the tiles after it stay as they were.
    if (!PlaceButton(tile, layout[i])) return;
  }
}
