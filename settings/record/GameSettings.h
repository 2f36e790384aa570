// The player's options: eleven one-byte fields, one global record, stored byte for byte in Balls.cfg.
#pragma once

#include <cstddef>
#include <cstdint>

// Members in byte order of Balls.cfg; a switch is 1 for on and 0 for off.
struct TGameSettings {
  std::uint8_t ViewNext;     // 0..1: the preview of the next balls is shown
  std::uint8_t Jokers;       // 0..1: jokers in games started from now on
  std::uint8_t Bombs;        // 0..1: bombs in games started from now on
  std::uint8_t Level;        // 0 Normal, 1 Hard, 2 Impossible
  std::uint8_t SoundsOff;    // 0..1: master switch of the five effects below
  std::uint8_t SoundCreate;  // 0..1
  std::uint8_t SoundJump;    // 0..1
  std::uint8_t SoundMove;    // 0..1
  std::uint8_t SoundStuck;   // 0..1
  std::uint8_t SoundBreak;   // 0..1
  std::uint8_t Music;        // 0 off, 1..8 song n, 9 random

  static constexpr std::size_t Size = 11;

  // Byte k of the record, as in Balls.cfg (the settings dialog binds its check boxes by index).
  std::uint8_t& Byte(std::size_t k) { return reinterpret_cast<std::uint8_t*>(this)[k]; }
  std::uint8_t Byte(std::size_t k) const { return reinterpret_cast<const std::uint8_t*>(this)[k]; }

  friend bool operator==(const TGameSettings&, const TGameSettings&) = default;
};
static_assert(sizeof(TGameSettings) == TGameSettings::Size);

// Preview on, no jokers, no bombs, Normal, every effect on, random music: 01 00 00 00 00 01 01 01 01 01 09.
inline constexpr TGameSettings DefaultSettings = {1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 9};

// The one record that every subsystem reads; zero until LoadSettings fills it.
inline TGameSettings GameSettings{};
