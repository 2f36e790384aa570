// The taskbar icon frames: a banded ball at rest (frame 0) and turning (frames 1 to 18).
#pragma once

#include <QImage>

inline constexpr int IconFrameCount = 19;

// A 32 × 32 picture with a transparent background; frame 0 at rest, 1..18 a loop of half a turn.
QImage RenderIconFrame(int frame);

// The same frame drawn afresh at size × size, with the same margin of one 32nd of the side.
QImage RenderIcon(int frame, int size);
