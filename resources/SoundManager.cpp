// The game's single owner of audio: opens the ten sounds at first use and
// plays music (looped, on the music channel) and effects (once).
#include "resources/SoundManager.h"

#include <cstdio>

namespace {
struct SoundFile {
  int id;
  const char* path;
  bool stream;
};

// Opening order; release follows it too. LoseBG comes last although its id is 0.
const SoundFile kSoundFiles[SOUND_COUNT] = {
    {SOUND_MENU_BG, "Resources/Sound/MenuBG.ogg", true},
    {SOUND_LEVEL_BG, "Resources/Sound/LevelBG.ogg", true},
    {SOUND_TOWER_BUILD, "Resources/Sound/TowerBuild.ogg", false},
    {SOUND_SELL, "Resources/Sound/SellBG.ogg", false},
    {SOUND_MONSTER_DIE, "Resources/Sound/MonsterDie.ogg", false},
    {SOUND_BUTTON_CLICK, "Resources/Sound/ButtonClick.ogg", false},
    {SOUND_WARNING, "Resources/Sound/Warning.ogg", false},
    {SOUND_LOSE_LIFE, "Resources/Sound/LoseLife.ogg", false},
    {SOUND_WIN_BG, "Resources/Sound/WinBG.ogg", true},
    {SOUND_LOSE_BG, "Resources/Sound/LoseBG.ogg", false},
};
}  // namespace

SoundManager* SoundManager::GetInstance() {
  static SoundManager instance;
  return &instance;
}

SoundManager::SoundManager()
    : result(AUDIO_OK), system(nullptr), sounds(), musicChannel(nullptr), effectChannel(nullptr), soundEnabled(true) {
  result = AudioSystemCreate(&system);
  if (result == AUDIO_OK) result = AudioSystemInit(system, 32, 0);
  if (result != AUDIO_OK) {
    // Every later call would fail the same way, each with its own line: say it once.
    ErrorCheck(result);
    std::printf("No sound device: the game runs silent.\n");
    AudioSystemRelease(system);
    system = nullptr;
    return;
  }
  for (const SoundFile& f : kSoundFiles) {
    if (f.stream) {
      result = AudioSystemCreateStream(system, f.path, AUDIO_HARDWARE, &sounds[f.id]);
    } else {
      result = AudioSystemCreateSound(system, f.path, AUDIO_HARDWARE, &sounds[f.id]);
    }
    ErrorCheck(result);
  }
}

// The system itself is left to the process exit.
SoundManager::~SoundManager() {
  for (const SoundFile& f : kSoundFiles) {
    if (!sounds[f.id]) continue;
    result = AudioSoundRelease(sounds[f.id]);
    ErrorCheck(result);
    sounds[f.id] = nullptr;
  }
}

AudioSound* SoundManager::GetSound(int id) {
  return id >= 0 && id < SOUND_COUNT ? sounds[id] : nullptr;
}

void SoundManager::Play(AudioSound* sound) {
  if (!soundEnabled || !system) return;
  bool music = sound == sounds[SOUND_MENU_BG] || sound == sounds[SOUND_LEVEL_BG] || sound == sounds[SOUND_WIN_BG];
  if (music) {
    AudioSoundSetMode(sound, AUDIO_LOOP_NORMAL);
    result = AudioSystemPlaySound(system, -1, sound, false, &musicChannel);
  } else {
    result = AudioSystemPlaySound(system, -1, sound, false, &effectChannel);
  }
  ErrorCheck(result);
}

void SoundManager::Stop() {
  AudioChannelStop(musicChannel);
  AudioChannelStop(effectChannel);
}

void SoundManager::SetVolume(float volume) {
  AudioChannelSetVolume(musicChannel, volume);
  AudioChannelSetVolume(effectChannel, volume);
}

void SoundManager::Update() {
  AudioSystemUpdate(system);
}

void SoundManager::ErrorCheck(AudioResult code) {
  if (code != AUDIO_OK) std::printf("FMOD error! << (%d)\n", code);
}
