// Main menu music: a calm waltz in D major on harp, strings, flute and celesta.
#include <iterator>

#include "sounds/Score.h"
#include "sounds/Sounds.h"
#include "sounds/Voices.h"

namespace sound {

namespace {

const Meter kMeter = {84.0, 3};
const int kBars = 16;

// D Bm G A | D F#m G A | Bm G D A | G Em A A, roots around D3.
const Chord kChords[kBars] = {{50, false}, {47, true},  {43, false}, {45, false}, {50, false}, {42, true},
                              {43, false}, {45, false}, {47, true},  {43, false}, {50, false}, {45, false},
                              {43, false}, {40, true},  {45, false}, {45, false}};

const Note kFlute[] = {{1, 0, 78, 2}, {1, 2, 76, 1}, {2, 0, 74, 2}, {2, 2, 71, 1},  {3, 0, 71, 2}, {3, 2, 74, 1},
                       {4, 0, 76, 2}, {4, 2, 73, 1}, {5, 0, 74, 2}, {5, 2, 78, 1},  {6, 0, 81, 2}, {6, 2, 78, 1},
                       {7, 0, 79, 1}, {7, 1, 78, 1}, {7, 2, 76, 1}, {8, 0, 76, 2.6}};

const Note kCelesta[] = {{9, 0, 74, 2},  {9, 2, 78, 1},  {10, 0, 79, 2}, {10, 2, 74, 1}, {11, 0, 78, 2},
                         {11, 2, 81, 1}, {12, 0, 76, 3}, {13, 0, 74, 1}, {13, 1, 76, 1}, {13, 2, 74, 1},
                         {14, 0, 71, 2}, {14, 2, 76, 1}, {15, 0, 73, 2}, {15, 2, 76, 1}, {16, 0, 69, 3}};

}  // namespace

Track MenuTheme() {
  Track track(kMeter.Length(kBars), true);
  double beat = kMeter.Beat();
  for (int bar = 1; bar <= kBars; ++bar) {
    const Chord& c = kChords[bar - 1];
    // Harp arpeggio in eighths: low root, then up through the chord and back.
    const int arp[6] = {c.root, c.Fifth(), c.Third() + 12, c.Fifth() + 12, c.root + 24, c.Fifth() + 12};
    for (int i = 0; i < 6; ++i) {
      double gain = i == 0 ? 0.28 : 0.16;
      track.Place(kMeter.At(bar, i * 0.5), Harp(MidiHz(arp[i]), 2.2, 0.7), gain, -0.35 + 0.12 * i);
    }
    const int pad[3] = {c.root + 12, c.Third() + 12, c.Fifth() + 12};
    PlaceChord(track, kMeter.At(bar, 0), pad, 3, 0.08, 0.6,
               [&](double hz) { return Pad(hz, 3.0 * beat - 0.1, 1300.0); });
    track.Place(kMeter.At(bar, 0), Bass(MidiHz(c.root - 12), 2.2 * beat), 0.2, 0.0);
  }
  uint32_t seed = 11;
  for (const Note& n : kFlute) {
    track.Place(kMeter.At(n.bar, n.beat), Flute(MidiHz(n.midi), n.beats * beat - 0.05, seed++), 0.36, 0.15);
  }
  for (const Note& n : kCelesta) {
    track.Place(kMeter.At(n.bar, n.beat), Celesta(MidiHz(n.midi + 12), 2.5), 0.32, -0.1);
    // A soft echo of each celesta note an octave down, a beat and a half later.
    track.Place(kMeter.At(n.bar, n.beat + 1.5), Celesta(MidiHz(n.midi), 2.0), 0.1, 0.5);
  }
  ApplyEcho(track, beat * 0.75, 0.3, 0.18);
  ApplyReverb(track, 0.8, 0.5, 0.9);
  return track;
}

}  // namespace sound
