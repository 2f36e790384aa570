// Checks and rounds the scales; a painter on a canvas applies the scale through the pixel ratio.
#include "ArtScale.h"

#include <cassert>
#include <cmath>

bool IsArtScale(double scale) {
  const double quarters = scale * 4;
  return quarters >= 4 && quarters <= 24 && quarters == std::floor(quarters);
}

int ScaledLength(int length, double scale) {
  assert(IsArtScale(scale));
  return static_cast<int>(std::floor(length * scale + 0.5));
}

QImage ScaledCanvas(int width, int height, double scale, QImage::Format format) {
  QImage image(ScaledLength(width, scale), ScaledLength(height, scale), format);
  image.setDevicePixelRatio(scale);
  return image;
}
