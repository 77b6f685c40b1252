// Ogg Vorbis output for the generated sounds.
#pragma once
#include <string>

#include "sounds/Synth.h"

namespace sound {

// Encodes the track (stereo, or mono when `mono`) at 44.1 kHz with a fixed
// stream serial number, so the same samples always give the same bytes.
bool WriteOgg(const std::string& path, const Track& track, bool mono, int serial, float quality);

}  // namespace sound
