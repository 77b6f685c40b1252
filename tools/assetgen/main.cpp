// orvane_assetgen OUT_DIR SOURCE_RESOURCES_DIR [--contact-sheet FILE]
// Renders every picture into OUT_DIR (PNG, or JPEG for .jpg) and writes the sounds.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

// jpeglib.h needs FILE declared before it.
#include <jpeglib.h>

#include "AssetGen.h"
#include "ContactSheet.h"

static std::string gSourceResourcesDir;

const std::string& SourceResourcesDir() {
  return gSourceResourcesDir;
}

static bool WriteJpeg(cairo_surface_t* surface, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  int w = cairo_image_surface_get_width(surface);
  int h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);

  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 92, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    // Cairo keeps premultiplied native-endian ARGB: premultiplied colour is the
    // colour flattened on black.
    const uint32_t* src = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      row[x * 3 + 0] = static_cast<unsigned char>((src[x] >> 16) & 0xFF);
      row[x * 3 + 1] = static_cast<unsigned char>((src[x] >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<unsigned char>(src[x] & 0xFF);
    }
    JSAMPROW rowPtr = row.data();
    jpeg_write_scanlines(&cinfo, &rowPtr, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
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
  return cairo_surface_write_to_png(surface, path.string().c_str()) == CAIRO_STATUS_SUCCESS;
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

  std::vector<cairo_surface_t*> surfaces;
  bool ok = RenderAll(pictures, outDir, sheetPath.empty() ? nullptr : &surfaces);
  if (!sheetPath.empty()) {
    ok = WriteContactSheet(pictures, surfaces, sheetPath) && ok;
    for (cairo_surface_t* s : surfaces) cairo_surface_destroy(s);
  }
  WriteSounds(outDir);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("assetgen: %zu pictures and the sounds in %.2f s\n", pictures.size(), seconds);
  cairo_debug_reset_static_data();
  return ok ? 0 : 1;
}
