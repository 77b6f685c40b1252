// orvane_assetgen OUT_DIR SOURCE_RESOURCES_DIR [--contact-sheet FILE]
// Renders every picture into OUT_DIR (PNG, or JPEG for .jpg) and writes the sounds.
// orvane_assetgen --icons DIR writes only the application icon, outside Resources/.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "AssetGen.h"
#include "ContactSheet.h"
#include "ImageFiles.h"

static std::string gSourceResourcesDir;

const std::string& SourceResourcesDir() {
  return gSourceResourcesDir;
}

static bool EndsWith(const std::string& s, const char* suffix) {
  std::string tail(suffix);
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

static cairo_surface_t* Render(const Picture& pic) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pic.width, pic.height);
  cairo_t* cr = cairo_create(surface);
  pic.draw(cr, pic.width, pic.height);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

static bool Save(cairo_surface_t* surface, const std::string& outDir, const Picture& pic) {
  std::filesystem::path path = std::filesystem::path(outDir) / pic.path;
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  if (ec) return false;
  if (EndsWith(pic.path, ".jpg")) return WriteJpeg(surface, path.string());
  return WritePng(surface, path.string());
}

static bool CheckPictures(const std::vector<Picture>& pictures) {
  std::set<std::string> seen;
  for (const Picture& pic : pictures) {
    if (pic.width <= 0 || pic.height <= 0 || !pic.draw || !seen.insert(pic.path).second) {
      std::printf("assetgen: bad or duplicate picture %s\n", pic.path.c_str());
      return false;
    }
  }
  return true;
}

// Renders and writes every picture on all cores; each picture is drawn from its
// own seeds alone, so the order of work does not change a byte.
static bool RenderAll(const std::vector<Picture>& pictures, const std::string& outDir,
                      std::vector<cairo_surface_t*>* keep) {
  std::atomic<size_t> next{0};
  std::atomic<bool> ok{true};
  if (keep) keep->assign(pictures.size(), nullptr);
  auto worker = [&]() {
    for (size_t i = next++; i < pictures.size(); i = next++) {
      cairo_surface_t* surface = Render(pictures[i]);
      if (!Save(surface, outDir, pictures[i])) {
        std::printf("assetgen: could not write %s\n", pictures[i].path.c_str());
        ok = false;
      }
      if (keep) {
        (*keep)[i] = surface;
      } else {
        cairo_surface_destroy(surface);
      }
    }
  };
  unsigned count = std::max(1u, std::min(std::thread::hardware_concurrency(), 16u));
  std::vector<std::thread> threads;
  for (unsigned t = 0; t < count; ++t) threads.emplace_back(worker);
  for (std::thread& t : threads) t.join();
  return ok;
}

int main(int argc, char** argv) {
  std::vector<std::string> positional;
  std::string sheetPath;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--contact-sheet" && i + 1 < argc) {
      sheetPath = argv[++i];
    } else if (arg == "--icons" && i + 1 < argc) {
      return WriteIcons(argv[i + 1]) ? 0 : 1;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) {
    std::printf("usage: orvane_assetgen OUT_DIR SOURCE_RESOURCES_DIR [--contact-sheet FILE]\n");
    return 2;
  }
  const std::string& outDir = positional[0];
  gSourceResourcesDir = positional[1];

  auto start = std::chrono::steady_clock::now();
  std::vector<Picture> pictures;
  AddSpritePictures(pictures);
  AddScreenPictures(pictures);
  if (!CheckPictures(pictures)) return 1;

  // Sounds and pictures share nothing, so they are made side by side.
  std::thread sounds([&outDir]() { WriteSounds(outDir); });
  std::vector<cairo_surface_t*> surfaces;
  bool ok = RenderAll(pictures, outDir, sheetPath.empty() ? nullptr : &surfaces);
  if (!sheetPath.empty()) {
    ok = WriteContactSheet(pictures, surfaces, sheetPath) && ok;
    for (cairo_surface_t* s : surfaces) cairo_surface_destroy(s);
  }
  sounds.join();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("assetgen: %zu pictures and the sounds in %.2f s\n", pictures.size(), seconds);
  cairo_debug_reset_static_data();
  return ok ? 0 : 1;
}
