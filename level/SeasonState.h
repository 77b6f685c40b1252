// The season in force, the season the ground shows, and whether the ground
// is being redrawn from one to the other.
#pragma once

class SeasonState {
 public:
  static SeasonState& GetInstance();

  // A new random season 1..4 (it may equal the old one); starts a sweep when
  // it differs from the season shown.
  void RollSeason();

  int currentSeason;  // 1 Spring, 2 Summer, 3 Autumn, 4 Winter
  int shownSeason;
  bool seasonSweep;

 private:
  SeasonState();
};

// Reseeds from the whole seconds of the clock, then draws 0..32767: every draw
// within the same second repeats the same sequence.
int ReseedAndDraw();
