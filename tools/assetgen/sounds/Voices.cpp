// Instrument voices: additive and subtractive recipes, each note rendered alone.
#include "sounds/Voices.h"

#include <cmath>

namespace sound {

// Ratios and decays of the partials give each instrument its colour.
Mono Additive(double hz, double seconds, const Partial* partials, int count, double attack) {
  Mono out(Samples(seconds), 0.0f);
  for (int p = 0; p < count; ++p) {
    double f = hz * partials[p].ratio;
    if (f >= kRate * 0.45) continue;
    // A rotating phasor keeps the sine exact enough and costs no sin() per sample.
    double w = 2.0 * kPi * f / kRate, c = std::cos(w), s = std::sin(w);
    double re = 1.0, im = 0.0;
    double k = std::exp(-1.0 / (partials[p].decay * kRate)), level = partials[p].amplitude;
    float* o = out.data();
    for (size_t i = 0, n = out.size(); i < n; ++i) {
      o[i] += static_cast<float>(im * level);
      double nre = re * c - im * s;
      im = re * s + im * c;
      re = nre;
      level *= k;
    }
  }
  size_t attackSamples = Samples(attack), fade = Samples(0.02);
  for (size_t i = 0; i < out.size(); ++i) {
    if (i < attackSamples) out[i] *= static_cast<float>(static_cast<double>(i) / attackSamples);
    if (i + fade > out.size()) out[i] *= static_cast<float>(static_cast<double>(out.size() - i) / fade);
  }
  return out;
}

Mono Harp(double hz, double seconds, double brightness) {
  const Partial partials[] = {{1.0, 1.0, 1.6},
                              {2.0, 0.45 * brightness, 0.9},
                              {3.0, 0.22 * brightness, 0.55},
                              {4.0, 0.12 * brightness, 0.35},
                              {5.0, 0.06 * brightness, 0.25},
                              {6.0, 0.03 * brightness, 0.18}};
  return Additive(hz, seconds, partials, 6, 0.004);
}

Mono Celesta(double hz, double seconds) {
  const Partial partials[] = {{1.0, 1.0, 1.2}, {2.0, 0.08, 0.5}, {4.0, 0.35, 0.25}, {6.98, 0.08, 0.1}};
  return Additive(hz, seconds, partials, 4, 0.002);
}

Mono Bell(double hz, double seconds) {
  const Partial partials[] = {{0.5, 0.25, 2.5}, {1.0, 1.0, 1.8},  {1.19, 0.3, 1.2}, {1.56, 0.25, 0.9},
                              {2.0, 0.35, 0.8}, {2.76, 0.2, 0.5}, {5.4, 0.08, 0.2}};
  return Additive(hz, seconds, partials, 7, 0.002);
}

Mono Flute(double hz, double held, uint32_t seed) {
  double release = 0.18;
  Mono out(Samples(held + release), 0.0f);
  WhiteNoise noise(seed);
  Biquad breath;
  breath.SetBandpass(hz * 2.0, 1.5);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    // Vibrato grows in after the attack, as a player would lean into the note.
    double depth = 0.004 * std::min(1.0, std::max(0.0, (t - 0.15) / 0.4));
    phase += hz * (1.0 + depth * std::sin(2.0 * kPi * 5.2 * t)) / kRate;
    double x = std::sin(2.0 * kPi * phase) + 0.18 * std::sin(4.0 * kPi * phase) + 0.05 * std::sin(6.0 * kPi * phase);
    double env = Envelope(t, 0.07, 0.3, 0.85, held, release);
    double chiff = 0.25 * std::exp(-t / 0.05) + 0.05;
    out[i] = static_cast<float>(env * (x + chiff * breath.Process(noise.Next()) * 3.0));
  }
  return out;
}

Mono Pad(double hz, double held, double cutoff) {
  double release = 1.0;
  Mono out(Samples(held + release), 0.0f);
  const double detune[] = {-0.006, 0.0, 0.0065};
  double phases[] = {0.1, 0.45, 0.8};
  Biquad tone;
  tone.SetLowpass(cutoff, 0.6);
  double inc[3];
  for (int k = 0; k < 3; ++k) inc[k] = hz * (1.0 + detune[k]) / kRate;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    float x = 0.0f;
    for (int k = 0; k < 3; ++k) {
      x += SawBlep(phases[k], inc[k]);
      phases[k] += inc[k];
    }
    out[i] = static_cast<float>(Envelope(t, 0.5, 1.0, 0.8, held, release) * tone.Process(x) / 3.0);
  }
  return out;
}

Mono Brass(double hz, double held) {
  double release = 0.15;
  Mono out(Samples(held + release), 0.0f);
  double phaseA = 0.0, phaseB = 0.3;
  Biquad tone;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double env = Envelope(t, 0.03, 0.25, 0.75, held, release);
    // The filter opens with the breath, which is what makes it sound blown.
    if (i % 32 == 0) tone.SetLowpass(hz * (1.5 + 5.0 * env), 0.9);
    double vib = 1.0 + 0.003 * std::sin(2.0 * kPi * 5.5 * t) * std::min(1.0, t / 0.3);
    double inc = hz * vib / kRate;
    float x = SawBlep(phaseA, inc) + SawBlep(phaseB, inc * 1.004);
    phaseA += inc;
    phaseB += inc * 1.004;
    out[i] = static_cast<float>(env * tone.Process(x) * 0.5);
  }
  return out;
}

Mono Bass(double hz, double held) {
  double release = 0.08;
  Mono out(Samples(held + release), 0.0f);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    phase += hz / kRate;
    double x = std::sin(2.0 * kPi * phase) + 0.3 * std::sin(4.0 * kPi * phase) * std::exp(-t / 0.15);
    out[i] = static_cast<float>(Envelope(t, 0.008, 0.4, 0.6, held, release) * x);
  }
  return out;
}

Mono Kick(double punch) {
  Mono out(Samples(0.35), 0.0f);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    phase += (48.0 + 90.0 * std::exp(-t / 0.03)) / kRate;
    double env = std::exp(-t / 0.12) * std::min(1.0, t / 0.002) * std::min(1.0, (0.35 - t) / 0.03);
    out[i] = static_cast<float>(env * std::sin(2.0 * kPi * phase) * (1.0 + punch * std::exp(-t / 0.01)));
  }
  return out;
}

Mono FrameDrum(uint32_t seed) {
  Mono out(Samples(0.3), 0.0f);
  WhiteNoise noise(seed);
  Biquad body;
  body.SetBandpass(900.0, 0.8);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    phase += 190.0 / kRate;
    double tone = std::sin(2.0 * kPi * phase) * std::exp(-t / 0.06);
    double skin = body.Process(noise.Next()) * std::exp(-t / 0.05) * 2.2;
    out[i] = static_cast<float>((0.6 * tone + skin) * std::min(1.0, t / 0.001));
  }
  return out;
}

Mono Hat(uint32_t seed, double seconds) {
  Mono out(Samples(seconds * 4.0), 0.0f);
  WhiteNoise noise(seed);
  Biquad hp;
  hp.SetHighpass(7000.0, 0.7);
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    out[i] = static_cast<float>(hp.Process(noise.Next()) * std::exp(-t / seconds) * std::min(1.0, t / 0.001));
  }
  return out;
}

Mono Timpani(double hz, double seconds) {
  Mono out(Samples(seconds), 0.0f);
  WhiteNoise noise(0x71u);
  Biquad thud;
  thud.SetLowpass(400.0, 0.7);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    phase += hz * (1.0 + 0.04 * std::exp(-t / 0.05)) / kRate;
    double x = std::sin(2.0 * kPi * phase) + 0.4 * std::sin(2.0 * kPi * phase * 1.5) * std::exp(-t / 0.3);
    double env = std::exp(-t / (seconds * 0.35)) * std::min(1.0, t / 0.003);
    double fade = std::min(1.0, (seconds - t) / 0.05);
    out[i] = static_cast<float>(fade * (env * x + thud.Process(noise.Next()) * std::exp(-t / 0.03)));
  }
  return out;
}

}  // namespace sound
