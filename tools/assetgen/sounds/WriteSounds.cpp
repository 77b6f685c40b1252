// Makes, levels and encodes the ten sound files, several at a time.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "AssetGen.h"
#include "sounds/OggWriter.h"
#include "sounds/Sounds.h"

namespace {

// Loudness targets in dBFS. The loops share one level (whole-file RMS). Every
// effect's loudest 100 ms sits over the music it plays over, so a kill or a
// lost life is heard through the level theme: most a little over it, the hit,
// the money notice and the click (which repeat often) just over it, the defeat
// sting (alone on its screen) a little louder. Peaks stay below -1.6 dBFS so
// encoding cannot reach -1.
const double kMusicDb = -20.0;
const double kStingDb = kMusicDb + 4.0;
const double kEffectDb = kMusicDb + 3.0;
const double kFrequentDb = kMusicDb + 1.0;
const double kPeakLimit = 0.83;

struct SoundJob {
  const char* file;
  sound::Track (*make)();
  bool mono;
  double targetDb;
  bool shortSound;
};

const SoundJob kJobs[] = {
    {"MenuBG.ogg", sound::MenuTheme, false, kMusicDb, false},
    {"LevelBG.ogg", sound::LevelTheme, false, kMusicDb, false},
    {"WinBG.ogg", sound::VictoryTheme, false, kMusicDb, false},
    {"LoseBG.ogg", sound::DefeatSting, false, kStingDb, true},
    {"Warning.ogg", sound::WarningHorn, false, kEffectDb, true},
    {"TowerBuild.ogg", sound::BuildChime, false, kEffectDb, true},
    {"SellBG.ogg", sound::CoinJingle, false, kEffectDb, true},
    {"ButtonClick.ogg", sound::ButtonClick, true, kFrequentDb, true},
    {"MonsterDie.ogg", sound::MonsterHit, true, kFrequentDb, true},
    {"LoseLife.ogg", sound::MoneyBlip, true, kFrequentDb, true},
};

}  // namespace

void WriteSounds(const std::string& outDir) {
  auto start = std::chrono::steady_clock::now();
  std::filesystem::path dir = std::filesystem::path(outDir) / "Sound";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  const size_t count = sizeof(kJobs) / sizeof(kJobs[0]);
  std::atomic<size_t> next{0};
  std::vector<int> ok(count, 0);
  auto worker = [&]() {
    for (size_t i = next++; i < count; i = next++) {
      const SoundJob& job = kJobs[i];
      sound::Track track = job.make();
      sound::Normalise(track, job.targetDb, job.shortSound, kPeakLimit);
      // A fixed serial per file keeps the bytes the same from run to run.
      int serial = 0x4F560000 + static_cast<int>(i);
      ok[i] = sound::WriteOgg((dir / job.file).string(), track, job.mono, serial, 0.4f);
    }
  };
  // The loops take longest and come first, so they start at once on their own cores.
  unsigned threads = std::max(1u, std::min(std::thread::hardware_concurrency(), 4u));
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
  for (std::thread& t : pool) t.join();
  for (size_t i = 0; i < count; ++i) {
    if (!ok[i]) std::printf("assetgen: could not write Sound/%s\n", kJobs[i].file);
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("assetgen: %zu sounds in %.2f s\n", count, seconds);
}
