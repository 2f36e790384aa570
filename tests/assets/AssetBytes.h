// Helpers of the asset tests: reading resources and files, little/big-endian fields, and a small MIDI reader.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// Image plugins and the font database need a GUI application object; made once, on first need.
void EnsureApplication();

QByteArray ReadResource(const QString& path);
QByteArray ReadWholeFile(const std::string& path);

std::uint32_t LE16(const QByteArray& bytes, int at);
std::uint32_t LE32(const QByteArray& bytes, int at);
std::uint32_t BE16(const QByteArray& bytes, int at);
std::uint32_t BE32(const QByteArray& bytes, int at);

// What the asset tests need to know of a standard MIDI file; Error is non-empty when it is malformed.
struct TMidiSummary {
  std::string Error;
  int Format = -1;
  int DeclaredTracks = 0;
  int Tracks = 0;
  int Division = 0;
  double Seconds = 0;          // until the last event, following the tempo changes
  int FirstTempo = 0;          // quarter notes per minute
  int KeySharps = 99;
  bool KeyMinor = false;
  int Programs[16];            // first program change per channel, −1 for none
  int NotesPerChannel[16];
  int LowestKey = 128, HighestKey = -1;  // melodic channels only
  int UnmatchedNotes = 0;      // note-ons never switched off, or offs without an on
};

TMidiSummary SummariseMidi(const QByteArray& bytes);
