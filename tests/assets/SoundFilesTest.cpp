// Checks the ten generated sound files the game plays: present, decodable,
// the right length for how they are played, unclipped and evenly levelled.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
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

// Level of the loudest 50 ms: how loud a short sound is while it sounds.
double LoudestRms(const Decoded& d) {
  size_t window = static_cast<size_t>(d.rate / 20) * d.channels;
  window = std::min(window, d.samples.size());
  double sum = 0.0, best = 0.0;
  for (size_t i = 0; i < d.samples.size(); ++i) {
    sum += d.samples[i] * d.samples[i];
    if (i >= window) sum -= d.samples[i - window] * d.samples[i - window];
    best = std::max(best, sum);
  }
  return window ? std::sqrt(best / window) : 0.0;
}

double Db(double level) {
  return 20.0 * std::log10(level);
}

class SoundFile : public ::testing::TestWithParam<ExpectedSound> {};

TEST_P(SoundFile, ExistsAndDecodesCompletelyAt44100Hz) {
  Decoded d = Decode(GetParam().file);
  ASSERT_TRUE(d.opened) << GetParam().file << " missing or not Ogg Vorbis";
  EXPECT_TRUE(d.complete) << "decoding stopped with an error";
  EXPECT_EQ(d.rate, 44100);
  EXPECT_GE(d.channels, 1);
  EXPECT_LE(d.channels, 2);
}

TEST_P(SoundFile, LastsAsLongAsItsUseAllows) {
  Decoded d = Decode(GetParam().file);
  ASSERT_TRUE(d.opened);
  EXPECT_GE(d.Seconds(), GetParam().minSeconds);
  EXPECT_LE(d.Seconds(), GetParam().maxSeconds);
}

TEST_P(SoundFile, NeverReachesFullScaleAndIsNotSilent) {
  Decoded d = Decode(GetParam().file);
  ASSERT_TRUE(d.opened);
  double peak = Peak(d);
  EXPECT_LT(peak, 0.99);
  EXPECT_GT(peak, 0.01);
}

std::string TestName(const ::testing::TestParamInfo<ExpectedSound>& param) {
  std::string name = param.param.file;
  return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(AllTen, SoundFile, ::testing::ValuesIn(kSounds), TestName);

const char* const kLoops[] = {"MenuBG.ogg", "LevelBG.ogg", "WinBG.ogg"};

TEST(MusicLoops, EndFlowsIntoTheStartWithoutAClick) {
  for (const char* file : kLoops) {
    Decoded d = Decode(file);
    ASSERT_TRUE(d.opened) << file;
    ASSERT_GT(d.samples.size(), 4u * d.channels);
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
}

TEST(Loudness, MusicLoopsMatchEachOtherWithinOneDecibel) {
  std::vector<double> levels;
  for (const char* file : kLoops) levels.push_back(Db(Rms(Decode(file))));
  auto [low, high] = std::minmax_element(levels.begin(), levels.end());
  EXPECT_LE(*high - *low, 1.0);
}

TEST(Loudness, ConstantlyRepeatedEffectsAreClearlySofterThanTheMusic) {
  double music = Db(Rms(Decode("LevelBG.ogg")));
  for (const char* file : {"MonsterDie.ogg", "LoseLife.ogg"}) {
    EXPECT_LE(Db(LoudestRms(Decode(file))), music - 6.0) << file;
  }
  for (const char* file : {"TowerBuild.ogg", "SellBG.ogg", "Warning.ogg"}) {
    EXPECT_LE(Db(LoudestRms(Decode(file))), music + 6.0) << file;
  }
}

}  // namespace
