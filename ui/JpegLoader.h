// The start picture's decoder: libjpeg-turbo's C API, called directly, into a QImage.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a JPEG stream held in memory into an opaque 32-bit image. A damaged or unsupported stream
// yields a null image: libjpeg's own error handler would end the program instead.
QImage DecodeJpeg(const QByteArray& data);

// Reads a JPEG file or resource (":/...") and decodes it; an unreadable file yields a null image.
QImage LoadJpeg(const QString& path);
