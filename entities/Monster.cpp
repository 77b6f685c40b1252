// Monster walking, turning, damage, death fade, exit and health bars.
//
// At the grid's edge: a monster whose next cell would lie outside the grid
// (past the last row or first row, or off the right end of a row) leaves play
// there without costing a life, so a broken map can never index outside the
// grid or keep a wave open for ever.
#include "entities/Monster.h"

#include <cmath>

#include "data/MapData.h"
#include "entities/WaveManager.h"
#include "level/LevelOne.h"
#include "level/SeasonState.h"
#include "level/TowerManager.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "shell/GameStateManager.h"

static const float kTurnSpeed = 3.1415925f;  // radians per second: a quarter turn in 0.5 s
static const float kQuarterTurn = 1.5707963f;
static const float kBlinkPhase = 0.16f;

Monster::Monster()
    : moveAxis(0),
      maxHealth(0),
      health(0),
      baseReward(0),
      reward(0),
      blinksLeft(2),
      stepTarget{0.0f, 0.0f},
      baseVelocity{0.0f, 0.0f},
      targetRotation(0.0f),
      blinkTimer(0.0f),
      turningLeft(false),
      turningRight(false),
      hitFlash(false),
      dying(false),
      takeBranch(0),
      choice(0) {
  std::vector<Sprite*>& sprites = LevelOne::GetInstance()->sprites;
  redBar = new RedHealthBar();
  sprites.push_back(redBar);
  greenBar = new GreenHealthBar();
  sprites.push_back(greenBar);
}

Monster::~Monster() {
  delete redBar;
  delete greenBar;
  redBar = nullptr;
  greenBar = nullptr;
  texture = nullptr;
  mesh = nullptr;
}

void Monster::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) {
    ResetPlacement();
    velocity = baseVelocity;
    health = maxHealth;
    reward = baseReward;
    stepTarget = {0.0f, 0.0f};
    texture = nullptr;
    alpha = 1.0f;
    moveAxis = 0;
    blinksLeft = 2;
    targetRotation = 0.0f;
    blinkTimer = 0.0f;
    turningLeft = turningRight = hitFlash = dying = false;
    takeBranch = 0;
  } else {
    redBar->position = position;
    greenBar->position = position;
  }
  redBar->SetDead(isDead);
  greenBar->SetDead(isDead);
}

void Monster::SetTexture(VXGfxTexture* tex) {
  ResourceManager* rm = ResourceManager::GetInstance();
  texture = tex;
  greenBar->texture = rm->GetMiscTexture(MISC_GHP);
  redBar->texture = rm->GetMiscTexture(MISC_RHP);
}

void Monster::SetMesh(VXGfxVertexList* vertexList) {
  mesh = vertexList;
  VXGfxVertexList* bar = ResourceManager::GetInstance()->GetMesh(MESH_HEALTH);
  redBar->mesh = bar;
  greenBar->mesh = bar;
}

void Monster::TakeDamage(int amount) {
  health -= amount;
  SoundManager* sm = SoundManager::GetInstance();
  sm->Play(sm->GetSound(SOUND_MONSTER_DIE));
  if (health > 0) {
    hitFlash = true;
    return;
  }
  // A dying monster hit again pays again: there is no guard on purpose.
  alpha = 1.0f;
  dying = true;
  ResourceManager* rm = ResourceManager::GetInstance();
  for (int id = MON_BEE; id < MON_COUNT; id += 2) {
    if (texture == rm->GetMonsterTexture(id)) {
      SetTexture(rm->GetMonsterTexture(id + 1));
      break;
    }
  }
  TowerManager::GetInstance().AddMoney(reward);
}

void Monster::DrawChoice() {
  choice = ReseedAndDraw() % 2;
}

void Monster::EnterCell(int code) {
  if (code != 6) return;
  takeBranch = MapData::GetInstance().HasCode(7) ? choice : 1;
}

bool Monster::GoesStraight(int code) const {
  return code == 3 || ((code == 6 || code == 7) && takeBranch == 0);
}

bool Monster::TurnsRight(int code) const {
  return code == 4 || code == 6 || code == 7;
}

int Monster::ExitCost() const {
  return WaveManager::GetInstance().currentWave == 9 ? 5 : 1;
}

void Monster::Update() {
  float dt = FrameDt();
  if (dying) {
    alpha -= dt;
    redBar->alpha = alpha;
    greenBar->alpha = alpha;
    if (!(alpha > 0.0f)) SetDead(true);
    return;
  }
  DrawChoice();
  if (turningRight || turningLeft) {
    Turn(dt);
  } else {
    Walk(dt);
    if (dead) return;  // left the grid
  }
  if (cell == MapData::GetInstance().endCell) {
    SetDead(true);
    TowerManager& tm = TowerManager::GetInstance();
    // The last wave's cost of five stops at zero: the header never shows a debt of lives.
    tm.lives = tm.lives > ExitCost() ? tm.lives - ExitCost() : 0;
    if (tm.lives <= 0) GameStateManager::GetInstance().nextState = STATE_LOSE;
  }
  UpdateBars();
  UpdateHitFlash();
}

void Monster::Turn(float dt) {
  // The monster stands still while it turns.
  velocity = {0.0f, 0.0f};
  if (turningRight) {
    rotation -= dt * kTurnSpeed;
    if (targetRotation > rotation) {
      velocity = baseVelocity;
      rotation = targetRotation;
      turningRight = false;
    }
  } else {
    rotation += dt * kTurnSpeed;
    if (rotation > targetRotation) {
      velocity = baseVelocity;
      rotation = targetRotation;
      turningLeft = false;
    }
  }
}

void Monster::Walk(float dt) {
  float s = std::sin(rotation);
  if ((s < 0.0f && velocity.y > 0.0f) || (s > 0.0f && velocity.y < 0.0f)) velocity.y = -velocity.y;
  if (moveAxis == 0 && position.x < stepTarget.x + 60.0f) {
    position.x += velocity.x * dt;
    return;
  }
  if (moveAxis == 1 && ((velocity.y < 0.0f && position.y > stepTarget.y - 60.0f) ||
                        (velocity.y > 0.0f && position.y < stepTarget.y + 60.0f))) {
    position.y += velocity.y * dt;
    return;
  }
  // Reached the next cell.
  int next = cell;
  if (moveAxis == 0) {
    next = MapData::IsRowEnd(cell) ? -1 : cell + 1;
  } else if (velocity.y < 0.0f) {
    next = cell + 22;
  } else if (velocity.y > 0.0f) {
    next = cell - 22;
  }
  if (!MapData::InGrid(next)) {
    SetDead(true);
    return;
  }
  cell = next;
  int code = MapData::GetInstance().CodeAt(cell);
  EnterCell(code);
  if (GoesStraight(code)) {
    // No snap: the frame's overshoot remains.
    if (moveAxis == 0) {
      stepTarget.x += 60.0f;
    } else if (velocity.y < 0.0f) {
      stepTarget.y -= 60.0f;
    } else if (velocity.y > 0.0f) {
      stepTarget.y += 60.0f;
    }
    LookAhead();
    return;
  }
  // Any other cell switches the axis; only turn codes also turn the picture.
  if (moveAxis == 0) {
    stepTarget.x += 60.0f;
    position.x = stepTarget.x;
    moveAxis = 1;
  } else {
    stepTarget.y += velocity.y < 0.0f ? -60.0f : 60.0f;
    position.y = stepTarget.y;
    moveAxis = 0;
  }
  if (TurnsRight(code)) {
    turningRight = true;
    targetRotation = rotation - kQuarterTurn;
  } else if (code == 5) {
    turningLeft = true;
    targetRotation = rotation + kQuarterTurn;
  }
}

void Monster::UpdateBars() {
  redBar->position = {position.x, position.y + 25.0f};
  redBar->scale = {1.0f, 0.2f};
  greenBar->position = {position.x - 20.0f, position.y + 25.0f};
  int tenths = 0;
  // A maximum of 0 or less would divide by zero: the bar stays empty.
  if (health > 0 && maxHealth > 0) {
    tenths = static_cast<int>(static_cast<double>(health) / static_cast<double>(maxHealth) * 10.0);
  }
  greenBar->scale = {static_cast<float>(tenths) * 0.2f, 0.2f};
}

void Monster::UpdateHitFlash() {
  if (!hitFlash) return;
  blinkTimer += FrameDt();
  if (blinkTimer < kBlinkPhase && blinksLeft > 0) {
    alpha = 0.0f;
  } else if (blinkTimer >= kBlinkPhase && blinksLeft > 0) {
    blinkTimer = 0.0f;
    blinksLeft -= 1;
    alpha = 1.0f;
  } else {
    hitFlash = false;
    blinksLeft = 2;
    blinkTimer = 0.0f;
    alpha = 1.0f;
  }
}
