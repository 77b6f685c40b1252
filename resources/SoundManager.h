// The game's single owner of audio: music on one channel, effects on another.
#pragma once
#include "Audio.h"

enum SoundId {
  SOUND_LOSE_BG = 0,
  SOUND_MENU_BG = 1,
  SOUND_LEVEL_BG = 2,
  SOUND_TOWER_BUILD = 3,
  SOUND_SELL = 4,
  SOUND_MONSTER_DIE = 5,
  SOUND_BUTTON_CLICK = 6,
  SOUND_WARNING = 7,
  SOUND_LOSE_LIFE = 8,
  SOUND_WIN_BG = 9,
  SOUND_COUNT = 10,
};

class SoundManager {
 public:
  static SoundManager* GetInstance();

  AudioSound* GetSound(int id);  // null for an id outside the table
  // Music ids loop on the music channel; the rest play once. Without a device, nothing and no line.
  void Play(AudioSound* sound);
  void Stop();                   // stops the music and the effect channel
  void SetVolume(float volume);  // both channels; the pause menu halves it
  void Update();
  void ErrorCheck(AudioResult code);

  AudioResult result;
  AudioSystem* system;  // null without a sound device: the game runs silent
  AudioSound* sounds[SOUND_COUNT];
  AudioChannel* musicChannel;
  AudioChannel* effectChannel;
  bool soundEnabled;

 private:
  SoundManager();
  ~SoundManager();
};
