// The two longer one-shot sounds: the defeat sting and the drilling-wave alarm.
#include "sounds/Sounds.h"
#include "sounds/Voices.h"

namespace sound {

Track DefeatSting() {
  Track track(4.0, false);
  // A falling A minor line over a low drum, settling on a dark chord.
  const int line[4] = {76, 74, 72, 71};
  for (int i = 0; i < 4; ++i) {
    double held = i == 3 ? 1.1 : 0.36;
    track.Place(0.05 + 0.42 * i, Flute(MidiHz(line[i]), held, 900u + i), 0.3, 0.1);
    track.Place(0.05 + 0.42 * i, Harp(MidiHz(line[i] - 24), 1.4, 0.5), 0.18, -0.3);
  }
  const int chord[4] = {45, 57, 60, 64};
  PlaceChord(track, 1.3, chord, 4, 0.16, 0.6, [](double hz) { return Pad(hz, 1.6, 900.0); });
  track.Place(1.3, Timpani(MidiHz(33), 2.2), 0.5, 0.0);
  track.Place(1.3, Bell(MidiHz(57), 2.5), 0.1, -0.2);
  ApplyReverb(track, 0.8, 0.5, 0.8);
  FadeOut(track, 0.8);
  return track;
}

Track WarningHorn() {
  Track track(1.7, false);
  // Two blasts of a low horn in fifths, the second a step higher.
  const double starts[2] = {0.0, 0.72};
  const int roots[2] = {50, 52};
  for (int b = 0; b < 2; ++b) {
    const int notes[3] = {roots[b] - 12, roots[b], roots[b] + 7};
    PlaceChord(track, starts[b], notes, 3, 0.3, 0.3, [](double hz) { return Brass(hz, 0.5); });
  }
  ApplyReverb(track, 0.4, 0.5, 0.35);
  FadeOut(track, 0.3);
  return track;
}

}  // namespace sound
