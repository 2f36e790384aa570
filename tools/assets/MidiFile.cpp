// Collects events unordered, then sorts them stably so that a note ending where the next begins never cuts it off.
#include "MidiFile.h"

#include <algorithm>
#include <cassert>
#include <cmath>

void PutVariableLength(TBytes& out, std::uint32_t value) {
  assert(value <= 0x0FFFFFFF);
  std::uint8_t groups[4];
  int count = 0;
  do {
    groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1) out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
  out.push_back(groups[0]);
}

void TMidiTrack::Add(std::uint32_t tick, int order, TBytes data) {
  Events.push_back({tick, order, Events.size(), std::move(data)});
}

void TMidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  assert(key >= 0 && key <= 127 && velocity >= 1 && velocity <= 127 && length > 0);
  const auto status = static_cast<std::uint8_t>(channel);
  Add(tick, 2, {static_cast<std::uint8_t>(0x90 | status), static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(velocity)});
  Add(tick + length, 1, {static_cast<std::uint8_t>(0x80 | status), static_cast<std::uint8_t>(key), 64});
}

void TMidiTrack::Program(std::uint32_t tick, int channel, int program) {
  Add(tick, 2, {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program)});
}

void TMidiTrack::Control(std::uint32_t tick, int channel, int controller, int value) {
  Add(tick, 2, {static_cast<std::uint8_t>(0xB0 | channel), static_cast<std::uint8_t>(controller),
                static_cast<std::uint8_t>(value)});
}

void TMidiTrack::Tempo(std::uint32_t tick, double beatsPerMinute) {
  const auto microseconds = static_cast<std::uint32_t>(std::lround(60000000.0 / beatsPerMinute));
  Add(tick, 0, {0xFF, 0x51, 3, static_cast<std::uint8_t>(microseconds >> 16),
                static_cast<std::uint8_t>(microseconds >> 8), static_cast<std::uint8_t>(microseconds)});
}

void TMidiTrack::TimeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit) {
  const int power = beatUnit == 8 ? 3 : 2;
  Add(tick, 0, {0xFF, 0x58, 4, static_cast<std::uint8_t>(beatsPerBar), static_cast<std::uint8_t>(power), 24, 8});
}

void TMidiTrack::KeySignature(std::uint32_t tick, int sharps, bool minor) {
  Add(tick, 0, {0xFF, 0x59, 2, static_cast<std::uint8_t>(static_cast<std::int8_t>(sharps)),
                static_cast<std::uint8_t>(minor ? 1 : 0)});
}

void TMidiTrack::Name(const std::string& name) {
  TBytes data{0xFF, 0x03};
  PutVariableLength(data, static_cast<std::uint32_t>(name.size()));
  PutText(data, name);
  Add(0, 0, std::move(data));
}

TBytes TMidiTrack::Encode() const {
  std::vector<TEvent> sorted = Events;
  std::sort(sorted.begin(), sorted.end(), [](const TEvent& a, const TEvent& b) {
    if (a.Tick != b.Tick) return a.Tick < b.Tick;
    if (a.Order != b.Order) return a.Order < b.Order;
    return a.Sequence < b.Sequence;
  });
  TBytes body;
  std::uint32_t now = 0;
  for (const TEvent& event : sorted) {
    PutVariableLength(body, event.Tick - now);
    body.insert(body.end(), event.Data.begin(), event.Data.end());
    now = event.Tick;
  }
  PutVariableLength(body, 0);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  TBytes chunk;
  PutText(chunk, "MTrk");
  PutBE32(chunk, static_cast<std::uint32_t>(body.size()));
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

TBytes EncodeMidiFile(const std::vector<TMidiTrack>& tracks) {
  TBytes out;
  PutText(out, "MThd");
  PutBE32(out, 6);
  PutBE16(out, 1);
  PutBE16(out, static_cast<std::uint32_t>(tracks.size()));
  PutBE16(out, TicksPerQuarter);
  for (const TMidiTrack& track : tracks) {
    const TBytes chunk = track.Encode();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}
