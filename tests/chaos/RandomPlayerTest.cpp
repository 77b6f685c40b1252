// The random player over fresh seeds: on the shipped data at each display
// scale, and on rich and harsh data, which win and lose whole games. A
// failure prints its seed; to replay one seed:
//   ORVANE_SEED=<seed> ORVANE_DATA=<0 shipped, 1 rich, 2 harsh> ORVANE_FRAMES=<frames>
//     random_player_test --gtest_filter='*GivenSeed*'
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include "RandomPlayer.h"
#include "bot/BotInput.h"

namespace {

// Under the sanitizers, some ten times slower, a third of the frames.
#ifdef ORVANE_SANITIZE
const long kFrames = 20000;
#else
const long kFrames = 60000;
#endif

struct Seed {
  uint32_t seed;
  PlayData data;
  const char* name;
};

// The seed picks the display scale: a window, full screens of scale 2, 1.5 and 1366 x 768.
const Seed kSeeds[] = {
    {1004, DATA_SHIPPED, "Window"},
    {1001, DATA_SHIPPED, "FullScreenTwice"},
    {1006, DATA_SHIPPED, "FullScreenOneAndAHalf"},
    {1003, DATA_SHIPPED, "FullScreen1366x768"},
    {2000, DATA_RICH, "RichWindow"},
    {2005, DATA_RICH, "RichFullScreenTwice"},
    {2002, DATA_RICH, "RichFullScreenOneAndAHalf"},
    {3007, DATA_HARSH, "HarshFullScreen1366x768"},
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

RandomRun Play(uint32_t seed, PlayData data, long frames) {
  RandomRun r = RandomPlayer(seed, data).Play(frames);
  const Reach& a = r.reach;
  std::printf(
      "seed %u: %ld frames, %d levels (maps %d), %d builds, %d sales, upgrades %d to level 2 and %d to 3, "
      "%d pauses, %d restarts, %d won, %d lost, wave %d reached, %d towers at once, %d drilling monsters, "
      "%d end-screen clicks\n",
      seed, r.frames, a.levelsEntered, a.mapsPlayed, a.builds, a.sales, a.upgradesTo2, a.upgradesTo3, a.pauses,
      a.restarts, a.wins, a.losses, a.furthestWave, a.mostTowers, a.drillers, a.endScreenClicks);
  EXPECT_LT(r.brokenAt, 0) << "seed " << seed << " broke a rule at frame " << r.brokenAt << ": " << r.broken
                           << "\nreplay: ORVANE_SEED=" << seed << " ORVANE_DATA=" << data << " ORVANE_FRAMES=" << frames
                           << " random_player_test --gtest_filter='*GivenSeed*'";
  EXPECT_GE(a.levelsEntered, 1);
  return r;
}

class RandomPlayerTest : public ::testing::TestWithParam<Seed> {};

TEST_P(RandomPlayerTest, PlaysWithoutBreakingARule) {
  RandomRun r = Play(GetParam().seed, GetParam().data, kFrames);
#ifndef ORVANE_SANITIZE
  // The rich and harsh seeds are there to reach the ends of the game.
  if (GetParam().data == DATA_RICH) {
    EXPECT_GE(r.reach.wins, 1);
  } else if (GetParam().data == DATA_HARSH) {
    EXPECT_GE(r.reach.losses, 1);
  }
#endif
}

INSTANTIATE_TEST_SUITE_P(FreshSeeds, RandomPlayerTest, ::testing::ValuesIn(kSeeds),
                         [](const ::testing::TestParamInfo<Seed>& p) {
                           return "Seed" + std::to_string(p.param.seed) + p.param.name;
                         });

TEST(RandomPlayerReplay, GivenSeed) {
  const char* seed = std::getenv("ORVANE_SEED");
  if (!seed) GTEST_SKIP() << "set ORVANE_SEED (and ORVANE_DATA, ORVANE_FRAMES) to replay one seed";
  const char* data = std::getenv("ORVANE_DATA");
  const char* frames = std::getenv("ORVANE_FRAMES");
  Play(static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)),
       data ? static_cast<PlayData>(std::atoi(data)) : DATA_SHIPPED, frames ? std::atol(frames) : kFrames);
}

}  // namespace
