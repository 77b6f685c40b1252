// Synthesis toolkit: the plumbing every generated sound shares.
#include "sounds/Synth.h"

#include <algorithm>
#include <cmath>

namespace sound {

double MidiHz(double note) {
  return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

size_t Samples(double seconds) {
  return static_cast<size_t>(std::lround(seconds * kRate));
}

float WhiteNoise::Next() {
  return static_cast<float>(Uniform() * 2.0 - 1.0);
}

double WhiteNoise::Uniform() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ >> 8) * (1.0 / 16777216.0);
}

double Envelope(double t, double attack, double decay, double sustain, double releaseAt, double release) {
  if (t < 0.0) return 0.0;
  double level;
  if (t < attack) {
    double x = t / attack;
    level = x * x * (3.0 - 2.0 * x);
  } else {
    level = sustain + (1.0 - sustain) * std::exp(-(t - attack) / std::max(decay, 1e-4));
  }
  if (t > releaseAt) {
    double x = (t - releaseAt) / std::max(release, 1e-4);
    if (x >= 1.0) return 0.0;
    level *= (1.0 - x) * (1.0 - x);
  }
  return level;
}

void OnePole::SetLowpass(double hz) {
  a_ = static_cast<float>(1.0 - std::exp(-2.0 * kPi * hz / kRate));
}

float OnePole::Lowpass(float x) {
  z_ += a_ * (x - z_);
  return z_;
}

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
  b0_ = static_cast<float>(b0 / a0);
  b1_ = static_cast<float>(b1 / a0);
  b2_ = static_cast<float>(b2 / a0);
  a1_ = static_cast<float>(a1 / a0);
  a2_ = static_cast<float>(a2 / a0);
}

void Biquad::SetLowpass(double hz, double q) {
  double w = 2.0 * kPi * std::min(hz, kRate * 0.45) / kRate, c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::SetHighpass(double hz, double q) {
  double w = 2.0 * kPi * std::min(hz, kRate * 0.45) / kRate, c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::SetBandpass(double hz, double q) {
  double w = 2.0 * kPi * std::min(hz, kRate * 0.45) / kRate, c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  Set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::Process(float x) {
  float y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

float SawBlep(double phase, double increment) {
  double t = phase - std::floor(phase);
  double y = 2.0 * t - 1.0;
  if (t < increment) {
    double x = t / increment;
    y -= x + x - x * x - 1.0;
  } else if (t > 1.0 - increment) {
    double x = (t - 1.0) / increment;
    y -= x * x + x + x + 1.0;
  }
  return static_cast<float>(y);
}

Track::Track(double seconds, bool looping) : left(Samples(seconds)), right(Samples(seconds)), loop(looping) {}

void Track::Place(double seconds, const Mono& note, double gain, double pan) {
  double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
  float gl = static_cast<float>(gain * std::cos(angle) * std::sqrt(2.0));
  float gr = static_cast<float>(gain * std::sin(angle) * std::sqrt(2.0));
  long n = static_cast<long>(Length());
  long at = std::lround(seconds * kRate);
  if (loop) at = ((at % n) + n) % n;
  float* l = left.data();
  float* r = right.data();
  const float* x = note.data();
  for (size_t i = 0, count = note.size(); i < count; ++i, ++at) {
    if (at >= n) {
      if (!loop) break;
      at = 0;
    }
    if (at < 0) continue;
    l[at] += gl * x[i];
    r[at] += gr * x[i];
  }
}

namespace {

// Runs `step` over every sample once. On a loop it first runs over the last
// seconds of the loop to fill the effect with the end's ring-out, which then
// carries into the start; those warm-up steps are told not to keep their output.
template <typename Step>
void RunLaps(const Track& track, Step step) {
  size_t n = track.Length();
  size_t warm = track.loop ? std::min(n, Samples(8.0)) : 0;
  for (size_t i = n - warm; i < n; ++i) step(i, false);
  for (size_t i = 0; i < n; ++i) step(i, true);
}

// A feedback comb with a damped loop, run over a whole signal and added to `out`.
// The effects work a whole line at a time on raw pointers: the generator also
// runs in unoptimised sanitizer builds, where a call per sample would dominate.
void RunComb(const float* in, float* out, size_t count, size_t delay, float feedback, float damp) {
  std::vector<float> line(delay, 0.0f);
  float* buffer = line.data();
  float store = 0.0f;
  size_t pos = 0;
  for (size_t i = 0; i < count; ++i) {
    float y = buffer[pos];
    store = y * (1.0f - damp) + store * damp;
    buffer[pos] = in[i] + store * feedback;
    if (++pos == delay) pos = 0;
    out[i] += y;
  }
}

void RunAllpass(float* signal, size_t count, size_t delay) {
  std::vector<float> line(delay, 0.0f);
  float* buffer = line.data();
  size_t pos = 0;
  for (size_t i = 0; i < count; ++i) {
    float delayed = buffer[pos];
    buffer[pos] = signal[i] + delayed * 0.5f;
    if (++pos == delay) pos = 0;
    signal[i] = delayed - signal[i];
  }
}

}  // namespace

void ApplyReverb(Track& track, double roomSize, double damping, double wet) {
  static const size_t kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
  static const size_t kAllpasses[] = {556, 441, 341, 225};
  const size_t kSpread = 23;
  float feedback = static_cast<float>(0.7 + 0.28 * roomSize);
  float damp = static_cast<float>(damping * 0.4);
  // The input: on a loop, the warm-up stretch from the end followed by the whole loop.
  std::vector<float> in;
  in.reserve(track.Length() + Samples(8.0));
  RunLaps(track, [&](size_t i, bool) { in.push_back((track.left[i] + track.right[i]) * 0.015f); });
  size_t warm = in.size() - track.Length();
  float w = static_cast<float>(wet);
  for (int side = 0; side < 2; ++side) {
    size_t spread = side ? kSpread : 0;
    std::vector<float> acc(in.size(), 0.0f);
    for (size_t c : kCombs) RunComb(in.data(), acc.data(), in.size(), c + spread, feedback, damp);
    for (size_t a : kAllpasses) RunAllpass(acc.data(), acc.size(), a + spread);
    float* out = side ? track.right.data() : track.left.data();
    for (size_t i = 0; i < track.Length(); ++i) out[i] += w * acc[warm + i];
  }
}

void ApplyEcho(Track& track, double delaySeconds, double feedback, double wet) {
  size_t d = std::max<size_t>(1, Samples(delaySeconds));
  std::vector<float> lineStoreL(d, 0.0f), lineStoreR(d, 0.0f);
  std::vector<float> outL(track.Length(), 0.0f), outR(track.Length(), 0.0f);
  float* lineL = lineStoreL.data();
  float* lineR = lineStoreR.data();
  size_t pos = 0;
  float fb = static_cast<float>(feedback);
  OnePole toneL, toneR;
  toneL.SetLowpass(3500.0);
  toneR.SetLowpass(3500.0);
  RunLaps(track, [&](size_t i, bool keep) {
    float dl = lineL[pos], dr = lineR[pos];
    // Ping-pong: the left echo feeds the right line and back.
    lineL[pos] = toneL.Lowpass((track.left[i] + track.right[i]) * 0.5f + dr * fb);
    lineR[pos] = toneR.Lowpass(dl * fb);
    if (++pos == d) pos = 0;
    if (keep) {
      outL[i] = dl;
      outR[i] = dr;
    }
  });
  float w = static_cast<float>(wet);
  for (size_t i = 0; i < track.Length(); ++i) {
    track.left[i] += w * outL[i];
    track.right[i] += w * outR[i];
  }
}

void FadeOut(Track& track, double seconds) {
  size_t n = track.Length(), fade = std::min(n, Samples(seconds));
  for (size_t i = n - fade; i < n; ++i) {
    float g = static_cast<float>(static_cast<double>(n - i) / fade);
    track.left[i] *= g * g;
    track.right[i] *= g * g;
  }
}

double Peak(const Track& track) {
  double peak = 0.0;
  for (size_t i = 0; i < track.Length(); ++i) {
    peak = std::max(peak, static_cast<double>(std::fabs(track.left[i])));
    peak = std::max(peak, static_cast<double>(std::fabs(track.right[i])));
  }
  return peak;
}

double Rms(const Track& track) {
  double sum = 0.0;
  for (size_t i = 0; i < track.Length(); ++i) {
    sum += track.left[i] * track.left[i] + track.right[i] * track.right[i];
  }
  return track.Length() ? std::sqrt(sum / (2.0 * track.Length())) : 0.0;
}

double LoudestRms(const Track& track) {
  const size_t window = Samples(0.1);
  double sum = 0.0, best = 0.0;
  for (size_t i = 0; i < track.Length(); ++i) {
    sum += track.left[i] * track.left[i] + track.right[i] * track.right[i];
    if (i >= window) {
      size_t j = i - window;
      sum -= track.left[j] * track.left[j] + track.right[j] * track.right[j];
    }
    best = std::max(best, sum);
  }
  return std::sqrt(std::max(best, 0.0) / (2.0 * window));
}

void Scale(Track& track, double gain) {
  float g = static_cast<float>(gain);
  for (size_t i = 0; i < track.Length(); ++i) {
    track.left[i] *= g;
    track.right[i] *= g;
  }
}

void Normalise(Track& track, double targetDb, bool shortSound, double peakLimit) {
  double loudness = shortSound ? LoudestRms(track) : Rms(track);
  if (loudness <= 0.0) return;
  double gain = std::pow(10.0, targetDb / 20.0) / loudness;
  double peak = Peak(track);
  if (peak * gain > peakLimit) gain = peakLimit / peak;
  Scale(track, gain);
}

}  // namespace sound
