// The cost of whole games on the headless engine: the bot plays each map to
// its end and every pass of the frame loop is timed (the game's logic and its
// drawing code, with the engine drawing nothing).
#include <cstdio>

#include "FrameStats.h"
#include "shell/FrameLoop.h"
#include "tests/bot/Bot.h"
#include "tests/bot/BotInput.h"

namespace {
FrameStats* sFrames = nullptr;

void TimedFrame() {
  double t0 = BenchNow();
  FrameLoopRunFrame();
  sFrames->Add(BenchNow() - t0);
}
}  // namespace

int main() {
  BotStartEngine();
  BotSetFrameRunner(TimedFrame);
  for (int map = 0; map < 2; ++map) {
    FrameStats frames("frame (headless)", 60 * 1200);
    sFrames = &frames;
    BotEnterLevelFromMenu(map);
    // The menu frames before the level are not part of the game.
    frames = FrameStats("frame (headless)", 60 * 1200);
    double start = BenchNow();
    Bot bot({30, true});
    BotResult r = bot.Play(1800.0);
    double wall = BenchNow() - start;
    std::printf("Map %d: %s after %.0f s of game time at wave %d (%d towers built, %d upgrades, %d lives left)\n",
                map + 1, r.state == 5 ? "won" : "ended", r.seconds, r.wave + 1, r.towersBuilt, r.upgradesBought,
                r.lives);
    std::printf("  whole game %.2f s of real time (%.0f times faster than play), frames alone %.2f s\n", wall,
                r.seconds / wall, frames.Total());
    frames.Print();
  }
  BotSetFrameRunner(nullptr);
  return 0;
}
