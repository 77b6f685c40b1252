// Vexor Engine: blocks for decoding pictures, straight from the kernel.
#include "VXGfxPages.h"

#include <sys/mman.h>

#include <mutex>
#include <vector>

namespace {

// Blocks come in whole steps, so that one picture's block serves the next.
const size_t kStep = 256 * 1024;

std::mutex sMutex;
std::vector<VXGfxPages> sFree;

void Unmap(const VXGfxPages& p) {
  munmap(p.data, p.size);
}

}  // namespace

VXGfxPages VXGfxPagesTake(size_t bytes) {
  {
    std::lock_guard<std::mutex> lock(sMutex);
    // The smallest block that holds it.
    size_t best = sFree.size();
    for (size_t i = 0; i < sFree.size(); ++i) {
      if (sFree[i].size >= bytes && (best == sFree.size() || sFree[i].size < sFree[best].size)) best = i;
    }
    if (best < sFree.size()) {
      const VXGfxPages p = sFree[best];
      sFree.erase(sFree.begin() + static_cast<std::ptrdiff_t>(best));
      return p;
    }
  }
  VXGfxPages p;
  const size_t size = (bytes + kStep - 1) / kStep * kStep;
  void* data = size ? mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0) : MAP_FAILED;
  if (data == MAP_FAILED) return p;
  p.data = static_cast<unsigned char*>(data);
  p.size = size;
  return p;
}

void VXGfxPagesGive(VXGfxPages* pPages) {
  if (!pPages->data) return;
  {
    std::lock_guard<std::mutex> lock(sMutex);
    sFree.push_back(*pPages);
  }
  *pPages = VXGfxPages{};
}

void VXGfxPagesRelease(void) {
  std::vector<VXGfxPages> free;
  {
    std::lock_guard<std::mutex> lock(sMutex);
    free.swap(sFree);
  }
  for (const VXGfxPages& p : free) Unmap(p);
}
