// The window's art at a chosen size: the classic sizes straight from the resources, others painted at
// their pixel size and drawing at the zoomed logical size, with symbols only when asked for.
#include <QApplication>
#include <QTest>

#include "AssetNames.h"
#include "JpegLoader.h"
#include "ScaledArt.h"
#include "SpriteCatalog.h"

namespace {

QImage Pixels(const QPixmap& picture) {
  QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(1);
  return image;
}

}  // namespace

class ScaledArtTest : public QObject {
  Q_OBJECT

private slots:
  void TheClassicSizesAreTheBuiltInPictures() {
    for (const double ratio : {1.0, 2.0}) {
      const std::vector<QPixmap> sprites = SpritePicturesAt({1, ratio, false});
      const std::vector<TSpriteSlot> catalog = SpriteSlots();
      QCOMPARE(sprites.size(), catalog.size());
      for (std::size_t i = 0; i < catalog.size(); ++i) {
        const QPixmap builtIn(SpriteResourcePath(QString::fromStdString(catalog[i].Name), static_cast<int>(ratio)));
        QCOMPARE(sprites[i].isNull(), builtIn.isNull());
        if (builtIn.isNull()) continue;
        QCOMPARE(sprites[i].devicePixelRatio(), ratio);
        QCOMPARE(Pixels(sprites[i]), Pixels(builtIn));
      }
      const QPixmap start = StartPictureAt({1, ratio, true});
      QCOMPARE(start.deviceIndependentSize(), QSizeF(460, 446));
      QCOMPARE(Pixels(start), Pixels(QPixmap::fromImage(LoadJpeg(StartPictureResourcePath(static_cast<int>(ratio))))));
    }
  }

  void AZoomedSizeIsPaintedAtItsPixelsAndDrawsAtTheZoomedSize() {
    const std::vector<QPixmap> sprites = SpritePicturesAt({1.5, 2, false});
    const QPixmap& rest = sprites[static_cast<std::size_t>(SpriteSlotIndex(0, 1, 3))];
    QCOMPARE(rest.size(), QSize(108, 108));
    QCOMPARE(rest.devicePixelRatio(), 2.0);
    QCOMPARE(rest.deviceIndependentSize(), QSizeF(54, 54));
    QVERIFY(sprites[static_cast<std::size_t>(SpriteSlotIndex(0, 2, 3))].isNull());
    const QPixmap start = StartPictureAt({1.25, 1, false});
    QCOMPARE(start.size(), QSize(575, 558));
    QCOMPARE(start.devicePixelRatio(), 1.0);
  }

  void SymbolsMarkTheSevenColoursEvenAtTheClassicSize() {
    const std::vector<QPixmap> plain = SpritePicturesAt({1, 1, false});
    const std::vector<QPixmap> marked = SpritePicturesAt({1, 1, true});
    for (int code = 0; code <= 9; ++code) {
      const auto i = static_cast<std::size_t>(SpriteSlotIndex(2, 2, code));
      QCOMPARE(Pixels(marked[i]) != Pixels(plain[i]), code >= 1 && code <= 7);
    }
  }
};

QTEST_MAIN(ScaledArtTest)
#include "ScaledArtTest.moc"
