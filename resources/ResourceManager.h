// Owns every texture and quad mesh the game draws; all loaded in the first frame.
#pragma once
#include <map>

#include "VXGraphics.h"

// Backgrounds (Resources/Background/).
enum BackgroundId {
  BG_MENU = 0, BG_WIN, BG_LOSE, BG_CREDITS, BG_PAUSE, BG_SPRING, BG_SUMMER, BG_AUTUMN, BG_WINTER,
  BG_HELP_CONTROLS, BG_HELP_OBJECTIVE, BG_WARNING, BG_TEAM, BG_COUNT
};
// Titles (Resources/Title/).
enum TitleId { TITLE_ORVANE = 0, TITLE_VICTORY, TITLE_DEFEAT, TITLE_PAUSED, TITLE_OPTIONS, TITLE_HELP, TITLE_MAPSELECT, TITLE_COUNT };
// Button faces (Resources/Button/), each face followed by its hover face where there is one.
enum ButtonId {
  BTN_NEWGAME = 0, BTN_NEWGAME_HOVER, BTN_HELP, BTN_HELP_HOVER, BTN_OPTIONS, BTN_OPTIONS_HOVER,
  BTN_CREDITS, BTN_CREDITS_HOVER, BTN_EXIT, BTN_EXIT_HOVER, BTN_PLAYAGAIN, BTN_PLAYAGAIN_HOVER,
  BTN_TRYAGAIN, BTN_TRYAGAIN_HOVER, BTN_MAPSELECT, BTN_MAPSELECT_HOVER, BTN_RETURNTOMENU, BTN_RETURNTOMENU_HOVER,
  BTN_RESUME, BTN_RESUME_HOVER, BTN_BACK, BTN_BACK_HOVER, BTN_ON, BTN_ON_HOVER, BTN_OFF, BTN_OFF_HOVER,
  BTN_FULLSCREEN, BTN_SOUND, BTN_QUITGAME, BTN_QUITGAME_HOVER, BTN_AREYOUSURE, BTN_NEXT, BTN_NEXT_HOVER,
  BTN_HOWTOPLAY, BTN_HOWTOPLAY_HOVER, BTN_YES, BTN_YES_HOVER, BTN_NO, BTN_NO_HOVER, BTN_COUNT
};
// Map cells (Resources/Map/): the path, then grass and rock per season (grass 2s-1, rock 2s).
enum TileTextureId {
  TILE_PATH = 0, TILE_SPRING_GRASS, TILE_SPRING_ROCK, TILE_SUMMER_GRASS, TILE_SUMMER_ROCK,
  TILE_AUTUMN_GRASS, TILE_AUTUMN_ROCK, TILE_WINTER_GRASS, TILE_WINTER_ROCK, TILE_COUNT
};
// Monsters (Resources/Monster/): each kind at an even id, its beaten "Half" picture at the next.
enum MonsterTextureId {
  MON_BEE = 0, MON_BEE_HALF, MON_BUTTERFLY, MON_BUTTERFLY_HALF, MON_CAMEL, MON_CAMEL_HALF, MON_COW, MON_COW_HALF,
  MON_ICE, MON_ICE_HALF, MON_PENGUIN, MON_PENGUIN_HALF, MON_SEAL, MON_SEAL_HALF, MON_SQUIRREL, MON_SQUIRREL_HALF,
  MON_TEA, MON_TEA_HALF, MON_WOODPECKER, MON_WOODPECKER_HALF, MON_COUNT
};
// Towers (Resources/Tower/): id = 3 x (season - 1) + level - 1.
enum { TOWER_TEXTURE_COUNT = 12 };
// Bullets (Resources/Bullet/): id = season - 1.
enum BulletTextureId { BULLET_FLOWER = 0, BULLET_SUNBEAM, BULLET_GUST, BULLET_SNOWBALL, BULLET_COUNT };
// Everything else (Resources/Misc/, the two strips in Resources/GUI/).
enum MiscTextureId {
  MISC_GHP = 0, MISC_RHP, MISC_GREEN_TILE, MISC_RED_TILE, MISC_UPGRADE1, MISC_UPGRADE2, MISC_SELL1, MISC_SELL2,
  MISC_SELL3, MISC_BOTTOM_GUI, MISC_HEADER_GUI, MISC_SMOKE, MISC_LOGO, MISC_PAUSE_HELP, MISC_WARNING, MISC_TUTORIAL,
  MISC_NORMAL_MAP, MISC_NORMAL_MAP_HOVER, MISC_EXTREME_MAP, MISC_EXTREME_MAP_HOVER, MISC_COUNT
};
// Quads centred on the origin (there is no mesh 5).
enum MeshId {
  MESH_GRID = 0,            // 60 x 60
  MESH_MONSTER = 1,         // 40 x 40
  MESH_TOWER = 2,           // 60 x 60
  MESH_BULLET = 3,          // 20 x 20
  MESH_HEALTH = 4,          // 40 x 40
  MESH_TOWER_NAME = 6,      // 80 x 10
  MESH_TOWER_RADIUS1 = 7,   // 240 x 240
  MESH_TOWER_RADIUS2 = 8,   // 300 x 300
  MESH_TOWER_RADIUS3 = 9,   // 360 x 360
  MESH_TOWER_UPGRADE = 10,  // 10 x 10
  MESH_BOTTOM_GUI = 11,     // 1920 x 120
  MESH_TOP_GUI = 12,        // 1920 x 60
  MESH_PARTICLE = 13,       // 10 x 10
  MESH_MENU = 14,           // 960 x 720
  MESH_TITLE = 15,          // 500 x 200
  MESH_BUTTONS = 16,        // 400 x 60
  MESH_MENU_BUTTONS = 17,   // 250 x 60
  MESH_SWITCH_BUTTONS = 18, // 100 x 60
  MESH_JUMP_BUTTONS = 19,   // 120 x 60
  MESH_LOGO = 20,           // 610 x 178
  MESH_MAP_SELECTION = 21,  // 230 x 230
};

class ResourceManager {
 public:
  static ResourceManager* GetInstance();

  // Each returns null for an id its table does not hold; nothing is ever inserted.
  VXGfxTexture* GetBackground(int id);
  VXGfxTexture* GetTitle(int id);
  VXGfxTexture* GetButton(int id);
  VXGfxTexture* GetTileTexture(int id);
  VXGfxTexture* GetMonsterTexture(int id);
  VXGfxTexture* GetTowerTexture(int id);
  VXGfxTexture* GetBulletTexture(int id);
  VXGfxTexture* GetMiscTexture(int id);
  VXGfxVertexList* GetMesh(int id);

 private:
  ResourceManager();
  ~ResourceManager();

  std::map<int, VXGfxTexture*> backgrounds;
  std::map<int, VXGfxTexture*> titles;
  std::map<int, VXGfxTexture*> buttons;
  std::map<int, VXGfxTexture*> tileTextures;
  std::map<int, VXGfxTexture*> monsterTextures;
  std::map<int, VXGfxTexture*> towerTextures;
  std::map<int, VXGfxTexture*> bulletTextures;
  std::map<int, VXGfxTexture*> miscTextures;
  std::map<int, VXGfxVertexList*> meshes;
};
