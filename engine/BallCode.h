// What one board cell holds: 0 empty, 1..7 the seven colours, 8 joker, 9 bomb.
#pragma once

#include <cstdint>

using BallCode = std::uint8_t;

inline constexpr BallCode EmptyCell = 0;
inline constexpr BallCode JokerBall = 8;
inline constexpr BallCode BombBall = 9;
