// The recipes of the effects. Peaks sit well below full scale; the frequent ones (jumps, moves) are the quietest.
#include "Effects.h"

#include <cmath>

#include "Synth.h"
#include "WavFile.h"

namespace {

double Note(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

TBytes Done(TSignal signal, double peak) {
  Finish(signal, peak);
  return EncodeWav16(ToPcm16(signal), EffectSampleRate);
}

// A rising C major chime over a soft open fifth.
TBytes StartUp() {
  TSignal s = Silence(1.2);
  const int chime[] = {72, 76, 79, 84};
  for (int i = 0; i < 4; ++i) AddBell(s, 0.11 * i, Note(chime[i]), 0.5, 0.28);
  AddTone(s, 0.0, 1.2, Note(48), Note(48), 0.25, TWave::Sine, {0.25, 0.5});
  AddTone(s, 0.0, 1.2, Note(55), Note(55), 0.18, TWave::Sine, {0.3, 0.45});
  return Done(s, 0.7);
}

// Glass: a bright crack, then tinkling splinters falling away.
TBytes Break() {
  TSignal s = Silence(0.42);
  AddNoise(s, 0.0, 0.18, 0.9, 7000, 2500, 1800, {0.001, 0.035}, 11);
  AddTone(s, 0.0, 0.12, Note(50), Note(38), 0.35, TWave::Sine, {0.002, 0.03});
  const double starts[] = {0.02, 0.05, 0.09, 0.13, 0.18, 0.24};
  const int pitches[] = {100, 96, 103, 98, 94, 101};
  for (int i = 0; i < 6; ++i) AddBell(s, starts[i], Note(pitches[i]), 0.28 - 0.03 * i, 0.03);
  return Done(s, 0.6);
}

// A round "bloop" that rises as the ball appears.
TBytes Create() {
  TSignal s = Silence(0.16);
  AddTone(s, 0.0, 0.16, 300, 780, 0.8, TWave::Sine, {0.006, 0.06});
  AddTone(s, 0.0, 0.16, 600, 1560, 0.15, TWave::Sine, {0.006, 0.04});
  return Done(s, 0.55);
}

// Three quick bell notes climbing a major triad, with a shimmer.
TBytes CreateJoker() {
  TSignal s = Silence(0.34);
  const int notes[] = {88, 92, 95};
  for (int i = 0; i < 3; ++i) AddBell(s, 0.055 * i, Note(notes[i]), 0.4, 0.07);
  AddNoise(s, 0.0, 0.3, 0.12, 9000, 9000, 5000, {0.05, 0.08}, 23);
  return Done(s, 0.55);
}

// A deep thump with a hissing fuse behind it.
TBytes CreateBomb() {
  TSignal s = Silence(0.34);
  AddTone(s, 0.0, 0.22, 170, 60, 0.9, TWave::Sine, {0.004, 0.07});
  AddNoise(s, 0.02, 0.32, 0.35, 6000, 4000, 2500, {0.03, 0.12}, 37);
  return Done(s, 0.6);
}

// A light "boing" as the ball lands.
TBytes Jump() {
  TSignal s = Silence(0.11);
  AddTone(s, 0.0, 0.11, 360, 720, 0.8, TWave::Triangle, {0.003, 0.035});
  return Done(s, 0.42);
}

// Two bright blips, short enough for the joker's quicker hop.
TBytes JumpJoker() {
  TSignal s = Silence(0.1);
  AddTone(s, 0.0, 0.045, Note(81), Note(81), 0.6, TWave::Sine, {0.002, 0.015});
  AddTone(s, 0.045, 0.055, Note(88), Note(88), 0.6, TWave::Sine, {0.002, 0.018});
  return Done(s, 0.4);
}

// A heavy, low landing.
TBytes JumpBomb() {
  TSignal s = Silence(0.13);
  AddTone(s, 0.0, 0.13, 150, 80, 0.9, TWave::Triangle, {0.003, 0.045});
  AddNoise(s, 0.0, 0.05, 0.25, 1200, 400, 80, {0.001, 0.015}, 41);
  return Done(s, 0.5);
}

// A soft whoosh that swells and fades as the ball sets off.
TBytes Move() {
  TSignal s = Silence(0.24);
  AddNoise(s, 0.0, 0.24, 1.0, 500, 2400, 150, {0.09, 0.06}, 53);
  return Done(s, 0.38);
}

// A muted two-note "uh-oh", falling a fourth.
TBytes Stuck() {
  TSignal s = Silence(0.3);
  AddTone(s, 0.0, 0.13, Note(62), Note(62), 0.7, TWave::SoftSquare, {0.008, 0.08});
  AddTone(s, 0.14, 0.16, Note(57), Note(56), 0.7, TWave::SoftSquare, {0.008, 0.09});
  return Done(s, 0.45);
}

// The start-up chime turned downwards: a short goodbye.
TBytes Close() {
  TSignal s = Silence(0.45);
  const int chime[] = {84, 79, 76, 72};
  for (int i = 0; i < 4; ++i) AddBell(s, 0.075 * i, Note(chime[i]), 0.45, 0.09 + 0.02 * i);
  return Done(s, 0.6);
}

}  // namespace

const std::vector<TEffect>& Effects() {
  static const std::vector<TEffect> effects = {
      {"STARTUP.WAV", StartUp},   {"BREAK.WAV", Break},       {"CREATE.WAV", Create},
      {"CREJOKER.WAV", CreateJoker}, {"CREBOMB.WAV", CreateBomb}, {"JUMP.WAV", Jump},
      {"JMPJOKER.WAV", JumpJoker}, {"JMPBOMB.WAV", JumpBomb},  {"MOVE.WAV", Move},
      {"STUCK.WAV", Stuck},       {"CLOSE.WAV", Close},
  };
  return effects;
}
