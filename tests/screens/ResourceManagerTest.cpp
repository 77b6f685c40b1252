// The resource manager's tables once the first frame has loaded them.
#include "ScreenHarness.h"
#include "resources/ResourceManager.h"

using ResourceTablesTest = ScreenTest;

TEST_F(ResourceTablesTest, EveryListedPictureAndMeshIsThereAndNothingElse) {
  Enter(STATE_LOGO);  // its Draw builds the manager
  ResourceManager* res = ResourceManager::GetInstance();
  struct Table {
    VXGfxTexture* (ResourceManager::*get)(int);
    int count;
  };
  const Table tables[] = {
      {&ResourceManager::GetBackground, BG_COUNT},        {&ResourceManager::GetTitle, TITLE_COUNT},
      {&ResourceManager::GetButton, BTN_COUNT},           {&ResourceManager::GetTileTexture, TILE_COUNT},
      {&ResourceManager::GetMonsterTexture, MON_COUNT},   {&ResourceManager::GetTowerTexture, TOWER_TEXTURE_COUNT},
      {&ResourceManager::GetBulletTexture, BULLET_COUNT}, {&ResourceManager::GetMiscTexture, MISC_COUNT}};
  int textures = 0;
  for (const Table& t : tables) {
    for (int id = 0; id < t.count; ++id) {
      VXGfxTexture* tex = (res->*t.get)(id);
      ASSERT_NE(nullptr, tex) << "table " << (&t - tables) << " id " << id;
      EXPECT_TRUE(VXGfxTextureIsValid(tex));
      ++textures;
    }
    // Past the end, twice: still nothing, so the first lookup inserted nothing.
    EXPECT_EQ(nullptr, (res->*t.get)(t.count));
    EXPECT_EQ(nullptr, (res->*t.get)(t.count));
    EXPECT_EQ(nullptr, (res->*t.get)(-1));
  }
  EXPECT_EQ(124, textures);
  for (int id = 0; id <= 21; ++id) EXPECT_EQ(id != 5, res->GetMesh(id) != nullptr) << "mesh " << id;
  EXPECT_EQ(nullptr, res->GetMesh(5));
  EXPECT_EQ(nullptr, res->GetMesh(22));
}
