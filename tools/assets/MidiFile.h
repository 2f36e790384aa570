// Standard MIDI files (format 1): tracks of timed events, encoded with delta times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ByteWriter.h"

inline constexpr int TicksPerQuarter = 480;

// Appends a MIDI variable-length quantity (7 bits per byte, high bit set on all but the last).
void PutVariableLength(TBytes& out, std::uint32_t value);

class TMidiTrack {
public:
  void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
  void Program(std::uint32_t tick, int channel, int program);
  void Control(std::uint32_t tick, int channel, int controller, int value);
  void Tempo(std::uint32_t tick, double beatsPerMinute);
  void TimeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit);
  // sharps: −7..7 (negative for flats); minor: the key is minor.
  void KeySignature(std::uint32_t tick, int sharps, bool minor);
  void Name(const std::string& name);
  // The MTrk chunk: events in time order (at equal times note-offs first), then End of Track.
  TBytes Encode() const;

private:
  struct TEvent {
    std::uint32_t Tick;
    int Order;  // ties at one tick: meta, then note-offs, then the rest
    std::uint64_t Sequence;
    TBytes Data;
  };
  void Add(std::uint32_t tick, int order, TBytes data);
  std::vector<TEvent> Events;
};

// The MThd header (format 1, the given tracks) followed by the track chunks.
TBytes EncodeMidiFile(const std::vector<TMidiTrack>& tracks);
