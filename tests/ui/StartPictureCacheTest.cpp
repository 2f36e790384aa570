// Painted start pictures kept between runs: found only for what they show, never trusted blindly,
// written only after the first frame, and shown by the next start in place of painting.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "ImageControl.h"
#include "Program.h"
#include "SilentSound.h"
#include "StartPicture.h"
#include "StartPictureCache.h"

namespace {

const QString German = QStringLiteral("Zum Spielen klicken!");

QStringList Kept(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::System); }

// The mean difference of a colour channel between two images of one size.
double MeanDifference(const QImage& a, const QImage& b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  return total / (3.0 * a.width() * a.height());
}

QByteArray Jpeg(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "jpg").write(picture);
  return bytes;
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

}  // namespace

class StartPictureCacheTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void AKeptPictureComesBackOnlyForItsScaleAndInvitation() {
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("cache/pictures"));
    const TStartPictureCache cache(folder.toStdString());
    QVERIFY(cache.Find(1.25, German).isNull());
    const QImage painted = RenderStartPicture(1.25, German);
    cache.Keep(1.25, German, painted);
    const QImage found = cache.Find(1.25, German).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(found.size(), painted.size());
    // A JPEG at the built-in pictures' quality: close, not equal.
    QVERIFY(MeanDifference(found, painted.convertToFormat(QImage::Format_RGB32)) < 2);
    QVERIFY(cache.Find(1.5, German).isNull());
    QVERIFY(cache.Find(1.25, QString::fromLatin1(StartInvitation)).isNull());
    // Another language at the same scale takes the place of the first.
    cache.Keep(1.25, QString::fromLatin1(StartInvitation), RenderStartPicture(1.25));
    cache.Keep(2.5, German, RenderStartPicture(2.5, German));
    QCOMPARE(Kept(folder).size(), 2);
    QVERIFY(cache.Find(1.25, German).isNull());
    QVERIFY(!cache.Find(1.25, QString::fromLatin1(StartInvitation)).isNull());
    // No folder, no copies, and nothing written anywhere.
    const TStartPictureCache none;
    none.Keep(1.25, German, painted);
    QVERIFY(none.Find(1.25, German).isNull());
  }

  void AnythingButAWholeCopyOfTheRightSizeIsNone() {
    QTemporaryDir root;
    const TStartPictureCache cache(root.path().toStdString());
    cache.Keep(1.5, German, RenderStartPicture(1.5, German));
    const QString path = root.filePath(Kept(root.path()).value(0));
    const QByteArray whole = [&] {
      QFile file(path);
      file.open(QIODevice::ReadOnly);
      return file.readAll();
    }();
    Write(path, whole.left(whole.size() / 2));
    QVERIFY(cache.Find(1.5, German).isNull());
    Write(path, QByteArray(4096, 'x'));
    QVERIFY(cache.Find(1.5, German).isNull());
    // A sound picture of another size, as a copy from a changed layout would be.
    Write(path, Jpeg(RenderStartPicture(1.25, German)));
    QVERIFY(cache.Find(1.5, German).isNull());
    // A FIFO would make a plain open wait for a writer that never comes.
    QFile::remove(path);
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QVERIFY(cache.Find(1.5, German).isNull());
    // Keeping replaces whatever is in the way.
    cache.Keep(1.5, German, RenderStartPicture(1.5, German));
    QVERIFY(!cache.Find(1.5, German).isNull());
    QVERIFY(TStartPictureCache(root.filePath(QStringLiteral("missing")).toStdString()).Find(1.5, German).isNull());
  }

  void TheNextStartShowsWhatTheFirstKeptAfterItsFirstFrame() {
    QTemporaryDir root;
    qputenv("XDG_CONFIG_HOME", root.path().toLocal8Bit());
    const std::string folder = root.path().toStdString();
    const QString cacheFolder = root.filePath(QStringLiteral("pictures"));
    TSilentSound sound;
    const auto quiet = [](QWidget*, const QString&, const QString&) {};
    {
      TProgram program(TGameFolders{folder, folder}, sound, quiet, cacheFolder.toStdString());
      program.Rooms().Look().SetZoom(1.25);
      // Encoding and writing would only delay the first frame.
      QVERIFY(Kept(cacheFolder).isEmpty());
      program.Show();
      QTRY_VERIFY(program.Lines().StartFinished());
      QCOMPARE(Kept(cacheFolder).size(), 1);
      program.Lines().close();
    }
    // A copy the next start can only have from the cache: one colour throughout.
    QImage marked(575, 558, QImage::Format_RGB32);
    marked.fill(QColor(255, 0, 255));
    Write(QDir(cacheFolder).filePath(Kept(cacheFolder).value(0)), Jpeg(marked));
    TProgram program(TGameFolders{folder, folder}, sound, quiet, cacheFolder.toStdString());
    program.Rooms().Look().SetZoom(1.25);
    const QImage shown = program.Lines().findChild<TImageControl*>(QStringLiteral("imgBackground"))->Picture().toImage();
    QVERIFY(MeanDifference(shown.copy(0, 0, 8, 8), marked.copy(0, 0, 8, 8)) < 8);
    // The classic size is the built-in picture, whatever the cache holds.
    program.Rooms().Look().SetZoom(1);
    const QImage classic = program.Lines().findChild<TImageControl*>(QStringLiteral("imgBackground"))->Picture().toImage();
    QVERIFY(MeanDifference(classic.copy(0, 0, 8, 8), marked.copy(0, 0, 8, 8)) > 64);
  }
};

QTEST_MAIN(StartPictureCacheTest)
#include "StartPictureCacheTest.moc"
