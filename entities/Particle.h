// A plain pooled particle record shared by the towers' smoke and the
// level-wide seasonal particles.
#pragma once
#include <vector>

#include "VXGraphics.h"
#include "VXMath.h"

struct Particle {
  VXGfxTexture* texture;
  VXGfxVertexList* mesh;
  VXVec2 position;
  VXVec2 velocity;
  float lifetime;
  float age;
  float alpha, alphaFrom, alphaTo;
  float grey, greyFrom, greyTo;
  float size, sizeFrom, sizeTo;
  bool dead;
  VXMtx33 transform;
};

Particle* NewParticle();
// The first dead particle of the pool, in pool order; nullptr when all are alive.
Particle* FirstDeadParticle(const std::vector<Particle*>& pool);
// Every field from texture to sizeTo back to zero, dead; transform stays.
void ResetParticle(Particle* p);
// Ages, interpolates, moves and places one living particle; kills it at the end of its life.
void UpdateParticle(Particle* p, float dt);
// Draws one living particle with its alpha and grey tint; alphaScale dims it.
void DrawParticle(const Particle* p, float alphaScale);
