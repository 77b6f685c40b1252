// Inside the sound layer: the objects behind the opaque handles of Audio.h.
#pragma once
#include <SDL_mixer.h>

#include <cstdint>

#include "Audio.h"

// Mixer channels a system may ask for; slot 0 of the channel tokens is the music voice.
enum { AUDIO_MAX_CHANNELS = 1024, AUDIO_MUSIC_SLOT = 0 };

struct AudioSound {
  AudioSystem* system;
  unsigned mode;
  Mix_Chunk* chunk;  // samples
  Mix_Music* music;  // streams
  AudioSound* next;  // the system's list of open sounds
};

struct AudioSystem {
  bool started;
  int channelCount;
  AudioSound* sounds;
  AudioSound* playingStream;  // what the music voice was last given
  // When every channel is busy, the oldest one-shot sample gives way to the new one.
  uint64_t playCount;
  uint64_t startedAt[AUDIO_MAX_CHANNELS];  // playCount when each channel's sound began
  bool looping[AUDIO_MAX_CHANNELS];
};

// The one started system (the mixer device belongs to the process), or null.
extern AudioSystem* gAudioStarted;

// A new token for a play on a slot (mixer channel + 1, or the music slot); older tokens of the slot go stale.
AudioChannel* AudioChannelIssue(int slot);
// Invalidates every token of a slot that is still out, without issuing a new one.
void AudioChannelRetire(int slot);
