// An icon directory of one entry, then a bottom-up 8-bit bitmap of doubled height, its palette, pixels and mask.
#include "IconFile.h"

#include <cassert>
#include <vector>

#include "Palette.h"

namespace {

constexpr int PaletteEntries = 256;
constexpr int MaskStride = 4;  // 32 one-bit pixels, already a multiple of four bytes

// Half-transparent edge pixels are laid over black, which reads as a thin outline on any taskbar.
QRgb Flatten(QRgb pixel) {
  const int alpha = qAlpha(pixel);
  return qRgb(qRed(pixel) * alpha / 255, qGreen(pixel) * alpha / 255, qBlue(pixel) * alpha / 255);
}

bool Opaque(QRgb pixel) { return qAlpha(pixel) >= 128; }

}  // namespace

TBytes EncodeIcon256(const QImage& image) {
  assert(image.width() == IconSize && image.height() == IconSize);
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);

  std::vector<QRgb> opaque;
  for (int y = 0; y < IconSize; ++y)
    for (int x = 0; x < IconSize; ++x)
      if (Opaque(argb.pixel(x, y))) opaque.push_back(Flatten(argb.pixel(x, y)));
  // Entry 0 stays black for the transparent pixels; the picture gets the other 255.
  std::vector<QRgb> colours = MedianCutPalette(opaque, PaletteEntries - 1);
  std::vector<QRgb> palette{qRgb(0, 0, 0)};
  palette.insert(palette.end(), colours.begin(), colours.end());
  palette.resize(PaletteEntries, qRgb(0, 0, 0));

  const std::uint32_t pixelBytes = IconSize * IconSize;
  const std::uint32_t maskBytes = MaskStride * IconSize;
  const std::uint32_t imageBytes = 40 + PaletteEntries * 4 + pixelBytes + maskBytes;
  TBytes out;
  PutLE16(out, 0);
  PutLE16(out, 1);  // an icon, not a cursor
  PutLE16(out, 1);  // one image
  out.push_back(IconSize);
  out.push_back(IconSize);
  out.push_back(0);  // 256 colours are written as 0
  out.push_back(0);
  PutLE16(out, 1);  // colour planes
  PutLE16(out, 8);  // bits per pixel
  PutLE32(out, imageBytes);
  PutLE32(out, 6 + 16);

  PutLE32(out, 40);
  PutLE32(out, IconSize);
  PutLE32(out, IconSize * 2);  // the colour bitmap and the mask stacked
  PutLE16(out, 1);
  PutLE16(out, 8);
  PutLE32(out, 0);
  PutLE32(out, pixelBytes + maskBytes);
  PutLE32(out, 0);
  PutLE32(out, 0);
  PutLE32(out, PaletteEntries);
  PutLE32(out, 0);
  for (QRgb colour : palette) {
    out.push_back(static_cast<std::uint8_t>(qBlue(colour)));
    out.push_back(static_cast<std::uint8_t>(qGreen(colour)));
    out.push_back(static_cast<std::uint8_t>(qRed(colour)));
    out.push_back(0);
  }
  for (int y = IconSize - 1; y >= 0; --y)
    for (int x = 0; x < IconSize; ++x) {
      const QRgb pixel = argb.pixel(x, y);
      const int index = Opaque(pixel) ? 1 + NearestPaletteIndex(colours, Flatten(pixel)) : 0;
      out.push_back(static_cast<std::uint8_t>(index));
    }
  for (int y = IconSize - 1; y >= 0; --y)
    for (int byte = 0; byte < MaskStride; ++byte) {
      std::uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit)
        if (!Opaque(argb.pixel(byte * 8 + bit, y))) bits |= static_cast<std::uint8_t>(0x80 >> bit);
      out.push_back(bits);
    }
  return out;
}
