// Rhythm first, then pitch: bars 3 and 5–7 reuse the rhythms of bars 1–3, so the tune has a shape the ear can follow.
#include "Melody.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace {

using TRhythm = std::vector<int>;  // note lengths in eighths, filling one bar

const std::vector<TRhythm>& Rhythms(int beatsPerBar, int density) {
  static const std::array<std::vector<TRhythm>, 3> Four = {{
      {{4, 4}, {2, 2, 4}, {4, 2, 2}, {6, 2}, {3, 1, 4}},
      {{2, 2, 2, 2}, {3, 1, 2, 2}, {2, 1, 1, 4}, {2, 2, 4}, {1, 1, 2, 4}},
      {{1, 1, 1, 1, 2, 2}, {2, 1, 1, 2, 2}, {1, 1, 2, 1, 1, 2}, {3, 1, 3, 1}, {2, 2, 1, 1, 2}},
  }};
  static const std::array<std::vector<TRhythm>, 3> Three = {{
      {{6}, {4, 2}, {2, 4}},
      {{2, 1, 1, 2}, {3, 1, 2}, {2, 2, 2}, {4, 2}},
      {{1, 1, 1, 1, 2}, {2, 1, 1, 1, 1}, {2, 2, 1, 1}},
  }};
  return (beatsPerBar == 3 ? Three : Four)[static_cast<std::size_t>(std::clamp(density, 1, 3) - 1)];
}

// Bar 4 pauses on a half cadence; bar 8 holds the final note.
TRhythm CadenceRhythm(int beatsPerBar, bool final) {
  if (beatsPerBar == 3) return final ? TRhythm{6} : TRhythm{2, 4};
  return final ? TRhythm{8} : TRhythm{2, 2, 4};
}

// The arch of the tune: it climbs through the first phrase, peaks early in the second and settles.
constexpr std::array<int, 8> Contour = {0, 1, 2, 1, 2, 3, 1, 0};

}  // namespace

std::vector<TMelodyNote> ComposeMelody(const THarmony& harmony, const std::vector<int>& chords, int beatsPerBar,
                                       int density, int lift, TDice& dice) {
  assert(chords.size() == 8);
  const int eighthsPerBar = beatsPerBar * 2;
  std::array<TRhythm, 8> rhythms;
  const auto& choices = Rhythms(beatsPerBar, density);
  for (int bar : {0, 1}) rhythms[static_cast<std::size_t>(bar)] = choices[static_cast<std::size_t>(dice.Roll(static_cast<int>(choices.size())))];
  rhythms[2] = rhythms[0];
  rhythms[3] = CadenceRhythm(beatsPerBar, false);
  for (int bar : {4, 5, 6}) rhythms[static_cast<std::size_t>(bar)] = rhythms[static_cast<std::size_t>(bar - 4)];
  rhythms[7] = CadenceRhythm(beatsPerBar, true);

  const int low = lift - 1;
  const int high = lift + 9;
  int position = harmony.NearestChordTone(lift + 4, chords[0]);
  std::vector<TMelodyNote> melody;
  for (int bar = 0; bar < 8; ++bar) {
    const int chord = chords[static_cast<std::size_t>(bar)];
    const int target = lift + 2 + 2 * Contour[static_cast<std::size_t>(bar)];
    int eighth = 0;
    for (int length : rhythms[static_cast<std::size_t>(bar)]) {
      static const std::array<int, 7> Steps = {-2, -1, -1, 0, 1, 1, 2};
      int step = Steps[static_cast<std::size_t>(dice.Roll(7))];
      if (position < target - 1 && step < 0) step = -step;
      if (position > target + 1 && step > 0) step = -step;
      position = std::clamp(position + step, low, high);
      const bool strong = eighth % 4 == 0 || length >= 4;
      if (strong) position = harmony.NearestChordTone(position, chord);
      melody.push_back({bar * eighthsPerBar + eighth, length, position});
      eighth += length;
    }
  }
  // The tune comes home to the tonic nearest to where it ended.
  TMelodyNote& last = melody.back();
  last.Position = (last.Position + 3) / 7 * 7;
  return melody;
}
