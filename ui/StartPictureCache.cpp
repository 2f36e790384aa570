// Kept start pictures: named by what they show, read without trusting the file, replaced whole.
#include "StartPictureCache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cmath>

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
// the invitation. The art's part is read and hashed once a run.
QString Fingerprint(double scale, const QString& invitation) {
  static const QByteArray art = [] {
    QFile builtIn(StartPictureResourcePath(1));
    return builtIn.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(builtIn.readAll(), QCryptographicHash::Sha1)
                                              : QByteArray();
  }();
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(art);
  hash.addData(invitation.toUtf8());
  hash.addData(QByteArray::number(scale));
  return QString::fromLatin1(hash.result().toHex().left(16));
}

QString FileName(double scale, const QString& invitation) {
  return ScalePart(scale) + Fingerprint(scale, invitation) + QStringLiteral(".jpg");
}

}  // namespace

std::string StartPictureCacheFolder() {
  QString base = qEnvironmentVariable("XDG_CACHE_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.cache");
  return (base + QStringLiteral("/brindlow/pictures")).toStdString();
}

TStartPictureCache::TStartPictureCache(std::string folder) : Folder(std::move(folder)) {}

std::string TStartPictureCache::FilePath(const QString& name) const { return Folder + '/' + name.toStdString(); }

QImage TStartPictureCache::Find(double scale, const QString& invitation) const {
  if (Folder.empty()) return {};
  try {
    std::string why;
    std::optional<TFile> file = OpenDataFile(FilePath(FileName(scale, invitation)), why);
    if (!file) return {};
    const auto size = static_cast<std::size_t>(file->Status().st_size);
    if (size > LargestFile) return {};
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    // libjpeg fills a cut stream's missing rows with grey rather than fail; a whole one ends in EOI.
    if (file->Read({reinterpret_cast<std::uint8_t*>(bytes.data()), size}) != size || !bytes.endsWith("\xFF\xD9"))
      return {};
    QImage picture = DecodeJpeg(bytes);
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
  const QString name = FileName(scale, invitation);
  const std::string path = FilePath(name);
  try {
    ReplaceFile(path, WorkFilePath(path), [&encoded](TFile& work) {
      work.Write({reinterpret_cast<const std::uint8_t*>(encoded.constData()), static_cast<std::size_t>(encoded.size())});
    });
  } catch (const std::exception&) {
    return;
  }
  // One copy a scale: the others show an invitation or art no longer wanted.
  for (const QString& other : folder.entryList({ScalePart(scale) + QStringLiteral("*.jpg")}, QDir::Files))
    if (other != name) DeleteFileQuietly(FilePath(other));
}
