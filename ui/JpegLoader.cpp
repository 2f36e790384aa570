// The start picture's decoder over libjpeg-turbo.
#include "JpegLoader.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// A header may claim up to 65500 × 65500 pixels, gigabytes before a single byte of the scan is
// checked; anything a screen can show fits well within this.
constexpr unsigned long long MaxPicturePixels = 4096ULL * 4096ULL;

struct TJpegErrorManager {
  jpeg_error_mgr Public;
  std::jmp_buf Return;
};

[[noreturn]] void ReturnFromJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TJpegErrorManager*>(info->err)->Return, 1);
}

// libjpeg prints warnings about recoverable damage to stderr; the picture is shown all the same.
void IgnoreJpegMessage(j_common_ptr) {}

// Only trivially destructible locals live in this frame, so the longjmp of the error handler
// skips no destructor; the image belongs to the caller.
bool DecodeInto(const unsigned char* data, unsigned long size, QImage* image) {
  jpeg_decompress_struct info;
  TJpegErrorManager error;
  info.err = jpeg_std_error(&error.Public);
  error.Public.error_exit = ReturnFromJpegError;
  error.Public.output_message = IgnoreJpegMessage;
  if (setjmp(error.Return) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  if (static_cast<unsigned long long>(info.image_width) * info.image_height > MaxPicturePixels) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  // Straight into the screen's own pixel layout, opaque: the first frame is spared a conversion pass
  // and the copy it needs.
  info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
  jpeg_start_decompress(&info);
  *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB32);
  if (image->isNull()) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) return {};
  QImage image;
  if (!DecodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                  static_cast<unsigned long>(data.size()), &image))
    return {};
  return image;
}

QImage LoadJpeg(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return DecodeJpeg(file.readAll());
}
