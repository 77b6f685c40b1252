// Every screen of the game, the playing level included, is a state.
#pragma once

class BaseLevel {
 public:
  virtual ~BaseLevel() {}
  virtual void Load() = 0;        // once, on entry
  virtual void Initialize() = 0;  // on entry and on every restart
  virtual void Update() = 0;
  virtual void Draw() = 0;
  virtual void Free() = 0;    // undoes Initialize: on leaving and on restart
  virtual void Unload() = 0;  // undoes Load: on leaving
};
