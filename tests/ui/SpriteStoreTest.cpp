// The sprite store over the hidden sprite form, and the start picture's own JPEG decoder.
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QTest>

#include "AssetNames.h"
#include "ImageControl.h"
#include "ImageStorage.h"
#include "JpegLoader.h"
#include "SpriteForm.h"

class SpriteStoreTest : public QObject {
  Q_OBJECT

private slots:
  void EverySlotComesFromTheImageOfItsName() {
    TfrmSlicice form;
    for (const QString& prefix : SpritePrefixes()) {
      TImageStorage set;
      set.LoadFromSpriteForm(form, prefix);
      for (int frame = 1; frame <= 2; ++frame) {
        for (int code = 0; code <= 9; ++code) {
          const QString name = prefix + QString::number(frame) + QString::number(code);
          const TImageControl* image = form.FindImage(name);
          QVERIFY2(image != nullptr, qPrintable(name));
          const QPixmap& sprite = set.GetSprite(frame, static_cast<BallCode>(code));
          QCOMPARE(sprite.cacheKey(), image->Picture().cacheKey());
          const bool blank = prefix == QLatin1String("normal") && frame == 2;
          QCOMPARE(sprite.isNull(), blank);
          if (!blank) QCOMPARE(sprite.size(), QSize(36, 36));
          if (!blank) QCOMPARE(sprite.devicePixelRatio(), 1.0);
        }
      }
    }
  }

  void NamesCompareWithoutCaseAndUnknownNamesFindNothing() {
    TfrmSlicice form;
    QCOMPARE(form.FindImage(QStringLiteral("DESTROY29")), form.FindImage(QStringLiteral("destroy29")));
    QVERIFY(form.FindImage(QStringLiteral("destroy29")) != nullptr);
    QVERIFY(form.FindImage(QStringLiteral("destroy30")) == nullptr);
    TImageStorage set;
    set.LoadFromSpriteForm(form, QStringLiteral("nosuchset"));
    QVERIFY(set.GetSprite(1, 1).isNull());
  }

  void TheSpriteFormIsLaidOutInFourGroupsOfTwentyImages() {
    TfrmSlicice form;
    QCOMPARE(form.size(), QSize(426, 451));
    const TImageControl* make17 = form.FindImage(QStringLiteral("make17"));
    QCOMPARE(make17->geometry(), QRect(8, 24 + 40 * 7, 36, 36));
    QCOMPARE(make17->parentWidget()->geometry(), QRect(112, 8, 97, 433));
    const TImageControl* destroy23 = form.FindImage(QStringLiteral("destroy23"));
    QCOMPARE(destroy23->geometry(), QRect(56, 24 + 40 * 3, 36, 36));
    QCOMPARE(destroy23->parentWidget()->geometry().left(), 320);
    QVERIFY(!form.isVisible());
  }

  void TheSameSlotGivesTheSamePictureAndACellKeepsItsOwnCopy() {
    TfrmSlicice form;
    TImageStorage set;
    set.LoadFromSpriteForm(form, QStringLiteral("normal"));
    QCOMPARE(&set.GetSprite(1, 3), &set.GetSprite(1, 3));
    TImageControl cell(nullptr);
    cell.SetPicture(set.GetSprite(1, 3));
    QPixmap painted = cell.Picture();
    painted.fill(Qt::red);
    QVERIFY(set.GetSprite(1, 3).toImage() != painted.toImage());
    QCOMPARE(cell.Picture().cacheKey(), set.GetSprite(1, 3).cacheKey());
  }

  void TheStartPictureDecodesToItsFullSize() {
    const QImage picture = LoadJpeg(QString::fromLatin1(StartPictureResource));
    QCOMPARE(picture.size(), QSize(460, 446));
    // A picture, not a flat fill: the decoder really wrote every row.
    QVERIFY(picture.pixel(10, 10) != picture.pixel(230, 223) || picture.pixel(10, 435) != picture.pixel(450, 10));
  }

  void TheDecoderMatchesAnotherDecoderPixelForPixel() {
    QFile file(QString::fromLatin1(StartPictureResource));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const QImage ours = DecodeJpeg(data);
    QImage reference;
    QVERIFY(reference.loadFromData(data, "JPG"));
    reference = reference.convertToFormat(QImage::Format_RGB888);
    int worst = 0;
    for (int y = 0; y < ours.height(); ++y) {
      for (int x = 0; x < ours.width(); ++x) {
        const QRgb a = ours.pixel(x, y);
        const QRgb b = reference.pixel(x, y);
        worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
      }
    }
    // Both rest on libjpeg; only the upsampling method may differ by a step or two.
    QVERIFY2(worst <= 4, qPrintable(QString::number(worst)));
  }

  void DamagedStreamsGiveANullPictureAndTheProgramGoesOn() {
    QFile file(QString::fromLatin1(StartPictureResource));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QVERIFY(DecodeJpeg(QByteArray()).isNull());
    QVERIFY(DecodeJpeg(QByteArray("not a picture at all")).isNull());
    // The header alone: the decoder runs out of data before the first scan.
    QVERIFY(DecodeJpeg(data.left(200)).isNull());
    QByteArray noStartMarker = data;
    noStartMarker[0] = '\x00';
    QVERIFY(DecodeJpeg(noStartMarker).isNull());
    // Cut inside the scan: libjpeg pads the rest and the picture still comes, full size.
    QCOMPARE(DecodeJpeg(data.left(data.size() / 2)).size(), QSize(460, 446));
    QVERIFY(LoadJpeg(QStringLiteral(":/no/such/picture.jpg")).isNull());
  }

  void AHeaderClaimingAHugePictureIsRefusedBeforeItsPixelsAreAllocated() {
    QFile file(QString::fromLatin1(StartPictureResource));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray data = file.readAll();
    const qsizetype frame = data.indexOf(QByteArray("\xff\xc0", 2));
    QVERIFY(frame > 0);
    // Height and width follow the marker's length and precision: 446 × 460 becomes 63751 × 24840,
    // which needs 4.75 GB.
    QCOMPARE(data.mid(frame + 5, 4), QByteArray("\x01\xbe\x01\xcc", 4));
    const char hugeSize[] = {'\xf9', '\x07', '\x61', '\x08'};
    data.replace(frame + 5, 4, hugeSize, 4);
    QVERIFY(DecodeJpeg(data).isNull());
    // Cut inside the scan as well: libjpeg would pad every one of those rows.
    QVERIFY(DecodeJpeg(data.left(data.size() / 2)).isNull());
  }
};

QTEST_MAIN(SpriteStoreTest)
#include "SpriteStoreTest.moc"
