// Victory music: a bright C major fanfare on brass, timpani, bells and harp.
#include "sounds/Score.h"
#include "sounds/Sounds.h"
#include "sounds/Voices.h"

namespace sound {

namespace {

const Meter kMeter = {120.0, 4};
const int kBars = 16;

// C F G C | Am F G G | C F C G | F G C G, roots around C3.
const Chord kChords[kBars] = {{48, false}, {41, false}, {43, false}, {48, false}, {45, true},  {41, false},
                              {43, false}, {43, false}, {48, false}, {41, false}, {48, false}, {43, false},
                              {41, false}, {43, false}, {48, false}, {43, false}};

const Note kTrumpet[] = {
    {1, 0, 67, 0.5}, {1, 0.5, 72, 0.5}, {1, 1, 76, 1},   {1, 2, 79, 2},     {2, 0, 81, 1},  {2, 1, 79, 1},
    {2, 2, 77, 1},   {2, 3, 81, 1},     {3, 0, 79, 1.5}, {3, 1.5, 76, 0.5}, {3, 2, 74, 1},  {3, 3, 71, 1},
    {4, 0, 72, 3},   {5, 0, 76, 1},     {5, 1, 76, 0.5}, {5, 1.5, 77, 0.5}, {5, 2, 79, 2},  {6, 0, 81, 1},
    {6, 1, 84, 1},   {6, 2, 81, 1},     {6, 3, 77, 1},   {7, 0, 79, 2},     {7, 2, 74, 1},  {7, 3, 71, 1},
    {8, 0, 74, 2},   {8, 2, 71, 1},     {8, 3, 74, 1},   {9, 0, 76, 1},     {9, 1, 79, 1},  {9, 2, 84, 2},
    {10, 0, 81, 1},  {10, 1, 77, 1},    {10, 2, 84, 2},  {11, 0, 79, 1},    {11, 1, 76, 1}, {11, 2, 72, 1},
    {11, 3, 76, 1},  {12, 0, 74, 4},    {13, 0, 77, 1},  {13, 1, 81, 1},    {13, 2, 84, 1}, {13, 3, 81, 1},
    {14, 0, 79, 1},  {14, 1, 83, 1},    {14, 2, 86, 2},  {15, 0, 84, 2},    {15, 2, 79, 1}, {15, 3, 76, 1},
    {16, 0, 74, 2},  {16, 2, 71, 1},    {16, 3, 74, 0.5}};

}  // namespace

Track VictoryTheme() {
  Track track(kMeter.Length(kBars), true);
  double beat = kMeter.Beat();
  uint32_t seed = 501;
  for (int bar = 1; bar <= kBars; ++bar) {
    const Chord& c = kChords[bar - 1];
    // Brass chord held under the tune, restruck on beat three.
    const int brass[3] = {c.Fifth(), c.Third() + 12, c.root + 12};
    for (double at : {0.0, 2.0}) {
      PlaceChord(track, kMeter.At(bar, at), brass, 3, at == 0.0 ? 0.08 : 0.065, 0.5,
                 [&](double hz) { return Brass(hz, 1.7 * beat); });
    }
    for (int i = 0; i < 4; ++i) {
      track.Place(kMeter.At(bar, i), Bass(MidiHz(c.root - 12 + (i == 2 ? 7 : 0)), 0.8 * beat), 0.26, 0.0);
    }
    track.Place(kMeter.At(bar, 0), Timpani(MidiHz(c.root - 12), 1.2), 0.45, -0.1);
    // March snare and hats.
    track.Place(kMeter.At(bar, 1), FrameDrum(seed++), 0.3, 0.1);
    track.Place(kMeter.At(bar, 3), FrameDrum(seed++), 0.3, 0.1);
    track.Place(kMeter.At(bar, 3.5), FrameDrum(seed++), 0.15, 0.1);
    for (int i = 0; i < 8; ++i) track.Place(kMeter.At(bar, i * 0.5), Hat(seed++, 0.025), 0.07, -0.3);
    // Rising harp sweep in the second half of the tune.
    if (bar > 8) {
      const int sweep[8] = {c.root + 12,    c.Third() + 12, c.Fifth() + 12, c.root + 24,
                            c.Third() + 24, c.Fifth() + 24, c.root + 36,    c.Fifth() + 24};
      for (int i = 0; i < 8; ++i) {
        track.Place(kMeter.At(bar, i * 0.5), Harp(MidiHz(sweep[i]), 1.0, 0.9), 0.11, -0.5 + 0.12 * i);
      }
    }
    // Timpani roll into the start of each half.
    if (bar % 8 == 0) {
      for (int i = 0; i < 8; ++i) {
        track.Place(kMeter.At(bar, 2.0 + i * 0.25), Timpani(MidiHz(43 - 12), 0.4), 0.1 + 0.03 * i, -0.1);
      }
    }
  }
  for (const Note& n : kTrumpet) {
    track.Place(kMeter.At(n.bar, n.beat), Brass(MidiHz(n.midi), n.beats * beat - 0.06), 0.38, 0.0);
    if (n.bar > 8) track.Place(kMeter.At(n.bar, n.beat), Celesta(MidiHz(n.midi + 12), 1.2), 0.12, 0.35);
  }
  ApplyReverb(track, 0.7, 0.45, 0.7);
  return track;
}

}  // namespace sound
