// The 80 sprite slots in the resources: file formats, the empty frame-2 rest slots, and how the poses look.
#include <QColor>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "AssetBytes.h"
#include "AssetNames.h"

namespace {

QImage LoadSprite(const QString& prefix, int frame, int code) {
  QImage image;
  image.loadFromData(ReadResource(SpriteResourcePath(prefix, frame, code)), "BMP");
  return image;
}

bool HoldsPicture(const QString& prefix, int frame) { return !(prefix == "normal" && frame == 2); }

// The ball's extent: the bounding box of the pixels that are clearly not background.
QRect BallExtent(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) > 24) box |= QRect(x, y, 1, 1);
  return box;
}

int LitPixels(const QImage& image) {
  int lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) lit += qGray(image.pixel(x, y)) > 24 ? 1 : 0;
  return lit;
}

QColor CentreColour(const QImage& image) {
  long r = 0, g = 0, b = 0, n = 0;
  for (int y = 16; y < 26; ++y)
    for (int x = 14; x < 24; ++x) {
      const QRgb p = image.pixel(x, y);
      r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
    }
  return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

}  // namespace

TEST(SpriteResources, EverySlotIsStoredInItsFormat) {
  int pictures = 0;
  for (const QString& prefix : SpritePrefixes())
    for (int frame = 1; frame <= 2; ++frame)
      for (int code = 0; code <= 9; ++code) {
        SCOPED_TRACE((prefix + QString::number(frame) + QString::number(code)).toStdString());
        QFile file(SpriteResourcePath(prefix, frame, code));
        ASSERT_TRUE(file.exists());
        const QByteArray bytes = ReadResource(file.fileName());
        if (!HoldsPicture(prefix, frame)) {
          EXPECT_EQ(bytes.size(), 0);
          EXPECT_TRUE(LoadSprite(prefix, frame, code).isNull());
          continue;
        }
        ++pictures;
        const bool placeholder = code == 0;
        ASSERT_EQ(bytes.size(), placeholder ? 2374 : 3942);
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(LE32(bytes, 2), static_cast<std::uint32_t>(bytes.size()));
        EXPECT_EQ(LE32(bytes, 10), placeholder ? 1078u : 54u);  // pixel data offset
        EXPECT_EQ(LE32(bytes, 14), 40u);                        // information header
        EXPECT_EQ(LE32(bytes, 18), 36u);
        EXPECT_EQ(LE32(bytes, 22), 36u);
        EXPECT_EQ(LE16(bytes, 28), placeholder ? 8u : 24u);
        EXPECT_EQ(LE32(bytes, 30), 0u);  // uncompressed
        const QImage image = LoadSprite(prefix, frame, code);
        ASSERT_EQ(image.size(), QSize(36, 36));
        EXPECT_FALSE(image.hasAlphaChannel());
      }
  EXPECT_EQ(pictures, 70);
}

TEST(SpriteResources, NamesAreFoundWhateverTheirCase) {
  EXPECT_EQ(ReadResource(SpriteResourcePath("Destroy29")), ReadResource(SpriteResourcePath("destroy", 2, 9)));
  EXPECT_EQ(SpriteResourcePath("JUMP15"), ":/sprites/jump15.bmp");
}

TEST(SpriteResources, PlaceholdersAreOneGreyPicture) {
  const QByteArray first = ReadResource(SpriteResourcePath("normal10"));
  for (const char* name : {"make10", "make20", "jump10", "jump20", "destroy10", "destroy20"})
    EXPECT_EQ(ReadResource(SpriteResourcePath(name)), first) << name;
  for (int entry = 0; entry < 256; ++entry) {
    const int at = 54 + entry * 4;
    EXPECT_TRUE(first.at(at) == first.at(at + 1) && first.at(at + 1) == first.at(at + 2)) << entry;
  }
}

TEST(SpriteResources, BallsSitOnABlackSquare) {
  for (const QString& prefix : SpritePrefixes())
    for (int frame = 1; frame <= 2; ++frame)
      for (int code = 1; code <= 9; ++code) {
        if (!HoldsPicture(prefix, frame)) continue;
        const QImage image = LoadSprite(prefix, frame, code);
        for (const QPoint corner : {QPoint(0, 35), QPoint(35, 35), QPoint(0, 0)})
          EXPECT_LE(qGray(image.pixel(corner)), 12) << prefix.toStdString() << frame << code;
      }
}

TEST(SpriteResources, PosesChangeTheBallsShape) {
  for (int code = 1; code <= 8; ++code) {
    SCOPED_TRACE(code);
    const QRect rest = BallExtent(LoadSprite("normal", 1, code));
    const QRect small = BallExtent(LoadSprite("make", 1, code));
    const QRect larger = BallExtent(LoadSprite("make", 2, code));
    const QRect squashed = BallExtent(LoadSprite("jump", 1, code));
    const QRect raised = BallExtent(LoadSprite("jump", 2, code));
    EXPECT_GE(rest.width(), 28);
    EXPECT_LT(small.width(), larger.width());
    EXPECT_LT(larger.width(), rest.width());
    EXPECT_GT(squashed.width(), squashed.height());
    EXPECT_GT(raised.height(), raised.width());
    EXPECT_LT(raised.top(), rest.top());
  }
}

TEST(SpriteResources, VanishingStagesDifferFromTheRestingBall) {
  for (int code = 1; code <= 9; ++code) {
    const QImage rest = LoadSprite("normal", 1, code);
    const QImage cracked = LoadSprite("destroy", 1, code);
    const QImage shattered = LoadSprite("destroy", 2, code);
    EXPECT_NE(rest, cracked);
    EXPECT_NE(cracked, shattered);
    // The shattered ball has flown apart into small pieces: far less of the cell is lit.
    EXPECT_LT(LitPixels(shattered) * 4, LitPixels(rest) * 3) << code;
  }
}

// Told apart by brightness alone as well as by hue, so that colour-blind players can play.
TEST(SpriteResources, TheSevenColoursDifferInHueAndBrightness) {
  std::vector<QColor> colours;
  for (int code = 1; code <= 7; ++code) colours.push_back(CentreColour(LoadSprite("normal", 1, code)));
  for (std::size_t a = 0; a < colours.size(); ++a)
    for (std::size_t b = a + 1; b < colours.size(); ++b) {
      const int lightness = std::abs(qGray(colours[a].rgb()) - qGray(colours[b].rgb()));
      const bool neutral = colours[a].hsvSaturation() < 40 || colours[b].hsvSaturation() < 40;
      int hue = std::abs(colours[a].hsvHue() - colours[b].hsvHue());
      hue = std::min(hue, 360 - hue);
      EXPECT_TRUE(neutral || hue >= 20) << "codes " << a + 1 << " and " << b + 1 << " share a hue";
      EXPECT_TRUE(lightness >= 12 || hue >= 120) << "codes " << a + 1 << " and " << b + 1 << " look alike in grey";
    }
}
