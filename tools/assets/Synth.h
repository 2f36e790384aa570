// A small additive and subtractive synthesiser for the sound effects: tones with pitch glides, bells, filtered noise.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr int EffectSampleRate = 22050;

using TSignal = std::vector<double>;

enum class TWave { Sine, Triangle, SoftSquare };

// Linear attack, then exponential decay with the given time constant (seconds).
struct TEnvelope {
  double Attack;
  double Decay;
};

// A signal of the given length in silence; the sounds added to it are cut at its end.
TSignal Silence(double seconds);

// Adds a tone from start for length seconds whose pitch glides exponentially from f0 to f1 (Hz).
void AddTone(TSignal& signal, double start, double length, double f0, double f1, double amplitude, TWave wave,
             TEnvelope envelope);

// Adds a bell: inharmonic partials that die away faster the higher they are.
void AddBell(TSignal& signal, double start, double frequency, double amplitude, double decay);

// Adds noise through a low-pass whose cutoff moves from cutoff0 to cutoff1 (Hz); highPass removes what lies below it.
void AddNoise(TSignal& signal, double start, double length, double amplitude, double cutoff0, double cutoff1,
              double highPass, TEnvelope envelope, std::uint32_t seed);

// Scales the signal so that its largest magnitude is peak (0..1) and fades its last few milliseconds out.
void Finish(TSignal& signal, double peak);

// Rounds to 16-bit samples, clamping at full scale.
std::vector<std::int16_t> ToPcm16(const TSignal& signal);
