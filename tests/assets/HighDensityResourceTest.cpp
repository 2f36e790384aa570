// The pictures for screens of twice the density: their formats and sizes, and that each is the plain
// picture painted afresh with finer pixels rather than moved, cropped or merely enlarged.
#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

#include "AssetBytes.h"
#include "AssetNames.h"

namespace {

QImage LoadImage(const QString& path, const char* format) {
  QImage image;
  image.loadFromData(ReadResource(path), format);
  return image.convertToFormat(QImage::Format_ARGB32);
}

// Each 2 × 2 block of a picture averaged into one pixel, channel by channel and alpha too.
QImage HalveByBlocks(const QImage& image) {
  QImage half(image.width() / 2, image.height() / 2, QImage::Format_ARGB32);
  for (int y = 0; y < half.height(); ++y)
    for (int x = 0; x < half.width(); ++x) {
      int r = 0, g = 0, b = 0, a = 0;
      for (const QPoint at : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y), QPoint(2 * x, 2 * y + 1),
                              QPoint(2 * x + 1, 2 * y + 1)}) {
        const QRgb p = image.pixel(at);
        r += qRed(p), g += qGreen(p), b += qBlue(p), a += qAlpha(p);
      }
      half.setPixel(x, y, qRgba((r + 2) / 4, (g + 2) / 4, (b + 2) / 4, (a + 2) / 4));
    }
  return half;
}

// The mean difference per colour channel between two pictures of one size.
double MeanDifference(const QImage& a, const QImage& b) {
  EXPECT_EQ(a.size(), b.size());
  long total = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  return static_cast<double>(total) / (3.0 * a.width() * a.height());
}

// Among the 2 × 2 blocks not wholly black, the share whose four pixels are not all alike: zero for a
// small picture that was merely enlarged.
double DetailedBlockShare(const QImage& image) {
  int detailed = 0, blocks = 0;
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb p = image.pixel(x, y);
      const bool alike = image.pixel(x + 1, y) == p && image.pixel(x, y + 1) == p && image.pixel(x + 1, y + 1) == p;
      if (alike && qGray(p) == 0) continue;
      ++blocks;
      if (!alike) ++detailed;
    }
  return blocks == 0 ? 0.0 : static_cast<double>(detailed) / blocks;
}

}  // namespace

TEST(HighDensity, TheScaleDependsOnTheDevicePixelRatio) {
  EXPECT_EQ(AssetScale(1.0), 1);
  EXPECT_EQ(AssetScale(0.5), 1);
  EXPECT_EQ(AssetScale(1.25), 2);
  EXPECT_EQ(AssetScale(2.0), 2);
  EXPECT_EQ(AssetScale(3.0), 2);
  EXPECT_EQ(SpriteResourcePath("Jump15", 2), ":/sprites@2x/jump15.bmp");
  EXPECT_EQ(SpriteResourcePath("jump", 1, 5, 1), ":/sprites/jump15.bmp");
  EXPECT_EQ(StartPictureResourcePath(1), StartPictureResource);
  EXPECT_EQ(StartPictureResourcePath(2), ":/pictures/start@2x.jpg");
  EXPECT_EQ(IconResourcePath2x(18), ":/icons@2x/FEjpeg18.png");
}

TEST(HighDensity, EverySpriteSlotHasATwiceSizeBitmapOfItsKind) {
  int pictures = 0;
  for (const QString& prefix : SpritePrefixes())
    for (int frame = 1; frame <= 2; ++frame)
      for (int code = 0; code <= 9; ++code) {
        SCOPED_TRACE((prefix + QString::number(frame) + QString::number(code)).toStdString());
        const QByteArray plain = ReadResource(SpriteResourcePath(prefix, frame, code));
        const QByteArray bytes = ReadResource(SpriteResourcePath(prefix, frame, code, 2));
        if (plain.isEmpty()) {
          EXPECT_TRUE(bytes.isEmpty());
          continue;
        }
        ++pictures;
        const bool placeholder = code == 0;
        ASSERT_EQ(bytes.size(), placeholder ? 1078 + 72 * 72 : 54 + 72 * 72 * 3);
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(LE32(bytes, 2), static_cast<std::uint32_t>(bytes.size()));
        EXPECT_EQ(LE32(bytes, 18), 72u);
        EXPECT_EQ(LE32(bytes, 22), 72u);
        EXPECT_EQ(LE16(bytes, 28), placeholder ? 8u : 24u);
        EXPECT_EQ(LE32(bytes, 30), 0u);
        EXPECT_EQ(LoadImage(SpriteResourcePath(prefix, frame, code, 2), "BMP").size(), QSize(72, 72));
      }
  EXPECT_EQ(pictures, 70);
}

TEST(HighDensity, TwiceSizeSpritesShowThePlainSpriteInFinerPixels) {
  for (const QString& prefix : SpritePrefixes())
    for (int frame = 1; frame <= 2; ++frame)
      for (int code = 0; code <= 9; ++code) {
        if (ReadResource(SpriteResourcePath(prefix, frame, code)).isEmpty()) continue;
        SCOPED_TRACE((prefix + QString::number(frame) + QString::number(code)).toStdString());
        const QImage plain = LoadImage(SpriteResourcePath(prefix, frame, code), "BMP");
        const QImage fine = LoadImage(SpriteResourcePath(prefix, frame, code, 2), "BMP");
        // Antialiased edges fall on other pixels, so the pictures agree on average, not pixel by pixel.
        EXPECT_LT(MeanDifference(HalveByBlocks(fine), plain), 8.0);
        if (code != 0) {
          EXPECT_GT(DetailedBlockShare(fine), 0.5);
        }
      }
}

TEST(HighDensity, TheTwiceSizeStartPictureIsABaselineJpegOfTheSamePicture) {
  EnsureApplication();
  const QByteArray jpeg = ReadResource(StartPictureResourcePath(2));
  ASSERT_GT(jpeg.size(), 1000);
  // The frame header follows the application and table segments; find the baseline one.
  const int frame = static_cast<int>(jpeg.indexOf(QByteArray("\xFF\xC0", 2)));
  ASSERT_GT(frame, 0);
  EXPECT_LT(jpeg.indexOf(QByteArray("\xFF\xC2", 2)), 0);  // not progressive
  EXPECT_EQ(BE16(jpeg, frame + 5), 892u);
  EXPECT_EQ(BE16(jpeg, frame + 7), 920u);
  EXPECT_EQ(static_cast<std::uint8_t>(jpeg.at(frame + 9)), 3);
  const QImage plain = LoadImage(StartPictureResourcePath(1), "JPEG");
  const QImage fine = LoadImage(StartPictureResourcePath(2), "JPEG");
  ASSERT_EQ(fine.size(), QSize(920, 892));
  EXPECT_LT(MeanDifference(HalveByBlocks(fine), plain), 6.0);
  EXPECT_GT(DetailedBlockShare(fine), 0.3);
}

TEST(HighDensity, TwiceSizeIconFramesAre64PixelPicturesOfTheSameBall) {
  EnsureApplication();
  for (int frame = 0; frame < TaskbarIconFrames; ++frame) {
    SCOPED_TRACE(frame);
    const QImage fine = LoadImage(IconResourcePath2x(frame), "PNG");
    ASSERT_EQ(fine.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(fine.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(fine.pixel(63, 63)), 0);
    EXPECT_EQ(qAlpha(fine.pixel(32, 32)), 255);
    // The plain frame's mask cuts at half alpha: the fine picture covers the same pixels, give or take its rim.
    const QImage plain = LoadImage(IconResourcePath(frame), "ICO");
    const QImage half = HalveByBlocks(fine);
    int disagree = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) disagree += (qAlpha(half.pixel(x, y)) >= 128) != (qAlpha(plain.pixel(x, y)) >= 128);
    EXPECT_LE(disagree, 12);
  }
  EXPECT_NE(LoadImage(IconResourcePath2x(1), "PNG"), LoadImage(IconResourcePath2x(2), "PNG"));
}
