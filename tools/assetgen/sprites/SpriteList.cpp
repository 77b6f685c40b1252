// The sprite pictures: map tiles, monsters, towers, bullets, interface strips and markers.
#include "SpriteArt.h"

static void Placeholder(cairo_t* cr, int w, int h) {
  cairo_set_source_rgba(cr, 0.5, 0.6, 0.7, 1.0);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
}

void AddSpritePictures(std::vector<Picture>& out) {
  sprites::AddMapPictures(out);
  sprites::AddTowerPictures(out);
  sprites::AddMonsterPictures(out);
  out.push_back({"Bullet/Flower.png", 64, 64, Placeholder});
  out.push_back({"Bullet/Sunbeam.png", 64, 64, Placeholder});
  out.push_back({"Bullet/Gust.png", 64, 64, Placeholder});
  out.push_back({"Bullet/Snowball.png", 256, 256, Placeholder});
  out.push_back({"GUI/HeaderGUI.png", 1920, 60, Placeholder});
  out.push_back({"GUI/BottomGUI.png", 1920, 120, Placeholder});
  const char* misc[] = {"GreenTile", "RedTile", "Upgrade1", "Upgrade2", "Sell1", "Sell2", "Sell3", "Warning"};
  for (const char* m : misc) out.push_back({std::string("Misc/") + m + ".png", 120, 120, Placeholder});
  out.push_back({"Misc/GHP.png", 32, 32, Placeholder});
  out.push_back({"Misc/RHP.png", 32, 32, Placeholder});
  out.push_back({"Misc/Smoke.png", 64, 64, Placeholder});
}
