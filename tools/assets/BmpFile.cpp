// Writes BMP files byte by byte so that their length and layout never depend on an image library.
#include "BmpFile.h"

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PixelsPerMetre = 3780;  // 96 dots per inch

int RowStride(int width, int bytesPerPixel) { return (width * bytesPerPixel + 3) / 4 * 4; }

void PutHeaders(TBytes& out, const QImage& image, int bitsPerPixel, std::uint32_t paletteBytes) {
  const auto dataSize = static_cast<std::uint32_t>(RowStride(image.width(), bitsPerPixel / 8) * image.height());
  const std::uint32_t dataOffset = FileHeaderSize + InfoHeaderSize + paletteBytes;
  PutText(out, "BM");
  PutLE32(out, dataOffset + dataSize);
  PutLE32(out, 0);
  PutLE32(out, dataOffset);
  PutLE32(out, InfoHeaderSize);
  PutLE32(out, static_cast<std::uint32_t>(image.width()));
  PutLE32(out, static_cast<std::uint32_t>(image.height()));  // positive: rows stored bottom-up
  PutLE16(out, 1);
  PutLE16(out, static_cast<std::uint32_t>(bitsPerPixel));
  PutLE32(out, 0);  // no compression
  PutLE32(out, dataSize);
  PutLE32(out, PixelsPerMetre);
  PutLE32(out, PixelsPerMetre);
  PutLE32(out, paletteBytes / 4);
  PutLE32(out, 0);
}

void PadRow(TBytes& out, int written, int stride) {
  for (int i = written; i < stride; ++i) out.push_back(0);
}

}  // namespace

TBytes EncodeBmp24(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  TBytes out;
  PutHeaders(out, rgb, 24, 0);
  const int stride = RowStride(rgb.width(), 3);
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      out.push_back(static_cast<std::uint8_t>(qBlue(line[x])));
      out.push_back(static_cast<std::uint8_t>(qGreen(line[x])));
      out.push_back(static_cast<std::uint8_t>(qRed(line[x])));
    }
    PadRow(out, rgb.width() * 3, stride);
  }
  return out;
}

TBytes EncodeBmp8Grey(const QImage& image) {
  const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  TBytes out;
  PutHeaders(out, grey, 8, 256 * 4);
  for (std::uint32_t level = 0; level < 256; ++level) {
    for (int channel = 0; channel < 3; ++channel) out.push_back(static_cast<std::uint8_t>(level));
    out.push_back(0);
  }
  const int stride = RowStride(grey.width(), 1);
  for (int y = grey.height() - 1; y >= 0; --y) {
    const uchar* line = grey.constScanLine(y);
    out.insert(out.end(), line, line + grey.width());
    PadRow(out, grey.width(), stride);
  }
  return out;
}
