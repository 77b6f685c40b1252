// Checks the ten generated sound files the game plays: present, decodable,
// the right length for how they are played, unclipped and evenly levelled.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct ExpectedSound {
  const char* file;
  double minSeconds, maxSeconds;
};

// Loops 20-60 s, the defeat sting 2-5 s; the hit and the money notice play
// constantly, so they must stay very short.
const ExpectedSound kSounds[] = {
    {"MenuBG.ogg", 20.0, 60.0},   {"LevelBG.ogg", 20.0, 60.0},    {"WinBG.ogg", 20.0, 60.0},
    {"LoseBG.ogg", 2.0, 5.0},     {"Warning.ogg", 1.0, 2.0},      {"TowerBuild.ogg", 0.1, 2.0},
    {"SellBG.ogg", 0.1, 2.0},     {"ButtonClick.ogg", 0.02, 0.3}, {"MonsterDie.ogg", 0.02, 0.25},
    {"LoseLife.ogg", 0.02, 0.15},
};

// Failure messages name the file rather than dumping the struct's bytes.
void PrintTo(const ExpectedSound& sound, std::ostream* os) {
  *os << sound.file;
}

struct Decoded {
  bool opened = false;
  bool complete = false;
  long rate = 0;
  int channels = 0;
  std::vector<float> samples;  // interleaved
  double Seconds() const { return channels ? samples.size() / static_cast<double>(channels) / rate : 0.0; }
};

Decoded Decode(const std::string& file) {
  Decoded out;
  std::string path = "Resources/Sound/" + file;
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) return out;
  out.opened = true;
  vorbis_info* info = ov_info(&vf, -1);
  out.rate = info->rate;
  out.channels = info->channels;
  float** pcm = nullptr;
  int section = 0;
  long n;
  while ((n = ov_read_float(&vf, &pcm, 4096, &section)) > 0) {
    for (long i = 0; i < n; ++i) {
      for (int c = 0; c < out.channels; ++c) out.samples.push_back(pcm[c][i]);
    }
  }
  out.complete = n == 0;
  ov_clear(&vf);
  return out;
}

double Peak(const Decoded& d) {
  double peak = 0.0;
  for (float s : d.samples) peak = std::max(peak, static_cast<double>(std::fabs(s)));
  return peak;
}

double Rms(const Decoded& d) {
  double sum = 0.0;
  for (float s : d.samples) sum += s * s;
  return d.samples.empty() ? 0.0 : std::sqrt(sum / d.samples.size());
}

// Levels in 100 ms windows, about the span over which the ear sums loudness:
// the power of every channel averaged, as the speakers play it (a mono effect
// plays on both). A sound shorter than a window counts the silence after it.
std::vector<double> FramePower(const Decoded& d) {
  std::vector<double> power(d.samples.size() / d.channels, 0.0);
  for (size_t i = 0; i < d.samples.size(); ++i) power[i / d.channels] += d.samples[i] * d.samples[i];
  for (double& p : power) p /= d.channels;
  return power;
}

size_t WindowFrames(const Decoded& d) {
  return static_cast<size_t>(d.rate / 10);
}

// How loud a sound is while it sounds: its loudest 100 ms.
double LoudestWindowRms(const Decoded& d) {
  std::vector<double> power = FramePower(d);
  const size_t window = WindowFrames(d);
  double sum = 0.0, best = 0.0;
  for (size_t i = 0; i < power.size(); ++i) {
    sum += power[i];
    if (i >= window) sum -= power[i - window];
    best = std::max(best, sum);
  }
  return window ? std::sqrt(std::max(best, 0.0) / window) : 0.0;
}

// How loud music is most of the time: the median of its 100 ms stretches.
double MedianWindowRms(const Decoded& d) {
  std::vector<double> power = FramePower(d);
  const size_t window = WindowFrames(d);
  std::vector<double> levels;
  for (size_t at = 0; window && at + window <= power.size(); at += window) {
    double sum = 0.0;
    for (size_t i = at; i < at + window; ++i) sum += power[i];
    levels.push_back(std::sqrt(sum / window));
  }
  if (levels.empty()) return 0.0;
  std::nth_element(levels.begin(), levels.begin() + levels.size() / 2, levels.end());
  return levels[levels.size() / 2];
}

double Db(double level) {
  return 20.0 * std::log10(level);
}

class SoundFile : public ::testing::TestWithParam<ExpectedSound> {};

// Half a decibel of headroom: no decoder or mixer rounds a peak up to full scale and clips it.
TEST_P(SoundFile, DecodesCompletelyAt44100HzLastsAsItsUseAllowsAndPeaksHalfADecibelUnderFullScale) {
  Decoded d = Decode(GetParam().file);
  ASSERT_TRUE(d.opened) << GetParam().file << " missing or not Ogg Vorbis";
  EXPECT_TRUE(d.complete) << "decoding stopped with an error";
  EXPECT_EQ(d.rate, 44100);
  EXPECT_GE(d.channels, 1);
  EXPECT_LE(d.channels, 2);
  EXPECT_GE(d.Seconds(), GetParam().minSeconds);
  EXPECT_LE(d.Seconds(), GetParam().maxSeconds);
  double peak = Db(Peak(d));
  EXPECT_LT(peak, -0.5);
  EXPECT_GT(peak, -40.0);
}

std::string TestName(const ::testing::TestParamInfo<ExpectedSound>& param) {
  std::string name = param.param.file;
  return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(AllTen, SoundFile, ::testing::ValuesIn(kSounds), TestName);

const char* const kLoops[] = {"MenuBG.ogg", "LevelBG.ogg", "WinBG.ogg"};

TEST(MusicLoops, EndFlowsIntoTheStartWithoutAClickAndTheLoopsMatchWithinOneDecibel) {
  std::vector<double> levels;
  for (const char* file : kLoops) {
    Decoded d = Decode(file);
    ASSERT_TRUE(d.opened) << file;
    ASSERT_GT(d.samples.size(), 4u * d.channels);
    levels.push_back(Db(Rms(d)));
    // The jump across the loop point should look like any step inside the music.
    std::vector<float> steps;
    size_t frames = d.samples.size() / d.channels;
    for (size_t i = 1; i < frames; ++i)
      steps.push_back(std::fabs(d.samples[i * d.channels] - d.samples[(i - 1) * d.channels]));
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 999 / 1000, steps.end());
    double ordinaryLargeStep = steps[steps.size() * 999 / 1000];
    for (int c = 0; c < d.channels; ++c) {
      double seam = std::fabs(d.samples[c] - d.samples[(frames - 1) * d.channels + c]);
      EXPECT_LE(seam, ordinaryLargeStep) << file << " channel " << c;
    }
  }
  auto [low, high] = std::minmax_element(levels.begin(), levels.end());
  EXPECT_LE(*high - *low, 1.0);
}

// Which music is playing when each effect sounds, at full volume. The click
// sounds over the menus' music and the level's (the pause menu, Escape); the
// defeat sting and the clicks leaving the victory, defeat and map screens
// follow a stop, over silence.
struct HeardOver {
  const char* effect;
  std::vector<const char*> music;
};

const HeardOver kHeardOver[] = {
    {"MonsterDie.ogg", {"LevelBG.ogg"}},
    {"LoseLife.ogg", {"LevelBG.ogg"}},
    {"TowerBuild.ogg", {"LevelBG.ogg"}},
    {"SellBG.ogg", {"LevelBG.ogg"}},
    {"Warning.ogg", {"LevelBG.ogg"}},
    {"ButtonClick.ogg", {"MenuBG.ogg", "LevelBG.ogg"}},
    {"LoseBG.ogg", {}},
};

TEST(Loudness, EveryEffectsLoudest100msReachesTheMedianOfTheMusicUnderIt) {
  std::map<std::string, double> musicMedian;
  for (const char* file : kLoops) musicMedian[file] = Db(MedianWindowRms(Decode(file)));
  std::printf("%-16s %8s %10s  %s\n", "effect", "loudest", "peak", "over the music (its median 100 ms)");
  for (const HeardOver& h : kHeardOver) {
    Decoded d = Decode(h.effect);
    ASSERT_TRUE(d.opened) << h.effect;
    const double loudest = Db(LoudestWindowRms(d));
    std::printf("%-16s %5.1f dB %5.1f dBFS ", h.effect, loudest, Db(Peak(d)));
    for (const char* music : h.music) {
      std::printf(" %s %.1f dB", music, musicMedian[music]);
      EXPECT_GE(loudest, musicMedian[music]) << h.effect << " is lost under " << music;
    }
    std::printf("%s\n", h.music.empty() ? " silence" : "");
  }
}

}  // namespace
