// Playing-screen music: a steady D minor march on bass, plucked ostinato, hand
// drums, strings, flute and celesta; driving without wearing the player out.
#include "sounds/Score.h"
#include "sounds/Sounds.h"
#include "sounds/Voices.h"

namespace sound {

namespace {

const Meter kMeter = {105.0, 4};
const int kBars = 16;

// Dm C Bb C | Dm C Bb A | Gm Dm Bb C | Gm Dm Bb A, roots around D3.
const Chord kChords[kBars] = {{50, true},  {48, false}, {46, false}, {48, false}, {50, true},  {48, false},
                              {46, false}, {45, false}, {43, true},  {50, true},  {46, false}, {48, false},
                              {43, true},  {50, true},  {46, false}, {45, false}};

const Note kFlute[] = {{5, 0, 74, 1},      {5, 1, 77, 1},    {5, 2, 81, 1.5},    {5, 3.5, 79, 0.5}, {6, 0, 76, 1},
                       {6, 1, 79, 1},      {6, 2, 76, 1},    {6, 3, 72, 1},      {7, 0, 74, 1.5},   {7, 1.5, 77, 0.5},
                       {7, 2, 74, 1},      {7, 3, 70, 1},    {8, 0, 73, 2},      {8, 2, 76, 1},     {8, 3, 69, 1},
                       {13, 0, 79, 1},     {13, 1, 77, 0.5}, {13, 1.5, 74, 0.5}, {13, 2, 70, 1},    {13, 3, 74, 1},
                       {14, 0, 69, 1},     {14, 1, 74, 1},   {14, 2, 77, 1},     {14, 3, 81, 1},    {15, 0, 79, 1.5},
                       {15, 1.5, 77, 0.5}, {15, 2, 74, 1},   {15, 3, 77, 1},     {16, 0, 76, 2},    {16, 2, 73, 1},
                       {16, 3, 69, 1}};

const Note kCelesta[] = {{9, 0, 79, 1},  {9, 1, 74, 1},  {9, 2, 70, 1},  {9, 3, 74, 1},  {10, 0, 77, 1}, {10, 1, 74, 1},
                         {10, 2, 69, 1}, {10, 3, 74, 1}, {11, 0, 77, 1}, {11, 1, 74, 1}, {11, 2, 70, 1}, {11, 3, 77, 1},
                         {12, 0, 79, 1}, {12, 1, 76, 1}, {12, 2, 72, 1}, {12, 3, 76, 1}};

}  // namespace

Track LevelTheme() {
  Track track(kMeter.Length(kBars), true);
  double beat = kMeter.Beat();
  uint32_t seed = 101;
  for (int bar = 1; bar <= kBars; ++bar) {
    const Chord& c = kChords[bar - 1];
    const int bass[8] = {c.root, c.root, c.root + 12, c.root, c.Fifth(), c.root, c.root + 12, c.Fifth()};
    for (int i = 0; i < 8; ++i) {
      track.Place(kMeter.At(bar, i * 0.5), Bass(MidiHz(bass[i] - 12), 0.38 * beat), i % 2 ? 0.2 : 0.27, 0.0);
    }
    // Sixteenth-note ostinato, lighter in the opening bars.
    const int tones[4] = {c.root + 12, c.Third() + 12, c.Fifth() + 12, c.root + 24};
    const int order[8] = {0, 2, 3, 2, 1, 2, 3, 2};
    double pluck = bar <= 4 ? 0.07 : 0.1;
    for (int i = 0; i < 16; ++i) {
      track.Place(kMeter.At(bar, i * 0.25), Harp(MidiHz(tones[order[i % 8]]), 0.6, 1.0), i % 4 ? pluck : pluck * 1.5,
                  i % 2 ? 0.45 : -0.45);
    }
    const int pad[3] = {c.root + 12, c.Third() + 12, c.Fifth() + 12};
    PlaceChord(track, kMeter.At(bar, 0), pad, 3, 0.07, 0.7,
               [&](double hz) { return Pad(hz, 4.0 * beat - 0.2, 1700.0); });
    // Drums: kick on one and three, frame drum on two and four, hats on the eighths.
    track.Place(kMeter.At(bar, 0), Kick(0.5), 0.42, 0.0);
    track.Place(kMeter.At(bar, 2), Kick(0.5), 0.36, 0.0);
    if (bar % 2 == 0) track.Place(kMeter.At(bar, 3.5), Kick(0.3), 0.22, 0.0);
    track.Place(kMeter.At(bar, 1), FrameDrum(seed++), 0.3, 0.15);
    track.Place(kMeter.At(bar, 3), FrameDrum(seed++), 0.3, 0.15);
    if (bar % 4 == 0) track.Place(kMeter.At(bar, 3.75), FrameDrum(seed++), 0.16, -0.2);
    for (int i = 0; i < 8; ++i) {
      track.Place(kMeter.At(bar, i * 0.5), Hat(seed++, i % 2 ? 0.03 : 0.018), i % 2 ? 0.09 : 0.05, 0.3);
    }
  }
  for (const Note& n : kFlute) {
    track.Place(kMeter.At(n.bar, n.beat), Flute(MidiHz(n.midi), n.beats * beat - 0.04, seed++), 0.3, -0.15);
  }
  for (const Note& n : kCelesta) {
    track.Place(kMeter.At(n.bar, n.beat), Celesta(MidiHz(n.midi + 12), 1.5), 0.24, 0.25);
  }
  ApplyEcho(track, beat * 0.75, 0.25, 0.12);
  ApplyReverb(track, 0.55, 0.6, 0.45);
  return track;
}

}  // namespace sound
