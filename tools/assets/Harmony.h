// Scales, diatonic chords and the composer's dice: the musical ground the song parts stand on.
#pragma once

#include <cstdint>
#include <vector>

#include "SongStyles.h"

// A small deterministic generator (xorshift), so that a style always yields the same song.
class TDice {
public:
  explicit TDice(std::uint32_t seed) : State(seed == 0 ? 1 : seed) {}
  int Roll(int sides);  // 0 .. sides − 1
private:
  std::uint32_t State;
};

// Positions count scale steps from the tonic (7 = the tonic an octave up; negative below it).
class THarmony {
public:
  explicit THarmony(const TSongStyle& style);
  // The MIDI key of a scale position; over the dominant of a minor key the leading note is raised.
  int Key(int position, int chordDegree) const;
  bool IsChordTone(int position, int chordDegree) const;
  // The chord tone nearest to position (the lower one on a tie).
  int NearestChordTone(int position, int chordDegree) const;
  // The chord's keys upwards from its root, the lowest root at or above floor; four notes with the seventh.
  std::vector<int> ChordKeys(int chordDegree, int floor, bool seventh) const;
  int RootKey(int chordDegree, int floor) const;

private:
  int Tonic;
  TMode Mode;
};
