// Windows icon files with one 32 × 32 image of 256 colours and a transparency mask.
#pragma once

#include <QImage>

#include "ByteWriter.h"

inline constexpr int IconSize = 32;

// Pixels with alpha below half become transparent (mask bit set); the rest are reduced to 255 colours.
TBytes EncodeIcon256(const QImage& image);
