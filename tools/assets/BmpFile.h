// Uncompressed Windows BMP files with a 40-byte information header, as the sprite store reads them.
#pragma once

#include <QImage>

#include "ByteWriter.h"

// 24 bits per pixel, bottom-up rows padded to four bytes; alpha is ignored.
TBytes EncodeBmp24(const QImage& image);
// 8 bits per pixel with a 256-entry grey palette (index = grey level), from the image's grey values.
TBytes EncodeBmp8Grey(const QImage& image);
