// Replaces the global operator new and delete of the test program; see
// AllocationCounter.h.
#include "AllocationCounter.h"

#include <execinfo.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> sArmed(false);
pthread_t sGameThread;
long sAllocations = 0;
long sFrees = 0;
bool sTrace = false;
thread_local bool tInHook = false;

// Only the game thread counts: the sound library mixes on a thread of its own.
bool Counting() {
  return sArmed.load(std::memory_order_relaxed) && pthread_equal(pthread_self(), sGameThread) && !tInHook;
}

void Trace(std::size_t size) {
  tInHook = true;
  char line[64];
  int n = std::snprintf(line, sizeof line, "allocation of %zu bytes:\n", size);
  if (write(STDERR_FILENO, line, static_cast<size_t>(n)) < 0) return;
  void* frames[24];
  int depth = backtrace(frames, 24);
  backtrace_symbols_fd(frames, depth, STDERR_FILENO);
  tInHook = false;
}

void* Allocate(std::size_t size, std::size_t alignment) {
  if (Counting()) {
    ++sAllocations;
    if (sTrace) Trace(size);
  }
  if (size == 0) size = 1;
  void* p = alignment > alignof(std::max_align_t)
                ? std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment)
                : std::malloc(size);
  return p;
}

void Release(void* p) {
  if (!p) return;
  if (Counting()) ++sFrees;
  std::free(p);
}
}  // namespace

void AllocationCounterArm() {
  const char* trace = std::getenv("ORVANE_ALLOC_TRACE");
  sTrace = trace && trace[0] == '1';
  sGameThread = pthread_self();
  sAllocations = sFrees = 0;
  sArmed = true;
}

AllocationCount AllocationCounterDisarm() {
  sArmed = false;
  return {sAllocations, sFrees};
}

void* operator new(std::size_t size) {
  void* p = Allocate(size, 0);
  if (!p) throw std::bad_alloc();
  return p;
}

void* operator new[](std::size_t size) {
  void* p = Allocate(size, 0);
  if (!p) throw std::bad_alloc();
  return p;
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size, 0);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size, 0);
}

void* operator new(std::size_t size, std::align_val_t a) {
  void* p = Allocate(size, static_cast<std::size_t>(a));
  if (!p) throw std::bad_alloc();
  return p;
}

void* operator new[](std::size_t size, std::align_val_t a) {
  void* p = Allocate(size, static_cast<std::size_t>(a));
  if (!p) throw std::bad_alloc();
  return p;
}

void operator delete(void* p) noexcept {
  Release(p);
}

void operator delete[](void* p) noexcept {
  Release(p);
}

void operator delete(void* p, std::size_t) noexcept {
  Release(p);
}

void operator delete[](void* p, std::size_t) noexcept {
  Release(p);
}

void operator delete(void* p, std::align_val_t) noexcept {
  Release(p);
}

void operator delete[](void* p, std::align_val_t) noexcept {
  Release(p);
}

void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  Release(p);
}

void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  Release(p);
}
