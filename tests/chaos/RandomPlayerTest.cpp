// The random player over a few fresh seeds, one for each display scale, and
// the seeds that once found a fault, replayed up to just past where they
// found it. A failure prints its seed; to replay one seed:
//   ORVANE_SEED=<seed> ORVANE_FRAMES=<frames> random_player_test --gtest_filter='*GivenSeed*'
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include "RandomPlayer.h"
#include "bot/BotInput.h"

namespace {

// Four and a half minutes of play on each map; under the sanitizers, some
// ten times slower, the first map's part only.
#ifdef ORVANE_SANITIZE
const long kFrames = 16000;
#else
const long kFrames = 32000;
#endif

struct Seed {
  uint32_t seed;
  long frames;
  const char* name;
};

// Each found its fault within the given frames, the preview ones on their display scale.
const Seed kFoundFaults[] = {
    {1, 200, "a red preview that builds, at scale 2"},
    {2, 1600, "a red preview that builds, at scale 1.5"},
    {7, 600, "a red preview that builds, on 1366 x 768"},
    {36, 13600, "the upgrade of the tower just built on the selected tower's upgrade cell"},
    {32, 6300, "an upgrade request for a tower out of play"},
    {0, 700, "the interface moved by the pause menu"},
    {104, 1300, "a build paid with money spent on an upgrade"},
    {60, 1700, "a sale refused in build mode that later made grass buildable"},
    {240, 14400, "an upgrade offered after an empty click beside the tower"},
};

// Fresh seeds: a window, and full screens of scale 2, 1.5 and 1366 x 768; two of them begin on each map.
const Seed kFresh[] = {
    {1004, kFrames, "Window"},
    {1001, kFrames, "FullScreenTwice"},
    {1006, kFrames, "FullScreenOneAndAHalf"},
    {1003, kFrames, "FullScreen1366x768"},
};

void PrintTo(const Seed& s, std::ostream* out) {
  *out << "seed " << s.seed;
}

// One engine for the whole program; the last screen is freed at its end.
class Engine : public ::testing::Environment {
 public:
  void SetUp() override { BotStartEngine(); }
  void TearDown() override { BotQuitGame(); }
};
const ::testing::Environment* const kEngine = ::testing::AddGlobalTestEnvironment(new Engine);

void Play(uint32_t seed, long frames) {
  RandomRun r = RandomPlayer(seed).Play(frames);
  std::printf("seed %u: %ld frames, %d levels entered (maps played: %d), %d towers built\n", seed, r.frames,
              r.levelsEntered, r.mapsPlayed, r.towersBuilt);
  EXPECT_LT(r.brokenAt, 0) << "seed " << seed << " broke a rule at frame " << r.brokenAt << ": " << r.broken
                           << "\nreplay: ORVANE_SEED=" << seed << " ORVANE_FRAMES=" << frames
                           << " random_player_test --gtest_filter='*GivenSeed*'";
  EXPECT_GE(r.levelsEntered, 1);
}

class RandomPlayerTest : public ::testing::TestWithParam<Seed> {};

TEST_P(RandomPlayerTest, PlaysWithoutBreakingARule) {
  Play(GetParam().seed, GetParam().frames);
}

INSTANTIATE_TEST_SUITE_P(FreshSeeds, RandomPlayerTest, ::testing::ValuesIn(kFresh),
                         [](const ::testing::TestParamInfo<Seed>& p) {
                           return "Seed" + std::to_string(p.param.seed) + p.param.name;
                         });

// Every run starts afresh from the main menu at clock 0, so they can share one program.
TEST(RandomPlayerFoundFaults, SeedsThatFoundAFaultNowPlayWithoutBreakingARule) {
  for (const Seed& s : kFoundFaults) {
    SCOPED_TRACE(std::string("the seed that found ") + s.name);
    Play(s.seed, s.frames);
  }
}

TEST(RandomPlayerReplay, GivenSeed) {
  const char* seed = std::getenv("ORVANE_SEED");
  if (!seed) GTEST_SKIP() << "set ORVANE_SEED (and ORVANE_FRAMES) to replay one seed";
  const char* frames = std::getenv("ORVANE_FRAMES");
  Play(static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)), frames ? std::atol(frames) : kFrames);
}

}  // namespace
