// The generated pictures as files: all 124 present and shaped for the meshes
// they are stretched over.
#include <gtest/gtest.h>

#include <set>

#include "ImageProbe.h"
#include "PictureTable.h"

namespace {

std::string InResources(const std::string& path) {
  return "Resources/" + path;
}

// Small field sprites are drawn at twice their mesh size or more.
TEST(PictureFiles, AllPicturesExistInTheShapeOfTheirMesh) {
  std::vector<PictureEntry> pictures = AllPictures();
  std::set<std::string> unique;
  for (const PictureEntry& p : pictures) unique.insert(p.path);
  ASSERT_EQ(124u, pictures.size());
  ASSERT_EQ(124u, unique.size());
  for (const PictureEntry& p : pictures) {
    ImageHeader h = ReadImageHeader(InResources(p.path));
    ASSERT_TRUE(h.ok) << p.path;
    double aspect = static_cast<double>(h.width) / h.height;
    double meshAspect = static_cast<double>(p.meshW) / p.meshH;
    EXPECT_NEAR(meshAspect, aspect, meshAspect * 0.02) << p.path << " is " << h.width << "x" << h.height;
    if (p.sprite) {
      EXPECT_GE(h.width, 2 * p.meshW) << p.path;
      EXPECT_GE(h.height, 2 * p.meshH) << p.path;
    }
  }
}

// Alpha where something shows through, none where nothing does: an opaque
// picture decodes a quarter faster without it.
TEST(PictureFiles, PngPicturesCarryAlphaExactlyWhenNotOpaqueAndOnlyThePathTileIsJpeg) {
  for (const PictureEntry& p : AllPictures()) {
    ImageHeader h = ReadImageHeader(InResources(p.path));
    bool jpeg = p.path == "Map/Tile.jpg";
    EXPECT_EQ(!jpeg, h.png) << p.path;
    if (!h.png) continue;
    const Pixels px = DecodeImage(InResources(p.path));
    bool opaque = true;
    for (uint32_t argb : px.argb) opaque = opaque && argb >> 24 == 0xFF;
    EXPECT_EQ(!opaque, h.alpha) << p.path;
  }
}

}  // namespace
