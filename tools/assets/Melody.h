// Melodies of eight bars: two four-bar phrases with shared rhythm, chord tones on strong beats, steps between.
#pragma once

#include <vector>

#include "Harmony.h"

struct TMelodyNote {
  int Eighth;    // start, in eighth notes from the section's start
  int Length;    // in eighth notes
  int Position;  // scale position (see THarmony)
};

// A melody over chords (one per bar); lift raises its register by scale steps; the last note is the tonic.
std::vector<TMelodyNote> ComposeMelody(const THarmony& harmony, const std::vector<int>& chords, int beatsPerBar,
                                       int density, int lift, TDice& dice);
