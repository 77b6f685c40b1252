// Vexor Engine: image files decoded by SDL_image into pixels GL takes as they
// are (no second copy), the renderer's notes on them, and decoding ahead on
// worker threads while the main thread uploads.
#include "VXGfxPicture.h"

#include <SDL.h>
#include <SDL_image.h>

#include "VXGfxPng.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <climits>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

const int kMaxRegions = 4;
// Past this many separate blots a picture is noted by its bounds alone.
const int kMaxBlots = 256;

struct Region {
  int x0, y0, x1, y1;  // ends excluded
};

long AreaOf(const Region& r) {
  return static_cast<long>(r.x1 - r.x0) * (r.y1 - r.y0);
}

Region Join(const Region& a, const Region& b) {
  return Region{std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

// Overlapping or touching.
bool Touch(const Region& a, const Region& b) {
  return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

// Groups of neighbouring cells that hold visible texels, each with the exact
// bounds of its texels.
std::vector<Region> Blots(const std::vector<Region>& cells, int gw, int gh) {
  std::vector<Region> blots;
  std::vector<char> seen(cells.size(), 0);
  std::vector<int> stack;
  for (size_t start = 0; start < cells.size(); ++start) {
    if (seen[start] || cells[start].x1 == 0) continue;
    Region blot = cells[start];
    seen[start] = 1;
    stack.assign(1, static_cast<int>(start));
    while (!stack.empty()) {
      const int c = stack.back();
      stack.pop_back();
      blot = Join(blot, cells[static_cast<size_t>(c)]);
      const int cx = c % gw, cy = c / gw;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = cx + dx, ny = cy + dy;
          if (nx < 0 || ny < 0 || nx >= gw || ny >= gh) continue;
          const size_t n = static_cast<size_t>(ny * gw + nx);
          if (seen[n] || cells[n].x1 == 0) continue;
          seen[n] = 1;
          stack.push_back(static_cast<int>(n));
        }
    }
    blots.push_back(blot);
    if (static_cast<int>(blots.size()) > kMaxBlots) {
      // Too many to tell apart: one rectangle around every cell.
      Region all = blot;
      for (const Region& c : cells) all = c.x1 == 0 ? all : Join(all, c);
      return std::vector<Region>(1, all);
    }
  }
  return blots;
}

// Few rectangles that hold every blot and do not touch one another.
void Gather(std::vector<Region>* regions) {
  std::vector<Region>& r = *regions;
  for (bool merged = true; merged;) {
    merged = false;
    for (size_t i = 0; i < r.size() && !merged; ++i)
      for (size_t j = i + 1; j < r.size() && !merged; ++j) {
        if (!Touch(r[i], r[j])) continue;
        r[i] = Join(r[i], r[j]);
        r.erase(r.begin() + static_cast<std::ptrdiff_t>(j));
        merged = true;
      }
  }
  // Too many: join the pair that grows least, until few are left.
  while (static_cast<int>(r.size()) > kMaxRegions) {
    size_t bi = 0, bj = 1;
    long best = -1;
    for (size_t i = 0; i < r.size(); ++i)
      for (size_t j = i + 1; j < r.size(); ++j) {
        const long growth = AreaOf(Join(r[i], r[j])) - AreaOf(r[i]) - AreaOf(r[j]);
        if (best < 0 || growth < best) {
          best = growth;
          bi = i;
          bj = j;
        }
      }
    r[bi] = Join(r[bi], r[bj]);
    r.erase(r.begin() + static_cast<std::ptrdiff_t>(bj));
    Gather(regions);  // a joined pair may now touch a third
  }
}

// Where a surface's pixels can go to GL as they are; false when they cannot.
bool Layout(const SDL_Surface* s, GLenum* format, int* alignment, int* rowLength) {
  int bytes = 4;
  switch (s->format->format) {
    case SDL_PIXELFORMAT_RGBA32:
      *format = GL_RGBA;
      break;
    case SDL_PIXELFORMAT_BGRA32:
      *format = GL_BGRA;
      break;
    case SDL_PIXELFORMAT_RGB24:
      *format = GL_RGB;
      bytes = 3;
      break;
    case SDL_PIXELFORMAT_BGR24:
      *format = GL_BGR;
      bytes = 3;
      break;
    default:
      return false;
  }
  const int tight = s->w * bytes;
  *alignment = 1;
  *rowLength = 0;
  if (s->pitch == tight) return true;
  if (s->pitch == (tight + 3) / 4 * 4) {
    *alignment = 4;
    return true;
  }
  if (s->pitch % bytes != 0) return false;
  *rowLength = s->pitch / bytes;
  return true;
}

// ---- Decoding ----
// The whole file in a block of pages; empty when it cannot be read.
VXGfxPages ReadFile(const char* name, size_t* size) {
  VXGfxPages bytes;
  FILE* f = fopen(name, "rb");
  if (!f) return bytes;
  const long end = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
  if (end > 0 && end < INT_MAX && fseek(f, 0, SEEK_SET) == 0) {
    *size = static_cast<size_t>(end);
    bytes = VXGfxPagesTake(*size);
    if (bytes.data && fread(bytes.data, 1, *size, f) != *size) VXGfxPagesGive(&bytes);
  }
  fclose(f);
  return bytes;
}

// The general decoder's hint for formats that do not name themselves.
const char* Extension(const char* name) {
  const char* dot = strrchr(name, '.');
  return dot && !strchr(dot, '/') ? dot + 1 : nullptr;
}

// The studio's PNG files by the quick decoder, into pages of ours; anything
// else by the general one. Opaque when the file has no alpha.
SDL_Surface* Decode(const char* name, const unsigned char* bytes, size_t size, VXGfxPages* pages, bool* opaque) {
  int w = 0, h = 0;
  if (VXGfxPngDecode(bytes, size, pages, &w, &h, opaque)) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(pages->data, w, h, 32, 4 * w, SDL_PIXELFORMAT_RGBA32);
    if (s) return s;
    VXGfxPagesGive(pages);
  }
  *opaque = false;
  return IMG_LoadTyped_RW(SDL_RWFromConstMem(bytes, static_cast<int>(size)), 1, Extension(name));
}

// ---- Decoding ahead ----
struct Job {
  std::string name;
  VXGfxPicture picture;
  bool done;
};

std::vector<Job> sJobs;
std::vector<std::thread> sWorkers;
std::mutex sMutex;
std::condition_variable sDecoded, sRoom;
size_t sNextJob = 0;  // the next one a worker takes
size_t sTaken = 0;    // the next one the main thread takes
bool sStopping = false;

bool Loading() {
  std::lock_guard<std::mutex> lock(sMutex);
  return !sJobs.empty();
}

size_t Lookahead() {
  return 2 * sWorkers.size() + 2;
}

// Not too far ahead of the uploads: decoded pictures wait in memory.
bool RoomForMore() {
  return sNextJob < sJobs.size() && sNextJob < sTaken + Lookahead();
}

// Decodes the next job in the list; the lock is held on entry and on return.
void DecodeNext(std::unique_lock<std::mutex>& lock) {
  Job& job = sJobs[sNextJob++];
  lock.unlock();
  VXGfxPicture picture = VXGfxPictureDecode(job.name.c_str());
  lock.lock();
  job.picture = picture;
  job.done = true;
  sDecoded.notify_all();
}

void Work() {
  std::unique_lock<std::mutex> lock(sMutex);
  for (;;) {
    sRoom.wait(lock, [] { return sStopping || sNextJob >= sJobs.size() || RoomForMore(); });
    if (sStopping || sNextJob >= sJobs.size()) return;
    DecodeNext(lock);
  }
}

void StartWorkers() {
  // The decoders set themselves up once, here rather than in two threads at once.
  IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
  // The main thread decodes too, between its uploads.
  const unsigned cores = std::thread::hardware_concurrency();
  const unsigned n = std::max(1u, std::min(cores > 1 ? cores - 1 : 1u, 3u));
  for (unsigned i = 0; i < n; ++i) sWorkers.emplace_back(Work);
}

}  // namespace

void VXGfxPictureNote(const unsigned char* pPixels, int width, int height, int pitch, VXGfxPictureNotes* pNotes) {
  VXGfxPictureNotes notes = {};
  if (width <= 0 || height <= 0) {
    *pNotes = notes;
    return;
  }
  const int cell = std::max(8, (std::max(width, height) + 63) / 64);
  const int gw = (width + cell - 1) / cell, gh = (height + cell - 1) / cell;
  std::vector<Region> cells(static_cast<size_t>(gw) * gh, Region{0, 0, 0, 0});
  unsigned all = 0xFF;
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = pPixels + static_cast<ptrdiff_t>(y) * pitch + 3;
    for (int cx = 0; cx < gw; ++cx) {
      const int x0 = cx * cell, x1 = std::min(width, x0 + cell);
      int first = -1, last = -1;
      for (int x = x0; x < x1; ++x) {
        const unsigned a = row[4 * x];
        all &= a;
        if (a != 0) {
          if (first < 0) first = x;
          last = x;
        }
      }
      if (first < 0) continue;
      Region& c = cells[static_cast<size_t>((y / cell) * gw + cx)];
      const Region texels = {first, y, last + 1, y + 1};
      c = c.x1 == 0 ? texels : Join(c, texels);
    }
  }
  notes.opaque = all == 0xFF ? 1 : 0;
  std::vector<Region> regions = Blots(cells, gw, gh);
  if (!regions.empty()) Gather(&regions);
  notes.regions = static_cast<int>(regions.size());
  for (int i = 0; i < notes.regions; ++i) {
    const Region& r = regions[static_cast<size_t>(i)];
    notes.region[i][0] = r.x0;
    notes.region[i][1] = r.y0;
    notes.region[i][2] = r.x1;
    notes.region[i][3] = r.y1;
  }
  *pNotes = notes;
}

VXGfxPicture VXGfxPictureDecode(const char* pFileName) {
  VXGfxPicture picture = {};
  size_t size = 0;
  VXGfxPages bytes = ReadFile(pFileName, &size);
  if (!bytes.data) return picture;
  bool opaque = false;
  SDL_Surface* decoded = Decode(pFileName, bytes.data, size, &picture.pages, &opaque);
  VXGfxPagesGive(&bytes);
  if (!decoded) return picture;
  if (!Layout(decoded, &picture.format, &picture.alignment, &picture.rowLength)) {
    // Palettes and other layouts: the one case that needs a converted copy.
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(decoded);
    decoded = rgba;
    if (!decoded || !Layout(decoded, &picture.format, &picture.alignment, &picture.rowLength)) {
      if (decoded) SDL_FreeSurface(decoded);
      return picture;
    }
  }
  picture.surface = decoded;
  SDL_LockSurface(decoded);
  if (opaque || picture.format == GL_RGB || picture.format == GL_BGR) {
    picture.notes = VXGfxPictureNotes{1, 0, 1, {{0, 0, decoded->w, decoded->h}}};
  } else {
    VXGfxPictureNote(static_cast<const unsigned char*>(decoded->pixels), decoded->w, decoded->h, decoded->pitch,
                     &picture.notes);
  }
  SDL_UnlockSurface(decoded);
  return picture;
}

void VXGfxPictureFree(VXGfxPicture* pPicture) {
  if (pPicture->surface) SDL_FreeSurface(pPicture->surface);
  pPicture->surface = nullptr;
  VXGfxPagesGive(&pPicture->pages);
  // Outside a loading, nothing is kept for the next picture.
  if (!Loading()) VXGfxPagesRelease();
}

void VXGfxTexturePrefetch(const char* pFileName) {
  std::lock_guard<std::mutex> lock(sMutex);
  // Once the workers run, the list stays as it is.
  if (!pFileName || !sWorkers.empty()) return;
  sJobs.push_back(Job{pFileName, VXGfxPicture{}, false});
}

bool VXGfxPictureTakeAhead(const char* pFileName, VXGfxPicture* pOut) {
  {
    std::lock_guard<std::mutex> lock(sMutex);
    if (sTaken >= sJobs.size() || sJobs[sTaken].name != pFileName) return false;
  }
  if (sWorkers.empty()) StartWorkers();
  std::unique_lock<std::mutex> lock(sMutex);
  Job& job = sJobs[sTaken];
  // Uploading takes little of the main thread: rather than wait, it decodes too.
  while (!job.done) {
    if (RoomForMore()) {
      DecodeNext(lock);
    } else {
      sDecoded.wait(lock);
    }
  }
  *pOut = job.picture;
  job.picture.surface = nullptr;
  ++sTaken;
  sRoom.notify_all();
  return true;
}

void VXGfxTexturePrefetchEnd(void) {
  {
    std::lock_guard<std::mutex> lock(sMutex);
    sStopping = true;
  }
  sRoom.notify_all();
  for (std::thread& t : sWorkers) t.join();
  for (Job& job : sJobs) VXGfxPictureFree(&job.picture);
  sWorkers.clear();
  sJobs.clear();
  sJobs.shrink_to_fit();
  sNextJob = sTaken = 0;
  sStopping = false;
  VXGfxPagesRelease();
#if defined(__GLIBC__)
  // The decoders' buffers went back to the allocator; hand its free pages back too.
  malloc_trim(0);
#endif
}
