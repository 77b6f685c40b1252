// What the reader fuzzers share: no window, no pictures, no frame. Each input
// is written where its reader looks, in a scratch folder with an otherwise
// empty Resources/; the level objects the readers fill are made once, at start.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "LeadingInts.h"
#include "LevelRig.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

inline void StartReaders() {
  rig::EnterScratch("");
}

// A value out of a reader that breaks what the game relies on: a crash, so
// that libFuzzer keeps the input.
inline void Require(bool held, const char* what) {
  if (held) return;
  std::fprintf(stderr, "reader check failed: %s\n", what);
  std::abort();
}
