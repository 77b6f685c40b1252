// Channel handles: tokens of a slot and its play count, checked on every use
// so that a handle whose channel went to another sound touches nothing.
#include <cstdint>

#include "AudioInternal.h"

AudioSystem* gAudioStarted = nullptr;

namespace {
const int kSlotBits = 11;  // slots 0..AUDIO_MAX_CHANNELS, stored plus one so no token is null
const uintptr_t kSlotMask = (uintptr_t(1) << kSlotBits) - 1;
// Play counts outlive systems, so a token of a released system never matches a later play.
uintptr_t slotPlays[AUDIO_MAX_CHANNELS + 1];

AudioChannel* MakeToken(int slot) {
  uintptr_t token = (slotPlays[slot] << kSlotBits) | uintptr_t(slot + 1);
  return reinterpret_cast<AudioChannel*>(token);
}

// The slot a live token names, or a non-zero result.
AudioResult Resolve(AudioChannel* pChannel, int* pSlot) {
  if (!pChannel) return AUDIO_ERR_INVALID_HANDLE;
  if (!gAudioStarted) return AUDIO_ERR_NOT_INITIALIZED;
  uintptr_t token = reinterpret_cast<uintptr_t>(pChannel);
  int slot = int(token & kSlotMask) - 1;
  if (slot < 0 || slot > gAudioStarted->channelCount) return AUDIO_ERR_INVALID_HANDLE;
  uintptr_t plays = token >> kSlotBits;
  if (plays != (slotPlays[slot] & (~uintptr_t(0) >> kSlotBits))) return AUDIO_ERR_CHANNEL_STOLEN;
  *pSlot = slot;
  return AUDIO_OK;
}

int Volume(float volume) {
  if (!(volume > 0.0f)) return 0;  // NaN mutes too
  if (volume >= 1.0f) return MIX_MAX_VOLUME;
  return int(volume * MIX_MAX_VOLUME + 0.5f);
}
}  // namespace

AudioChannel* AudioChannelIssue(int slot) {
  ++slotPlays[slot];
  return MakeToken(slot);
}

void AudioChannelRetire(int slot) {
  ++slotPlays[slot];
}

AudioResult AudioChannelStop(AudioChannel* pChannel) {
  int slot = 0;
  AudioResult r = Resolve(pChannel, &slot);
  if (r != AUDIO_OK) return r;
  if (slot == AUDIO_MUSIC_SLOT) {
    Mix_HaltMusic();
    gAudioStarted->playingStream = nullptr;
  } else {
    Mix_HaltChannel(slot - 1);
  }
  return AUDIO_OK;
}

AudioResult AudioChannelSetVolume(AudioChannel* pChannel, float volume) {
  int slot = 0;
  AudioResult r = Resolve(pChannel, &slot);
  if (r != AUDIO_OK) return r;
  if (slot == AUDIO_MUSIC_SLOT) {
    Mix_VolumeMusic(Volume(volume));
  } else {
    Mix_Volume(slot - 1, Volume(volume));
  }
  return AUDIO_OK;
}

AudioResult AudioChannelIsPlaying(AudioChannel* pChannel, bool* pPlaying) {
  if (!pPlaying) return AUDIO_ERR_INVALID_PARAM;
  int slot = 0;
  AudioResult r = Resolve(pChannel, &slot);
  if (r != AUDIO_OK) return r;
  if (slot == AUDIO_MUSIC_SLOT) {
    *pPlaying = Mix_PlayingMusic() != 0;
  } else {
    *pPlaying = Mix_Playing(slot - 1) != 0;
  }
  return AUDIO_OK;
}
