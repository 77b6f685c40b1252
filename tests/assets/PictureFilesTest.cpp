// The generated pictures as files: all 124 present, decodable by the engine,
// shaped for the meshes they are stretched over, and detailed enough.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "ImageProbe.h"
#include "PictureTable.h"
#include "VXGraphics.h"
#include "VXSystem.h"

namespace {

std::string InResources(const std::string& path) {
  return "Resources/" + path;
}

TEST(PictureFiles, AllPicturesExistWithTheAspectRatioOfTheirMesh) {
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

TEST(PictureFiles, FieldSpritesAreDrawnAtTwiceTheirMeshSizeOrMore) {
  for (const PictureEntry& p : AllPictures()) {
    if (!p.sprite) continue;
    ImageHeader h = ReadImageHeader(InResources(p.path));
    EXPECT_GE(h.width, 2 * p.meshW) << p.path;
    EXPECT_GE(h.height, 2 * p.meshH) << p.path;
  }
}

TEST(PictureFiles, TheEngineLoaderDecodesEveryPictureAtItsFileSize) {
  ASSERT_EQ(1, VXSysInitHeadless(960, 720, 0));
  for (const PictureEntry& p : AllPictures()) {
    std::string path = InResources(p.path);
    VXGfxTexture* tex = VXGfxTextureLoad(path.c_str());
    ASSERT_NE(nullptr, tex) << p.path;
    EXPECT_TRUE(VXGfxTextureIsValid(tex)) << p.path;
    ImageHeader h = ReadImageHeader(path);
    EXPECT_EQ(h.width, tex->width) << p.path;
    EXPECT_EQ(h.height, tex->height) << p.path;
    VXGfxTextureUnload(tex);
  }
  VXSysExit();
}

}  // namespace
