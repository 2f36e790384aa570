// Fuzzes the start picture's decoder: any bytes give either a null image or a whole RGB picture,
// and never reach libjpeg's default error exit.
#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "JpegLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QImage image = DecodeJpeg(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (image.isNull()) return 0;
  Require(image.format() == QImage::Format_RGB32, "a decoded picture is opaque RGB");
  Require(image.width() > 0 && image.height() > 0, "a decoded picture has pixels");
  return 0;
}
