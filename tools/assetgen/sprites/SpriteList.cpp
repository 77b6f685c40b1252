// The sprite pictures: map tiles, monsters, towers, bullets, interface strips and markers.
#include "SpriteArt.h"

void AddSpritePictures(std::vector<Picture>& out) {
  sprites::AddMapPictures(out);
  sprites::AddTowerPictures(out);
  sprites::AddMonsterPictures(out);
  sprites::AddBulletPictures(out);
  sprites::AddInterfacePictures(out);
  sprites::AddMarkerPictures(out);
}
