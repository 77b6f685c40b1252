// Loads every texture and builds every quad mesh the game draws, once, in the
// first frame; a picture or mesh that cannot be made stops the program there.
#include "resources/ResourceManager.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
enum Category { CAT_BACKGROUND, CAT_TITLE, CAT_BUTTON, CAT_TILE, CAT_MONSTER, CAT_TOWER, CAT_BULLET, CAT_MISC };

struct TextureFile {
  Category category;
  int id;
  const char* path;     // under Resources/
  const char* message;  // the name a failure reports
};

// Loading order: tiles, towers, monsters, bullets, the two GUI strips,
// backgrounds, titles, buttons, then the rest of misc.
const TextureFile kTextures[] = {
    {CAT_TILE, 0, "Map/Tile.jpg", "Tile"},
    {CAT_TILE, 1, "Map/SpringGrass.png", "SpringGrass"},
    {CAT_TILE, 2, "Map/SpringRock.png", "SpringRock"},
    {CAT_TILE, 3, "Map/SummerGrass.png", "SummerGrass"},
    {CAT_TILE, 4, "Map/SummerRock.png", "SummerRock"},
    {CAT_TILE, 5, "Map/AutumnGrass.png", "AutumnGrass"},
    {CAT_TILE, 6, "Map/AutumnRock.png", "AutumnRock"},
    {CAT_TILE, 7, "Map/WinterGrass.png", "WinterGrass"},
    {CAT_TILE, 8, "Map/WinterRock.png", "WinterRock"},
    {CAT_TOWER, 0, "Tower/SpringTower.png", "SpringTower"},
    {CAT_TOWER, 1, "Tower/SpringTower2.png", "SpringTower2"},
    {CAT_TOWER, 2, "Tower/SpringTower3.png", "SpringTower3"},
    {CAT_TOWER, 3, "Tower/SummerTower.png", "SummerTower"},
    {CAT_TOWER, 4, "Tower/SummerTower2.png", "SummerTower2"},
    {CAT_TOWER, 5, "Tower/SummerTower3.png", "SummerTower3"},
    {CAT_TOWER, 6, "Tower/AutumnTower.png", "AutumnTower"},
    {CAT_TOWER, 7, "Tower/AutumnTower2.png", "AutumnTower2"},
    {CAT_TOWER, 8, "Tower/AutumnTower3.png", "AutumnTower3"},
    {CAT_TOWER, 9, "Tower/WinterTower.png", "WinterTower"},
    {CAT_TOWER, 10, "Tower/WinterTower2.png", "WinterTower2"},
    {CAT_TOWER, 11, "Tower/WinterTower3.png", "WinterTower3"},
    {CAT_MONSTER, 0, "Monster/Bee.png", "Bee"},
    {CAT_MONSTER, 1, "Monster/BeeHalf.png", "BeeHalf"},
    {CAT_MONSTER, 2, "Monster/Butterfly.png", "Butterfly"},
    {CAT_MONSTER, 3, "Monster/ButterflyHalf.png", "ButterflyHalf"},
    {CAT_MONSTER, 4, "Monster/Camel.png", "Camel"},
    {CAT_MONSTER, 5, "Monster/CamelHalf.png", "CamelHalf"},
    {CAT_MONSTER, 6, "Monster/Cow.png", "Cow"},
    {CAT_MONSTER, 7, "Monster/CowHalf.png", "CowHalf"},
    {CAT_MONSTER, 8, "Monster/Ice.png", "Ice"},
    {CAT_MONSTER, 9, "Monster/IceHalf.png", "IceHalf"},
    {CAT_MONSTER, 10, "Monster/Penguin.png", "Penguin"},
    {CAT_MONSTER, 11, "Monster/PenguinHalf.png", "PenguinHalf"},
    {CAT_MONSTER, 12, "Monster/Seal.png", "Seal"},
    {CAT_MONSTER, 13, "Monster/SealHalf.png", "SealHalf"},
    {CAT_MONSTER, 14, "Monster/Squirrel.png", "Squirrel"},
    {CAT_MONSTER, 15, "Monster/SquirrelHalf.png", "SquirrelHalf"},
    {CAT_MONSTER, 16, "Monster/Tea.png", "Tea"},
    {CAT_MONSTER, 17, "Monster/TeaHalf.png", "TeaHalf"},
    {CAT_MONSTER, 18, "Monster/Woodpecker.png", "Woodpecker"},
    {CAT_MONSTER, 19, "Monster/WoodpeckerHalf.png", "WoodpeckerHalf"},
    {CAT_BULLET, 0, "Bullet/Flower.png", "flower"},
    {CAT_BULLET, 1, "Bullet/Sunbeam.png", "sunbeam"},
    {CAT_BULLET, 2, "Bullet/Gust.png", "gust"},
    {CAT_BULLET, 3, "Bullet/Snowball.png", "snowball"},
    {CAT_MISC, 9, "GUI/BottomGUI.png", "Bottom GUI"},
    {CAT_MISC, 10, "GUI/HeaderGUI.png", "Header GUI"},
    {CAT_BACKGROUND, 0, "Background/MenuBG.png", "MenuBG"},
    {CAT_BACKGROUND, 1, "Background/WinBG.png", "WinBG"},
    {CAT_BACKGROUND, 2, "Background/LoseBG.png", "LoseBG"},
    {CAT_BACKGROUND, 3, "Background/CreditsBG.png", "CreditsBG"},
    {CAT_BACKGROUND, 4, "Background/PauseBG.png", "PauseBG"},
    {CAT_BACKGROUND, 5, "Background/SpringBG.png", "SpringBG"},
    {CAT_BACKGROUND, 6, "Background/SummerBG.png", "SummerBG"},
    {CAT_BACKGROUND, 7, "Background/AutumnBG.png", "AutumnBG"},
    {CAT_BACKGROUND, 8, "Background/WinterBG.png", "WinterBG"},
    {CAT_BACKGROUND, 9, "Background/HelpControls.png", "HelpControls"},
    {CAT_BACKGROUND, 10, "Background/HelpObjective.png", "HelpObjective"},
    {CAT_BACKGROUND, 11, "Background/WarningBG.png", "WarningBG"},
    {CAT_BACKGROUND, 12, "Background/TeamBG.png", "TeamBG"},
    {CAT_TITLE, 0, "Title/Orvane.png", "Orvane"},
    {CAT_TITLE, 1, "Title/Victory.png", "Victory"},
    {CAT_TITLE, 2, "Title/Defeat.png", "Defeat"},
    {CAT_TITLE, 3, "Title/Paused.png", "Paused"},
    {CAT_TITLE, 4, "Title/Options.png", "Options"},
    {CAT_TITLE, 5, "Title/Help.png", "Help"},
    {CAT_TITLE, 6, "Title/MapSelect.png", "MapSelect"},
    {CAT_BUTTON, 0, "Button/NewGame.png", "NewGame"},
    {CAT_BUTTON, 1, "Button/NewGameHover.png", "NewGameHover"},
    {CAT_BUTTON, 2, "Button/Help.png", "Help"},
    {CAT_BUTTON, 3, "Button/HelpHover.png", "HelpHover"},
    {CAT_BUTTON, 4, "Button/Options.png", "Options"},
    {CAT_BUTTON, 5, "Button/OptionsHover.png", "OptionsHover"},
    {CAT_BUTTON, 6, "Button/Credits.png", "Credits"},
    {CAT_BUTTON, 7, "Button/CreditsHover.png", "CreditsHover"},
    {CAT_BUTTON, 8, "Button/Exit.png", "Exit"},
    {CAT_BUTTON, 9, "Button/ExitHover.png", "ExitHover"},
    {CAT_BUTTON, 10, "Button/PlayAgain.png", "PlayAgain"},
    {CAT_BUTTON, 11, "Button/PlayAgainHover.png", "PlayAgainHover"},
    {CAT_BUTTON, 12, "Button/TryAgain.png", "TryAgain"},
    {CAT_BUTTON, 13, "Button/TryAgainHover.png", "TryAgainHover"},
    {CAT_BUTTON, 14, "Button/MapSelect.png", "MapSelect"},
    {CAT_BUTTON, 15, "Button/MapSelectHover.png", "MapSelectHover"},
    {CAT_BUTTON, 16, "Button/ReturnToMenu.png", "ReturnToMenu"},
    {CAT_BUTTON, 17, "Button/ReturnToMenuHover.png", "ReturnToMenuHover"},
    {CAT_BUTTON, 18, "Button/Resume.png", "Resume"},
    {CAT_BUTTON, 19, "Button/ResumeHover.png", "ResumeHover"},
    {CAT_BUTTON, 20, "Button/Back.png", "Back"},
    {CAT_BUTTON, 21, "Button/BackHover.png", "BackHover"},
    {CAT_BUTTON, 22, "Button/On.png", "On"},
    {CAT_BUTTON, 23, "Button/OnHover.png", "OnHover"},
    {CAT_BUTTON, 24, "Button/Off.png", "Off"},
    {CAT_BUTTON, 25, "Button/OffHover.png", "OffHover"},
    {CAT_BUTTON, 26, "Button/FullScreen.png", "FullScreen"},
    {CAT_BUTTON, 27, "Button/Sound.png", "Sound"},
    {CAT_BUTTON, 28, "Button/QuitGame.png", "QuitGame"},
    {CAT_BUTTON, 29, "Button/QuitGameHover.png", "QuitGameHover"},
    {CAT_BUTTON, 30, "Button/AreYouSure.png", "AreYouSure"},
    {CAT_BUTTON, 31, "Button/Next.png", "Next"},
    {CAT_BUTTON, 32, "Button/NextHover.png", "NextHover"},
    {CAT_BUTTON, 33, "Button/HowToPlay.png", "HowToPlay"},
    {CAT_BUTTON, 34, "Button/HowToPlayHover.png", "HowToPlayHover"},
    {CAT_BUTTON, 35, "Button/Yes.png", "Yes"},
    {CAT_BUTTON, 36, "Button/YesHover.png", "YesHover"},
    {CAT_BUTTON, 37, "Button/No.png", "No"},
    {CAT_BUTTON, 38, "Button/NoHover.png", "NoHover"},
    {CAT_MISC, 0, "Misc/GHP.png", "GHP"},
    {CAT_MISC, 1, "Misc/RHP.png", "RHP"},
    {CAT_MISC, 11, "Misc/Smoke.png", "Smoke"},
    {CAT_MISC, 4, "Misc/Upgrade1.png", "Upgrade1"},
    {CAT_MISC, 5, "Misc/Upgrade2.png", "Upgrade2"},
    {CAT_MISC, 6, "Misc/Sell1.png", "Sell1"},
    {CAT_MISC, 7, "Misc/Sell2.png", "Sell2"},
    {CAT_MISC, 8, "Misc/Sell3.png", "Sell3"},
    {CAT_MISC, 2, "Misc/GreenTile.png", "GTile"},
    {CAT_MISC, 3, "Misc/RedTile.png", "RTile"},
    {CAT_MISC, 12, "Misc/Logo.png", "Logo"},
    {CAT_MISC, 13, "Misc/PauseHelp.png", "PauseHelp"},
    {CAT_MISC, 14, "Misc/Warning.png", "Warning"},
    {CAT_MISC, 15, "Misc/Tutorial.png", "Tutorial"},
    {CAT_MISC, 16, "Misc/NormalMap.png", "NormalMap"},
    {CAT_MISC, 17, "Misc/NormalMapHover.png", "NormalMapHover"},
    {CAT_MISC, 18, "Misc/ExtremeMap.png", "ExtremeMap"},
    {CAT_MISC, 19, "Misc/ExtremeMapHover.png", "ExtremeMapHover"},
};

struct MeshShape {
  int id;
  const char* message;
  float width, height;
};

// Building order.
const MeshShape kMeshes[] = {
    {MESH_GRID, "grid", 60, 60},
    {MESH_MONSTER, "monster", 40, 40},
    {MESH_TOWER, "tower", 60, 60},
    {MESH_TOWER_RADIUS1, "TowerRadius", 240, 240},
    {MESH_TOWER_RADIUS2, "TowerRadius", 300, 300},
    {MESH_TOWER_RADIUS3, "TowerRadius", 360, 360},
    {MESH_BULLET, "bullet", 20, 20},
    {MESH_HEALTH, "health", 40, 40},
    {MESH_TOWER_UPGRADE, "TowerUpgrade", 10, 10},
    {MESH_TOWER_NAME, "TowerName", 80, 10},
    {MESH_BOTTOM_GUI, "BottomGUI", 1920, 120},
    {MESH_TOP_GUI, "TopGUI", 1920, 60},
    {MESH_PARTICLE, "Particle", 10, 10},
    {MESH_MENU, "Menu", 960, 720},
    {MESH_TITLE, "Title", 500, 200},
    {MESH_BUTTONS, "Buttons", 400, 60},
    {MESH_SWITCH_BUTTONS, "SwitchButtons", 100, 60},
    {MESH_JUMP_BUTTONS, "JumpButtons", 120, 60},
    {MESH_MENU_BUTTONS, "MenuButtons", 250, 60},
    {MESH_LOGO, "Logo", 610, 178},
    {MESH_MAP_SELECTION, "MapSelection", 230, 230},
};

// The start-up failure: the assertion lines, the message, then out with status 1
// and nothing released.
[[noreturn]] void Fail(const char* expression, int line, const std::string& message) {
  std::printf("VX_ASSERT_MESG: %s\nLine: %d\nFunc: %s\nFile: %s\n", expression, line,
              "ResourceManager::ResourceManager", "ResourceManager");
  std::printf("Mesg: %s\n", message.c_str());
  std::fflush(stdout);
  std::_Exit(1);
}

// A quad centred on the origin showing the whole image upright (v grows downwards in the image).
VXGfxVertexList* BuildQuad(float width, float height) {
  const uint32_t white = 0x00FFFFFF;
  float x = width / 2, y = height / 2;
  VXGfxMeshStart();
  VXGfxTriAdd(-x, -y, white, 0, 1, x, -y, white, 1, 1, -x, y, white, 0, 0);
  VXGfxTriAdd(x, -y, white, 1, 1, x, y, white, 1, 0, -x, y, white, 0, 0);
  return VXGfxMeshEnd();
}

std::string Path(const TextureFile& t) {
  return std::string("Resources/") + t.path;
}

VXGfxTexture* Find(std::map<int, VXGfxTexture*>& table, int id) {
  auto it = table.find(id);
  return it == table.end() ? nullptr : it->second;
}
}  // namespace

ResourceManager* ResourceManager::GetInstance() {
  static ResourceManager instance;
  return &instance;
}

ResourceManager::ResourceManager() {
  std::map<int, VXGfxTexture*>* tables[] = {&backgrounds,     &titles,        &buttons,        &tileTextures,
                                            &monsterTextures, &towerTextures, &bulletTextures, &miscTextures};
  // Decoded ahead on worker threads while each one in turn is uploaded here;
  // the first that fails still stops the program, in this order.
  for (const TextureFile& t : kTextures) VXGfxTexturePrefetch(Path(t).c_str());
  for (const TextureFile& t : kTextures) {
    VXGfxTexture* pTex_ = VXGfxTextureLoad(Path(t).c_str());
    // The loader hands back a handle even for a file it could not decode.
    if (!pTex_ || !VXGfxTextureIsValid(pTex_)) {
      Fail("pTex_", __LINE__, std::string("Failed to create ") + t.message + "!!");
    }
    (*tables[t.category])[t.id] = pTex_;
  }
  VXGfxTexturePrefetchEnd();
  for (const MeshShape& m : kMeshes) {
    VXGfxVertexList* mesh_ = BuildQuad(m.width, m.height);
    if (!mesh_) Fail("mesh_", __LINE__, std::string("Failed to create ") + m.message + " mesh!!");
    meshes[m.id] = mesh_;
  }
}

ResourceManager::~ResourceManager() {
  std::map<int, VXGfxTexture*>* tables[] = {&backgrounds,     &titles,        &buttons,        &tileTextures,
                                            &monsterTextures, &towerTextures, &bulletTextures, &miscTextures};
  for (auto* table : tables) {
    for (auto& entry : *table) VXGfxTextureUnload(entry.second);
    table->clear();
  }
  for (auto& entry : meshes) VXGfxMeshFree(entry.second);
  meshes.clear();
}

VXGfxTexture* ResourceManager::GetBackground(int id) {
  return Find(backgrounds, id);
}
VXGfxTexture* ResourceManager::GetTitle(int id) {
  return Find(titles, id);
}
VXGfxTexture* ResourceManager::GetButton(int id) {
  return Find(buttons, id);
}
VXGfxTexture* ResourceManager::GetTileTexture(int id) {
  return Find(tileTextures, id);
}
VXGfxTexture* ResourceManager::GetMonsterTexture(int id) {
  return Find(monsterTextures, id);
}
VXGfxTexture* ResourceManager::GetTowerTexture(int id) {
  return Find(towerTextures, id);
}
VXGfxTexture* ResourceManager::GetBulletTexture(int id) {
  return Find(bulletTextures, id);
}
VXGfxTexture* ResourceManager::GetMiscTexture(int id) {
  return Find(miscTextures, id);
}

VXGfxVertexList* ResourceManager::GetMesh(int id) {
  auto it = meshes.find(id);
  return it == meshes.end() ? nullptr : it->second;
}
