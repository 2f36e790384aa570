// Kept start pictures: named by what they show, read without trusting the file, replaced whole.
#include "StartPictureCache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cmath>
#include <vector>

#include "ArtScale.h"
#include "AssetNames.h"
#include "CheckedFile.h"
#include "JpegLoader.h"
#include "StartPicture.h"

namespace {

// The built-in pictures' quality: a kept copy looks as they do.
constexpr int PictureQuality = 90;
// Far above the largest picture's size (at a pixel scale of 6, under 3 MB); a longer file is not one.
constexpr std::size_t LargestFile = 16 * 1024 * 1024;

QString ScalePart(double scale) { return QStringLiteral("start-%1-").arg(std::lround(scale * 100)); }

// What the picture shows depends on the art, which the built-in classic picture stands for, and on
// the invitation.
QString Fingerprint(double scale, const QString& invitation) {
  QFile builtIn(StartPictureResourcePath(1));
  QCryptographicHash hash(QCryptographicHash::Sha1);
  if (builtIn.open(QIODevice::ReadOnly)) hash.addData(builtIn.readAll());
  hash.addData(invitation.toUtf8());
  hash.addData(QByteArray::number(scale));
  return QString::fromLatin1(hash.result().toHex().left(16));
}

}  // namespace

std::string StartPictureCacheFolder() {
  QString base = qEnvironmentVariable("XDG_CACHE_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.cache");
  return (base + QStringLiteral("/brindlow/pictures")).toStdString();
}

TStartPictureCache::TStartPictureCache(std::string folder) : Folder(std::move(folder)) {}

std::string TStartPictureCache::FilePath(double scale, const QString& invitation) const {
  return Folder + '/' + (ScalePart(scale) + Fingerprint(scale, invitation) + QStringLiteral(".jpg")).toStdString();
}

QImage TStartPictureCache::Find(double scale, const QString& invitation) const {
  if (Folder.empty()) return {};
  try {
    std::string why;
    std::optional<TFile> file = OpenDataFile(FilePath(scale, invitation), why);
    if (!file) return {};
    const auto size = static_cast<std::size_t>(file->Status().st_size);
    if (size > LargestFile) return {};
    std::vector<std::uint8_t> bytes(size);
    // libjpeg fills a cut stream's missing rows with grey rather than fail; a whole one ends in EOI.
    if (file->Read(bytes) != size || size < 2 || bytes[size - 2] != 0xFF || bytes[size - 1] != 0xD9) return {};
    QImage picture = DecodeJpeg(QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(size)));
    const QSize expected(ScaledLength(StartPictureWidth, scale), ScaledLength(StartPictureHeight, scale));
    return picture.size() == expected ? picture : QImage();
  } catch (const std::exception&) {
    // The folder is missing or unreadable: there is no copy.
    return {};
  }
}

void TStartPictureCache::Keep(double scale, const QString& invitation, const QImage& picture) const {
  if (Folder.empty()) return;
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(PictureQuality);
  if (!writer.write(picture)) return;
  const QDir folder(QString::fromStdString(Folder));
  if (!folder.mkpath(QStringLiteral("."))) return;
  const std::string path = FilePath(scale, invitation);
  try {
    ReplaceFile(path, WorkFilePath(path), [&encoded](TFile& work) {
      work.Write({reinterpret_cast<const std::uint8_t*>(encoded.constData()), static_cast<std::size_t>(encoded.size())});
    });
  } catch (const std::exception&) {
    return;
  }
  // One copy a scale: the others show an invitation or art no longer wanted.
  const QString kept = QString::fromStdString(path).section(QLatin1Char('/'), -1);
  for (const QString& name : folder.entryList({ScalePart(scale) + QStringLiteral("*.jpg")}, QDir::Files))
    if (name != kept) DeleteFileQuietly(folder.filePath(name).toStdString());
}
