// Baseline JPEG encoding through libjpeg's C API.
#pragma once

#include <QImage>

#include "ByteWriter.h"

// A baseline (sequential, Huffman) JPEG with three components (YCbCr) of the image's RGB pixels.
TBytes EncodeBaselineJpeg(const QImage& image, int quality);
