// The algorithmic composer: turns a song style into a standard MIDI file.
#pragma once

#include "ByteWriter.h"
#include "SongStyles.h"

// MIDI channels of the parts; drums use the General MIDI percussion channel (channel 10, index 9).
inline constexpr int LeadChannel = 0;
inline constexpr int CounterChannel = 1;
inline constexpr int ChordChannel = 2;
inline constexpr int BassChannel = 3;
inline constexpr int DrumChannel = 9;

// A format-1 file: a conductor track, then lead, counter-melody, chords, bass and (unless the style has none) drums.
TBytes ComposeSong(const TSongStyle& style);
