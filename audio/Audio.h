// The sound layer: a small system of sounds and channels over SDL2_mixer, with
// integer results (0 is success). Every call accepts a null or failed system,
// sound or channel and answers it with a non-zero result instead of failing.
#pragma once

typedef int AudioResult;

enum {
  AUDIO_OK = 0,
  AUDIO_ERR_INVALID_HANDLE = 1,  // null system, sound or channel
  AUDIO_ERR_INIT = 2,            // the system could not start (no device)
  AUDIO_ERR_NOT_INITIALIZED = 3,
  AUDIO_ERR_FILE_NOT_FOUND = 4,
  AUDIO_ERR_FORMAT = 5,          // the file exists but does not decode
  AUDIO_ERR_CHANNEL_ALLOC = 6,   // no free channel
  AUDIO_ERR_CHANNEL_STOLEN = 7,  // the channel has been reused for another sound
  AUDIO_ERR_INVALID_PARAM = 8,   // a channel count or index out of range, a null out-pointer
};

// Modes of a sound.
#define AUDIO_LOOP_OFF 0x01
#define AUDIO_LOOP_NORMAL 0x02
#define AUDIO_HARDWARE 0x20

struct AudioSystem;
struct AudioSound;
struct AudioChannel;

// Streams play on the mixer's single music voice: a stream started while
// another plays replaces it, and the older stream's channel then answers
// AUDIO_ERR_CHANNEL_STOLEN. Samples play on the system's channels.
// Channel handles are tokens (slot and play count), never dereferenced, so a
// handle whose channel has since been reused answers AUDIO_ERR_CHANNEL_STOLEN.
// Only one system can be started at a time (the device is the process's).
// On failure the out-pointers are left as they were.

// ---- System ----
AudioResult AudioSystemCreate(AudioSystem** ppSystem);
AudioResult AudioSystemInit(AudioSystem* pSystem, int maxChannels, unsigned flags);
AudioResult AudioSystemCreateStream(AudioSystem* pSystem, const char* pFileName, unsigned mode, AudioSound** ppSound);
AudioResult AudioSystemCreateSound(AudioSystem* pSystem, const char* pFileName, unsigned mode, AudioSound** ppSound);
// channelIndex -1 picks any free channel.
AudioResult AudioSystemPlaySound(AudioSystem* pSystem, int channelIndex, AudioSound* pSound, bool paused,
                                 AudioChannel** ppChannel);
AudioResult AudioSystemUpdate(AudioSystem* pSystem);
// Closes the device and releases every sound the system still holds.
AudioResult AudioSystemRelease(AudioSystem* pSystem);

// ---- Sounds ----
AudioResult AudioSoundSetMode(AudioSound* pSound, unsigned mode);
AudioResult AudioSoundRelease(AudioSound* pSound);

// ---- Channels ----
AudioResult AudioChannelStop(AudioChannel* pChannel);
AudioResult AudioChannelSetVolume(AudioChannel* pChannel, float volume);
AudioResult AudioChannelIsPlaying(AudioChannel* pChannel, bool* pPlaying);
