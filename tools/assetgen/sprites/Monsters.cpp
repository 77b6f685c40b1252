// The ten monster kinds, each with its beaten "Half" picture, at 96 pixels for a 40-unit quad.
#include "MonsterKit.h"

namespace sprites {

template <void (*Draw)(cairo_t*, bool), bool Beaten>
static void Render(cairo_t* cr, int w, int h) {
  // Drawn on a 96-pixel grid; scale in case the size ever changes.
  cairo_scale(cr, w / 96.0, h / 96.0);
  Draw(cr, Beaten);
}

#define MONSTER(name, fn)                                             \
  out.push_back({"Monster/" name ".png", 96, 96, Render<fn, false>}); \
  out.push_back({"Monster/" name "Half.png", 96, 96, Render<fn, true>})

void AddMonsterPictures(std::vector<Picture>& out) {
  MONSTER("Bee", DrawBee);
  MONSTER("Butterfly", DrawButterfly);
  MONSTER("Camel", DrawCamel);
  MONSTER("Cow", DrawCow);
  MONSTER("Ice", DrawIce);
  MONSTER("Penguin", DrawPenguin);
  MONSTER("Seal", DrawSeal);
  MONSTER("Squirrel", DrawSquirrel);
  MONSTER("Tea", DrawTea);
  MONSTER("Woodpecker", DrawWoodpecker);
}

}  // namespace sprites
