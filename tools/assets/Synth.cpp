// Sample-by-sample synthesis in doubles; every source is deterministic (the noise comes from a seeded LCG).
#include "Synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double FadeSeconds = 0.004;

double Envelope(const TEnvelope& envelope, double t, double length) {
  double level = t < envelope.Attack ? t / envelope.Attack : std::exp(-(t - envelope.Attack) / envelope.Decay);
  // Short fades at both ends keep every partial sound free of clicks.
  const double tail = length - t;
  if (tail < FadeSeconds) level *= std::max(0.0, tail / FadeSeconds);
  return level;
}

double Wave(TWave wave, double phase) {
  switch (wave) {
    case TWave::Sine: return std::sin(2 * std::numbers::pi * phase);
    case TWave::Triangle: {
      const double p = phase - std::floor(phase);
      return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    }
    case TWave::SoftSquare: {
      double sum = 0;
      for (int n = 1; n <= 7; n += 2) sum += std::sin(2 * std::numbers::pi * n * phase) / n;
      return sum * 0.9;
    }
  }
  return 0;
}

std::size_t SampleAt(double seconds) { return static_cast<std::size_t>(std::lround(seconds * EffectSampleRate)); }

// How many of count samples from first fit into the signal: an effect's length is set by its Silence, and sounds
// that would ring on are cut there (Finish fades the cut).
std::size_t FittingCount(const TSignal& signal, std::size_t first, std::size_t count) {
  return first >= signal.size() ? 0 : std::min(count, signal.size() - first);
}

}  // namespace

TSignal Silence(double seconds) { return TSignal(SampleAt(seconds), 0.0); }

void AddTone(TSignal& signal, double start, double length, double f0, double f1, double amplitude, TWave wave,
             TEnvelope envelope) {
  const std::size_t first = SampleAt(start);
  const std::size_t count = FittingCount(signal, first, SampleAt(length));
  double phase = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / EffectSampleRate;
    const double frequency = f0 * std::pow(f1 / f0, t / length);
    signal[first + i] += amplitude * Envelope(envelope, t, length) * Wave(wave, phase);
    phase += frequency / EffectSampleRate;
  }
}

void AddBell(TSignal& signal, double start, double frequency, double amplitude, double decay) {
  static const std::array<std::array<double, 2>, 5> Partials = {
      {{1.0, 1.0}, {2.01, 0.45}, {2.76, 0.3}, {4.07, 0.18}, {5.4, 0.1}}};
  for (const auto& [ratio, weight] : Partials) {
    AddTone(signal, start, decay * 5, frequency * ratio, frequency * ratio, amplitude * weight, TWave::Sine,
            {0.002, decay / ratio});
  }
}

void AddNoise(TSignal& signal, double start, double length, double amplitude, double cutoff0, double cutoff1,
              double highPass, TEnvelope envelope, std::uint32_t seed) {
  const std::size_t first = SampleAt(start);
  const std::size_t count = FittingCount(signal, first, SampleAt(length));
  std::uint32_t state = seed;
  double low = 0;
  double floor = 0;
  const double highCoefficient = 1 - std::exp(-2 * std::numbers::pi * highPass / EffectSampleRate);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / EffectSampleRate;
    state = state * 1664525u + 1013904223u;
    const double white = static_cast<double>(state >> 8) / static_cast<double>(1u << 23) - 1.0;
    const double cutoff = cutoff0 * std::pow(cutoff1 / cutoff0, t / length);
    low += (1 - std::exp(-2 * std::numbers::pi * cutoff / EffectSampleRate)) * (white - low);
    floor += highCoefficient * (low - floor);
    signal[first + i] += amplitude * Envelope(envelope, t, length) * (low - floor);
  }
}

void Finish(TSignal& signal, double peak) {
  double largest = 0;
  for (double sample : signal) largest = std::max(largest, std::abs(sample));
  if (largest > 0)
    for (double& sample : signal) sample *= peak / largest;
  const std::size_t fade = std::min(signal.size(), SampleAt(FadeSeconds * 2));
  for (std::size_t i = 0; i < fade; ++i) signal[signal.size() - 1 - i] *= static_cast<double>(i) / fade;
}

std::vector<std::int16_t> ToPcm16(const TSignal& signal) {
  std::vector<std::int16_t> samples;
  samples.reserve(signal.size());
  for (double sample : signal)
    samples.push_back(static_cast<std::int16_t>(std::clamp(std::lround(sample * 32767.0), -32767L, 32767L)));
  return samples;
}
