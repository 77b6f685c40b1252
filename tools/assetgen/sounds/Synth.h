// The synthesis toolkit behind the generated sounds: noise, filters, envelopes,
// a stereo track that can wrap around as a loop, reverb, delay and levels.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sound {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// A mono stretch of samples: one note or one hit, placed on a track later.
typedef std::vector<float> Mono;

double MidiHz(double note);  // 69 = A4 = 440 Hz
size_t Samples(double seconds);

// Deterministic white noise (xorshift32); never the C library's generator.
class WhiteNoise {
 public:
  explicit WhiteNoise(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  float Next();      // [-1, 1)
  double Uniform();  // [0, 1)

 private:
  uint32_t state_;
};

// Attack, decay to a sustain level, hold until `release` seconds, then release.
// Curves are shaped so that a note never starts or stops with a step.
double Envelope(double t, double attack, double decay, double sustain, double releaseAt, double release);

class OnePole {
 public:
  void SetLowpass(double hz);
  float Lowpass(float x);
  float Highpass(float x) { return x - Lowpass(x); }

 private:
  float a_ = 1.0f, z_ = 0.0f;
};

// Second-order filter (RBJ cookbook forms).
class Biquad {
 public:
  void SetLowpass(double hz, double q);
  void SetHighpass(double hz, double q);
  void SetBandpass(double hz, double q);
  float Process(float x);

 private:
  void Set(double b0, double b1, double b2, double a0, double a1, double a2);
  float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Band-limited sawtooth (polyBLEP), phase in cycles.
float SawBlep(double phase, double increment);

// A stereo track. A loop wraps every write past its end around to its start,
// so a note ringing over the loop point sounds in the head of the loop.
struct Track {
  Track(double seconds, bool looping);
  size_t Length() const { return left.size(); }
  // Adds a mono note at `seconds` with equal-power panning (-1 left .. 1 right).
  void Place(double seconds, const Mono& note, double gain, double pan);
  std::vector<float> left, right;
  bool loop;
};

// Freeverb-style room. On a loop the reverb runs over two laps and keeps the
// second, so the tail of the end rings on into the start.
void ApplyReverb(Track& track, double roomSize, double damping, double wet);
// Stereo echo that alternates sides; wraps on a loop like the reverb.
void ApplyEcho(Track& track, double delaySeconds, double feedback, double wet);

// Lets the end of a one-shot sound die away instead of stopping short.
void FadeOut(Track& track, double seconds);

double Peak(const Track& track);
double Rms(const Track& track);
// Loudness of a short sound: its loudest 100 ms, about the span over which the
// ear sums loudness; a sound shorter than that counts the silence after it.
double LoudestRms(const Track& track);
void Scale(Track& track, double gain);
// Brings the track to `targetDb` (of `loudness`), lowering it if its peak would pass `peakLimit`.
void Normalise(Track& track, double targetDb, bool shortSound, double peakLimit);

}  // namespace sound
