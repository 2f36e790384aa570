// The art at every pixel scale: its sizes, that the classic sizes are the built-in pictures, that larger
// sizes are painted afresh rather than enlarged, and the symbols on exactly the seven colours' frames.
#include <QImage>
#include <gtest/gtest.h>

#include "ArtScale.h"
#include "AssetBytes.h"
#include "AssetNames.h"
#include "SpriteCatalog.h"
#include "StartPicture.h"

namespace {

// Every pixel scale the window asks for: the zoom steps at device pixel ratios 1 and 2.
constexpr double Scales[] = {1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 6};

const std::vector<TSpriteSlot>& Catalog() {
  static const std::vector<TSpriteSlot> catalog = SpriteSlots();
  return catalog;
}

QImage Pixels(QImage image) {
  image.setDevicePixelRatio(1);
  return image.convertToFormat(QImage::Format_RGB32);
}

// The squared differences between neighbouring pixels, summed over the picture and divided by its width.
// A picture painted at k times the size has edges k times as long and as steep, so this stays; enlarging a
// small picture smears each edge over k pixels and divides it by about k.
double EdgeEnergy(const QImage& image) {
  double energy = 0;
  for (int y = 0; y + 1 < image.height(); ++y)
    for (int x = 0; x + 1 < image.width(); ++x) {
      const QRgb p = image.pixel(x, y), right = image.pixel(x + 1, y), below = image.pixel(x, y + 1);
      for (const QRgb q : {right, below}) {
        const double dr = qRed(p) - qRed(q), dg = qGreen(p) - qGreen(q), db = qBlue(p) - qBlue(q);
        energy += dr * dr + dg * dg + db * db;
      }
    }
  return energy / image.width();
}

QImage Enlarged(const QImage& plain, const QSize& size) {
  return Pixels(plain).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The share of a plain picture's edge energy that the picture at a larger scale keeps.
double Sharpness(const QImage& plain, const QImage& scaled) {
  return EdgeEnergy(Pixels(scaled)) / EdgeEnergy(Pixels(plain));
}

// As sharp as the plain picture, and clearly sharper than the plain one enlarged.
void ExpectPaintedAfresh(const QImage& plain, const QImage& scaled) {
  const double fresh = Sharpness(plain, scaled);
  EXPECT_GT(fresh, 0.75);
  EXPECT_GT(fresh, 1.4 * Sharpness(plain, Enlarged(plain, scaled.size())));
}

int LitPixels(const QImage& image) {
  int lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) lit += qGray(image.pixel(x, y)) > 24 ? 1 : 0;
  return lit;
}

int ChangedPixels(const QImage& a, const QImage& b) {
  int changed = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      changed += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 60;
    }
  return changed;
}

}  // namespace

TEST(ArtScale, QuarterStepsFromOneToSixRoundToWholePixels) {
  for (const double scale : Scales) EXPECT_TRUE(IsArtScale(scale)) << scale;
  for (const double scale : {0.0, 0.75, 1.1, 1.3, 6.25, 8.0}) EXPECT_FALSE(IsArtScale(scale)) << scale;
  EXPECT_EQ(ScaledLength(SpriteSize, 1.25), 45);
  EXPECT_EQ(ScaledLength(StartPictureHeight, 1.25), 558);
  EXPECT_EQ(ScaledLength(StartPictureWidth, 2.5), 1150);
  EXPECT_EQ(ScaledLength(StartPictureHeight, 6), 2676);
  EXPECT_EQ(Catalog()[static_cast<std::size_t>(SpriteSlotIndex(2, 2, 9))].Name, "jump29");
  EXPECT_EQ(Catalog()[static_cast<std::size_t>(SpriteSlotIndex(3, 1, 0))].Name, "destroy10");
}

TEST(ArtScale, EverySlotHasItsPixelSizeAtEveryScale) {
  for (const double scale : Scales) {
    SCOPED_TRACE(scale);
    const std::vector<QImage> sheet = RenderSpriteSheet(scale, TBallMarking::Symbols);
    ASSERT_EQ(sheet.size(), static_cast<std::size_t>(SpriteSlotCount));
    const int side = ScaledLength(SpriteSize, scale);
    int pictures = 0;
    for (std::size_t i = 0; i < sheet.size(); ++i) {
      if (sheet[i].isNull()) continue;
      ++pictures;
      EXPECT_EQ(sheet[i].size(), QSize(side, side));
      EXPECT_EQ(sheet[i].devicePixelRatio(), scale);
      EXPECT_FALSE(sheet[i].hasAlphaChannel());
    }
    EXPECT_EQ(pictures, 70);
  }
  EnsureApplication();
  EXPECT_EQ(RenderStartPicture(1.25).size(), QSize(575, 558));
  EXPECT_EQ(RenderStartPicture(2.5).size(), QSize(1150, 1115));
}

TEST(ArtScale, ThePaintedClassicSizesAreTheBuiltInPictures) {
  for (const int scale : {1, 2}) {
    const std::vector<QImage> sheet = RenderSpriteSheet(scale, TBallMarking::Plain);
    for (std::size_t i = 0; i < Catalog().size(); ++i) {
      SCOPED_TRACE(Catalog()[i].Name + " at " + std::to_string(scale));
      QImage builtIn;
      builtIn.loadFromData(ReadResource(SpriteResourcePath(QString::fromStdString(Catalog()[i].Name), scale)), "BMP");
      ASSERT_EQ(sheet[i].isNull(), builtIn.isNull());
      if (!sheet[i].isNull()) {
        EXPECT_EQ(Pixels(sheet[i]), Pixels(builtIn));
      }
    }
  }
}

TEST(ArtSharpness, LargerSpritesArePaintedAfreshNotEnlarged) {
  const std::vector<QImage> plain = RenderSpriteSheet(1, TBallMarking::Symbols);
  for (const double scale : {1.25, 1.5, 2.5, 3.0, 4.0, 6.0}) {
    const std::vector<QImage> sheet = RenderSpriteSheet(scale, TBallMarking::Symbols);
    for (const int index : {SpriteSlotIndex(0, 1, 2), SpriteSlotIndex(1, 2, 7), SpriteSlotIndex(2, 1, 4),
                            SpriteSlotIndex(2, 2, 8), SpriteSlotIndex(3, 1, 5), SpriteSlotIndex(3, 2, 9)}) {
      SCOPED_TRACE(Catalog()[static_cast<std::size_t>(index)].Name + " at " + std::to_string(scale));
      ExpectPaintedAfresh(plain[static_cast<std::size_t>(index)], sheet[static_cast<std::size_t>(index)]);
    }
  }
}

TEST(ArtSharpness, TheLargerStartPictureIsPaintedAfresh) {
  EnsureApplication();
  const QImage plain = RenderStartPicture(1);
  for (const double scale : {1.5, 3.0}) {
    SCOPED_TRACE(scale);
    ExpectPaintedAfresh(plain, RenderStartPicture(scale));
  }
}

TEST(BallSymbols, EveryFrameOfTheSevenColoursCarriesOneAndNoOtherPicture) {
  for (const double scale : {1.0, 1.5, 3.0}) {
    const std::vector<QImage> plain = RenderSpriteSheet(scale, TBallMarking::Plain);
    const std::vector<QImage> marked = RenderSpriteSheet(scale, TBallMarking::Symbols);
    for (std::size_t i = 0; i < Catalog().size(); ++i) {
      const TSpriteSlot& slot = Catalog()[i];
      SCOPED_TRACE(slot.Name + " at " + std::to_string(scale));
      if (slot.Kind == TSpriteKind::Ball && slot.Code <= 7) {
        // A bold mark: at least a tenth of the ball changes clearly.
        EXPECT_GE(ChangedPixels(plain[i], marked[i]) * 10, LitPixels(plain[i]));
      } else {
        EXPECT_EQ(plain[i], marked[i]);
      }
    }
  }
}
