// The eight songs' characters: key, metre, tempo, chords, instruments and grooves that the composer follows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TMode { Major, Minor, Mixolydian };
enum class TAccompaniment { Sustain, Arpeggio, Waltz, Comp, Offbeat };
enum class TBassLine { RootFifth, Pulse, Walking, Bossa, Waltz };
enum class TDrumGroove { None, Soft, Rock, Waltz, Bossa, Shuffle, March };

struct TSongStyle {
  std::string BankName;  // the entry's name in the bank, ending in ".MID"
  std::string Title;
  int Tempo;             // quarter notes per minute
  int BeatsPerBar;       // 3 or 4
  int Tonic;             // MIDI key of the tonic around middle C
  int KeySharps;         // the key signature: sharps (negative for flats)
  TMode Mode;
  std::vector<int> Verse;   // eight chords, one per bar, as scale degrees 0..6
  std::vector<int> Chorus;  // eight chords
  std::string Form;         // sections: I intro, A verse, B chorus, O ending
  bool Sevenths;            // jazz colours in the accompaniment
  bool Swing;               // off-beat eighths played late
  int Density;              // melody: 1 calm, 2 flowing, 3 busy
  int Lead, Counter, Chords, Bass;  // General MIDI programs, 0-based
  TAccompaniment Accompaniment;
  TBassLine BassLine;
  TDrumGroove Drums;
  std::uint32_t Seed;
};

// Song 1 to song 8, in bank order.
const std::vector<TSongStyle>& SongStyles();
