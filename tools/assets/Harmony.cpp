// Diatonic harmony over three modes; chords are stacked thirds of the scale.
#include "Harmony.h"

#include <array>
#include <cstdlib>

namespace {

const std::array<int, 7>& Steps(TMode mode) {
  static const std::array<int, 7> Major = {0, 2, 4, 5, 7, 9, 11};
  static const std::array<int, 7> Minor = {0, 2, 3, 5, 7, 8, 10};
  static const std::array<int, 7> Mixolydian = {0, 2, 4, 5, 7, 9, 10};
  return mode == TMode::Minor ? Minor : mode == TMode::Mixolydian ? Mixolydian : Major;
}

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int Modulo(int a, int b) { return a - FloorDiv(a, b) * b; }

}  // namespace

int TDice::Roll(int sides) {
  State ^= State << 13;
  State ^= State >> 17;
  State ^= State << 5;
  return static_cast<int>(State % static_cast<std::uint32_t>(sides));
}

THarmony::THarmony(const TSongStyle& style) : Tonic(style.Tonic), Mode(style.Mode) {}

int THarmony::Key(int position, int chordDegree) const {
  const int step = Modulo(position, 7);
  int key = Tonic + 12 * FloorDiv(position, 7) + Steps(Mode)[static_cast<std::size_t>(step)];
  if (Mode == TMode::Minor && chordDegree == 4 && step == 6) ++key;
  return key;
}

bool THarmony::IsChordTone(int position, int chordDegree) const {
  const int offset = Modulo(position - chordDegree, 7);
  return offset == 0 || offset == 2 || offset == 4;
}

int THarmony::NearestChordTone(int position, int chordDegree) const {
  for (int distance = 0;; ++distance) {
    if (IsChordTone(position - distance, chordDegree)) return position - distance;
    if (IsChordTone(position + distance, chordDegree)) return position + distance;
  }
}

int THarmony::RootKey(int chordDegree, int floor) const {
  int key = Key(chordDegree, chordDegree);
  while (key < floor) key += 12;
  while (key - 12 >= floor) key -= 12;
  return key;
}

std::vector<int> THarmony::ChordKeys(int chordDegree, int floor, bool seventh) const {
  const int shift = RootKey(chordDegree, floor) - Key(chordDegree, chordDegree);
  std::vector<int> keys;
  for (int third = 0; third < (seventh ? 4 : 3); ++third)
    keys.push_back(Key(chordDegree + 2 * third, chordDegree) + shift);
  return keys;
}
