// The instruments of the soundtrack, one mono note at a time: plucked harp,
// celesta and bells, flute, string pad, brass, bass and a small drum kit.
#pragma once
#include <cstdint>

#include "sounds/Synth.h"

namespace sound {

// One sine partial of an additive voice: frequency ratio, level, decay time in seconds.
struct Partial {
  double ratio, amplitude, decay;
};
Mono Additive(double hz, double seconds, const Partial* partials, int count, double attack);

Mono Harp(double hz, double seconds, double brightness);
Mono Celesta(double hz, double seconds);
Mono Bell(double hz, double seconds);
Mono Flute(double hz, double held, uint32_t seed);
Mono Pad(double hz, double held, double cutoff);
Mono Brass(double hz, double held);
Mono Bass(double hz, double held);

Mono Kick(double punch);
Mono FrameDrum(uint32_t seed);
Mono Hat(uint32_t seed, double seconds);
Mono Timpani(double hz, double seconds);

// Chord and note helpers: every note of `notes` (MIDI numbers) through `voice`.
template <typename Voice>
void PlaceChord(Track& track, double at, const int* notes, int count, double gain, double spread, Voice voice) {
  for (int i = 0; i < count; ++i) {
    double pan = count > 1 ? spread * (2.0 * i / (count - 1) - 1.0) : 0.0;
    track.Place(at, voice(MidiHz(notes[i])), gain, pan);
  }
}

}  // namespace sound
