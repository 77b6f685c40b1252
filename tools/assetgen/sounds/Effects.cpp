// The short effects of play: building, selling, hits, clicks and the money blip.
#include <cmath>

#include "sounds/Sounds.h"
#include "sounds/Voices.h"

namespace sound {

Track BuildChime() {
  Track track(1.1, false);
  // A wooden thunk as the tower lands, then a two-note chime.
  track.Place(0.0, Kick(1.5), 0.7, 0.0);
  track.Place(0.0, FrameDrum(7u), 0.5, 0.0);
  track.Place(0.07, Celesta(MidiHz(84), 0.9), 0.35, -0.2);
  track.Place(0.15, Celesta(MidiHz(91), 0.9), 0.3, 0.2);
  ApplyReverb(track, 0.4, 0.5, 0.4);
  FadeOut(track, 0.3);
  return track;
}

Track CoinJingle() {
  Track track(0.8, false);
  // Coins: short metallic pings with inharmonic partials, tumbling in.
  const Partial coin[] = {{1.0, 1.0, 0.16}, {2.41, 0.6, 0.09}, {3.93, 0.35, 0.05}, {5.2, 0.2, 0.03}};
  const double times[5] = {0.0, 0.06, 0.11, 0.19, 0.27};
  const double pitch[5] = {2100.0, 2500.0, 2300.0, 2700.0, 2450.0};
  for (int i = 0; i < 5; ++i) {
    track.Place(times[i], Additive(pitch[i], 0.4, coin, 4, 0.001), i == 0 ? 0.5 : 0.38, (i % 2 ? 0.3 : -0.3));
  }
  ApplyReverb(track, 0.3, 0.4, 0.3);
  FadeOut(track, 0.25);
  return track;
}

Track MonsterHit() {
  Track track(0.18, false);
  // A soft falling pop with a puff of air: heard on every hit, so it stays small.
  Mono pop(Samples(0.17), 0.0f);
  WhiteNoise noise(31u);
  Biquad puff;
  puff.SetBandpass(1400.0, 1.2);
  double phase = 0.0;
  for (size_t i = 0; i < pop.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    phase += (260.0 + 420.0 * std::exp(-t / 0.03)) / kRate;
    double env = std::min(1.0, t / 0.003) * std::exp(-t / 0.04) * std::min(1.0, (0.17 - t) / 0.02);
    pop[i] = static_cast<float>(env * (std::sin(2.0 * kPi * phase) + 0.5 * puff.Process(noise.Next())));
  }
  track.Place(0.0, pop, 1.0, 0.0);
  return track;
}

Track ButtonClick() {
  Track track(0.09, false);
  Mono click(Samples(0.09), 0.0f);
  WhiteNoise noise(7u);
  Biquad tick;
  tick.SetHighpass(3000.0, 0.7);
  for (size_t i = 0; i < click.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    // The edge starts against the body so that their first crests do not add
    // up: the same sound with a lower peak, which leaves room to be heard.
    double body = std::sin(2.0 * kPi * 1250.0 * t) * std::exp(-t / 0.012);
    double edge = -0.6 * std::sin(2.0 * kPi * 2900.0 * t) * std::exp(-t / 0.005);
    double snap = 0.4 * tick.Process(noise.Next()) * std::exp(-t / 0.002);
    double env = std::min(1.0, t / 0.0005) * std::min(1.0, (0.09 - t) / 0.01);
    click[i] = static_cast<float>(env * (body + edge + snap));
  }
  track.Place(0.0, click, 1.0, 0.0);
  return track;
}

Track MoneyBlip() {
  Track track(0.12, false);
  // Restarts every frame while the key is held: a soft low blip with a gentle
  // onset so the restarts murmur rather than click.
  Mono blip(Samples(0.12), 0.0f);
  for (size_t i = 0; i < blip.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double hz = 200.0 - 60.0 * t / 0.12;
    double env = std::min(1.0, t / 0.006) * std::exp(-t / 0.05) * std::min(1.0, (0.12 - t) / 0.02);
    blip[i] = static_cast<float>(env * (std::sin(2.0 * kPi * hz * t) + 0.2 * std::sin(4.0 * kPi * hz * t)));
  }
  track.Place(0.0, blip, 1.0, 0.0);
  return track;
}

}  // namespace sound
