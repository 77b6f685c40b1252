// The sound system and its sounds over SDL2_mixer: samples are whole chunks
// on mixer channels, streams go through the mixer's one music voice.
#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <new>

#include "AudioInternal.h"

namespace {
const int kRate = 44100;
const int kChunkFrames = 1024;

bool FileExists(const char* pFileName) {
  FILE* f = std::fopen(pFileName, "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

int Loops(const AudioSound* pSound) {
  return (pSound->mode & AUDIO_LOOP_NORMAL) ? -1 : 0;
}

AudioResult OpenSound(AudioSystem* pSystem, const char* pFileName, unsigned mode, bool stream, AudioSound** ppSound) {
  if (!pSystem) return AUDIO_ERR_INVALID_HANDLE;
  if (!ppSound || !pFileName) return AUDIO_ERR_INVALID_PARAM;
  if (!pSystem->started) return AUDIO_ERR_NOT_INITIALIZED;
  if (!FileExists(pFileName)) return AUDIO_ERR_FILE_NOT_FOUND;

  Mix_Chunk* chunk = nullptr;
  Mix_Music* music = nullptr;
  if (stream) {
    music = Mix_LoadMUS(pFileName);
  } else {
    chunk = Mix_LoadWAV(pFileName);
  }
  if (!chunk && !music) return AUDIO_ERR_FORMAT;

  AudioSound* sound = new (std::nothrow) AudioSound{pSystem, mode, chunk, music, pSystem->sounds};
  if (!sound) {
    if (chunk) Mix_FreeChunk(chunk);
    if (music) Mix_FreeMusic(music);
    return AUDIO_ERR_INVALID_PARAM;
  }
  pSystem->sounds = sound;
  *ppSound = sound;
  return AUDIO_OK;
}

void Unlink(AudioSound* pSound) {
  AudioSound** link = &pSound->system->sounds;
  while (*link && *link != pSound) link = &(*link)->next;
  if (*link) *link = pSound->next;
}

void FreeSound(AudioSound* pSound) {
  AudioSystem* system = pSound->system;
  if (pSound->music) {
    if (system->playingStream == pSound) {
      Mix_HaltMusic();
      system->playingStream = nullptr;
      AudioChannelRetire(AUDIO_MUSIC_SLOT);
    }
    Mix_FreeMusic(pSound->music);
  }
  if (pSound->chunk) Mix_FreeChunk(pSound->chunk);  // halts the channels playing it
  delete pSound;
}

// First mixer channel with nothing on it; else the channel whose one-shot
// sound began first, so a burst of effects never leaves the newest one silent;
// -1 when every channel loops.
int FreeChannel(const AudioSystem* pSystem) {
  int oldest = -1;
  for (int c = 0; c < pSystem->channelCount; ++c) {
    if (!Mix_Playing(c)) return c;
    if (!pSystem->looping[c] && (oldest < 0 || pSystem->startedAt[c] < pSystem->startedAt[oldest])) oldest = c;
  }
  return oldest;
}

// Standard error pointed at /dev/null for the life of the object. ALSA's
// library prints every failed probe of a missing device there; the game
// says it runs silent in one line of its own instead.
class QuietStandardError {
 public:
  QuietStandardError() {
    std::fflush(stderr);
    saved_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~QuietStandardError() {
    std::fflush(stderr);
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_;
};

// Starts SDL's audio and opens the device; false, with nothing left started, when there is none.
bool OpenDevice() {
  QuietStandardError quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_OGG);  // Ogg samples decode without it; streams want it
  if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kChunkFrames) == 0) return true;
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return false;
}

AudioResult PlayStream(AudioSystem* pSystem, AudioSound* pSound, bool paused, AudioChannel** ppChannel) {
  // Starting a stream replaces whatever the music voice plays.
  // A paused start is silent until paused, so the mixer thread cannot sneak a chunk out.
  Mix_VolumeMusic(paused ? 0 : MIX_MAX_VOLUME);
  if (Mix_PlayMusic(pSound->music, Loops(pSound)) != 0) return AUDIO_ERR_FORMAT;
  if (paused) {
    Mix_PauseMusic();
    Mix_VolumeMusic(MIX_MAX_VOLUME);
  }
  pSystem->playingStream = pSound;
  AudioChannel* channel = AudioChannelIssue(AUDIO_MUSIC_SLOT);
  if (ppChannel) *ppChannel = channel;
  return AUDIO_OK;
}

AudioResult PlaySample(AudioSystem* pSystem, int channelIndex, AudioSound* pSound, bool paused,
                       AudioChannel** ppChannel) {
  int c = channelIndex < 0 ? FreeChannel(pSystem) : channelIndex;
  if (c < 0) return AUDIO_ERR_CHANNEL_ALLOC;
  // A new play starts at full volume whatever the channel had (silent until paused, for a paused start).
  Mix_Volume(c, paused ? 0 : MIX_MAX_VOLUME);
  if (Mix_PlayChannel(c, pSound->chunk, Loops(pSound)) < 0) return AUDIO_ERR_CHANNEL_ALLOC;
  pSystem->startedAt[c] = ++pSystem->playCount;
  pSystem->looping[c] = Loops(pSound) != 0;
  if (paused) {
    Mix_Pause(c);
    Mix_Volume(c, MIX_MAX_VOLUME);
  }
  AudioChannel* channel = AudioChannelIssue(c + 1);
  if (ppChannel) *ppChannel = channel;
  return AUDIO_OK;
}
}  // namespace

AudioResult AudioSystemCreate(AudioSystem** ppSystem) {
  if (!ppSystem) return AUDIO_ERR_INVALID_PARAM;
  AudioSystem* system = new (std::nothrow) AudioSystem{};
  if (!system) return AUDIO_ERR_INIT;
  *ppSystem = system;
  return AUDIO_OK;
}

AudioResult AudioSystemInit(AudioSystem* pSystem, int maxChannels, unsigned flags) {
  (void)flags;
  if (!pSystem) return AUDIO_ERR_INVALID_HANDLE;
  if (maxChannels < 1 || maxChannels > AUDIO_MAX_CHANNELS) return AUDIO_ERR_INVALID_PARAM;
  if (pSystem->started || gAudioStarted) return AUDIO_ERR_INIT;

  if (!OpenDevice()) return AUDIO_ERR_INIT;
  Mix_AllocateChannels(maxChannels);
  pSystem->started = true;
  pSystem->channelCount = maxChannels;
  gAudioStarted = pSystem;
  return AUDIO_OK;
}

AudioResult AudioSystemCreateStream(AudioSystem* pSystem, const char* pFileName, unsigned mode, AudioSound** ppSound) {
  return OpenSound(pSystem, pFileName, mode, true, ppSound);
}

AudioResult AudioSystemCreateSound(AudioSystem* pSystem, const char* pFileName, unsigned mode, AudioSound** ppSound) {
  return OpenSound(pSystem, pFileName, mode, false, ppSound);
}

AudioResult AudioSystemPlaySound(AudioSystem* pSystem, int channelIndex, AudioSound* pSound, bool paused,
                                 AudioChannel** ppChannel) {
  if (!pSystem || !pSound || pSound->system != pSystem) return AUDIO_ERR_INVALID_HANDLE;
  if (!pSystem->started) return AUDIO_ERR_NOT_INITIALIZED;
  if (channelIndex < -1 || channelIndex >= pSystem->channelCount) return AUDIO_ERR_INVALID_PARAM;
  if (pSound->music) return PlayStream(pSystem, pSound, paused, ppChannel);
  return PlaySample(pSystem, channelIndex, pSound, paused, ppChannel);
}

AudioResult AudioSystemUpdate(AudioSystem* pSystem) {
  if (!pSystem) return AUDIO_ERR_INVALID_HANDLE;
  if (!pSystem->started) return AUDIO_ERR_NOT_INITIALIZED;
  // The mixer runs on its own thread; all that is left is noticing a stream that ended.
  if (pSystem->playingStream && !Mix_PlayingMusic()) pSystem->playingStream = nullptr;
  return AUDIO_OK;
}

AudioResult AudioSystemRelease(AudioSystem* pSystem) {
  if (!pSystem) return AUDIO_ERR_INVALID_HANDLE;
  if (pSystem->started) {
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    while (pSystem->sounds) {
      AudioSound* sound = pSystem->sounds;
      pSystem->sounds = sound->next;
      FreeSound(sound);
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    gAudioStarted = nullptr;
  }
  delete pSystem;
  return AUDIO_OK;
}

AudioResult AudioSoundSetMode(AudioSound* pSound, unsigned mode) {
  if (!pSound) return AUDIO_ERR_INVALID_HANDLE;
  const unsigned loopBits = AUDIO_LOOP_OFF | AUDIO_LOOP_NORMAL;
  // A loop bit replaces the other; the rest of the mode is kept.
  if (mode & loopBits) pSound->mode = (pSound->mode & ~loopBits) | (mode & loopBits);
  pSound->mode |= mode & ~loopBits;
  return AUDIO_OK;
}

AudioResult AudioSoundRelease(AudioSound* pSound) {
  if (!pSound) return AUDIO_ERR_INVALID_HANDLE;
  Unlink(pSound);
  FreeSound(pSound);
  return AUDIO_OK;
}
