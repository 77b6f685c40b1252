// Wave construction and spawning.
#include "entities/Wave.h"

#include "data/MapData.h"
#include "entities/Monster.h"
#include "entities/SuperMonster.h"
#include "level/LevelOne.h"
#include "resources/ResourceManager.h"

static const float kSpawnInterval = 1.5f;
// Monster kind of each wave: Seal, Camel, Penguin, Bee, Cow, Squirrel, Butterfly, Woodpecker, Ice, Tea.
static const int kWaveTexture[10] = {MON_SEAL,     MON_CAMEL,     MON_PENGUIN,    MON_BEE, MON_COW,
                                     MON_SQUIRREL, MON_BUTTERFLY, MON_WOODPECKER, MON_ICE, MON_TEA};

Wave::Wave(bool super, int waveIndex) : monsterCount(0), spawnedCount(0), index(waveIndex) {
  std::vector<Sprite*>& sprites = LevelOne::GetInstance()->sprites;
  monsters.reserve(MONSTERS_PER_WAVE);
  for (int i = 0; i < MONSTERS_PER_WAVE; ++i) {
    Monster* m = super ? new SuperMonster() : new Monster();
    monsters.push_back(m);
    sprites.push_back(m);
  }
  timer = new Timer<Wave>(this, &Wave::SpawnMonster, kSpawnInterval);
  GetTimerList().push_back(timer);
}

Wave::~Wave() {
  for (Monster* m : monsters) delete m;
  monsters.clear();
}

void Wave::SpawnMonster() {
  Monster* m = nullptr;
  for (Monster* candidate : monsters) {
    if (candidate->dead) {
      m = candidate;
      break;
    }
  }
  if (!m) return;  // all 30 in play: the next period tries again
  MapData& map = MapData::GetInstance();
  VXVec2 entry = map.FindStartAndEnd();
  m->position = entry;
  m->stepTarget = entry;
  m->cell = map.startCell;
  ResourceManager* rm = ResourceManager::GetInstance();
  if (index >= 0 && index <= 9) m->SetTexture(rm->GetMonsterTexture(kWaveTexture[index]));
  m->SetMesh(rm->GetMesh(MESH_MONSTER));
  m->SetDead(false);
  spawnedCount += 1;
}
