// Bars and beats to seconds, and the note tables the themes are written in.
#pragma once

namespace sound {

struct Meter {
  double bpm;
  int beatsPerBar;
  double Beat() const { return 60.0 / bpm; }
  // Bars count from 1, beats within a bar from 0, as the tables read.
  double At(int bar, double beat) const { return ((bar - 1) * beatsPerBar + beat) * Beat(); }
  double Length(int bars) const { return bars * beatsPerBar * Beat(); }
};

struct Note {
  int bar;
  double beat;
  int midi;
  double beats;
};

struct Chord {
  int root;  // MIDI number of the root in the bass octave
  bool minor;
  int Third() const { return root + (minor ? 3 : 4); }
  int Fifth() const { return root + 7; }
};

}  // namespace sound
