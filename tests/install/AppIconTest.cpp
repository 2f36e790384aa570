// The desktop icon: the taskbar ball at every hicolor size, and a scalable version that draws the same.
#include <QImage>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

#include "AppIcon.h"
#include "BallArt.h"
#include "IconArt.h"

namespace {

// The share of pixels that are at least half opaque.
double Coverage(const QImage& image) {
  int opaque = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) >= 128;
  return static_cast<double>(opaque) / (image.width() * image.height());
}

// Mean difference of the four channels over all pixels, from 0 (same) to 1.
double MeanDifference(const QImage& a, const QImage& b) {
  const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  double sum = 0;
  for (int y = 0; y < left.height(); ++y)
    for (int x = 0; x < left.width(); ++x) {
      const QRgb p = left.pixel(x, y);
      const QRgb q = right.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
             std::abs(qAlpha(p) - qAlpha(q));
    }
  return sum / (4.0 * 255.0 * left.width() * left.height());
}

std::string Hex(const QColor& colour) { return colour.name(QColor::HexRgb).toStdString(); }

}  // namespace

TEST(AppIcon, EveryHicolorSizeFrom16To256) {
  const std::vector<int>& sizes = AppIconSizes();
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), size), sizes.end()) << size;
}

TEST(AppIcon, EachSizeIsARoundBallOnAClearGround) {
  for (int size : AppIconSizes()) {
    const QImage icon = RenderAppIcon(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    ASSERT_TRUE(icon.hasAlphaChannel());
    const int last = size - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
      EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    // The disc fills the square less its margin of a 32nd on each side: π/4 · (30/32)², give or
    // take the rounding of its rim, which weighs more in a small square.
    EXPECT_NEAR(Coverage(icon), 3.14159265 / 4 * (30.0 / 32) * (30.0 / 32), size < 32 ? 0.06 : 0.02) << size;
  }
}

TEST(AppIcon, ThirtyTwoPixelsIsTheTaskbarIconAtRest) {
  EXPECT_EQ(RenderAppIcon(32), RenderIconFrame(0));
  // Painted afresh at each size, not scaled up from a small picture: a big icon has more distinct colours.
  std::set<QRgb> small, large;
  const QImage icon16 = RenderAppIcon(16);
  const QImage icon256 = RenderAppIcon(256);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) small.insert(icon16.pixel(x, y));
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) large.insert(icon256.pixel(x, y));
  EXPECT_GT(large.size(), 20 * small.size());
}

TEST(AppIcon, RendersTheSameEveryTime) {
  EXPECT_EQ(RenderAppIcon(48), RenderAppIcon(48));
  EXPECT_EQ(AppIconSvg(), AppIconSvg());
}

TEST(AppIconSvg, IsAWellFormedSquareDocumentInTheGamesColours) {
  QXmlStreamReader reader(QString::fromStdString(AppIconSvg()));
  std::set<std::string> fills;
  int paths = 0;
  bool root = true;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    if (root) {
      EXPECT_EQ(reader.name().toString(), "svg");
      EXPECT_EQ(reader.namespaceUri().toString(), "http://www.w3.org/2000/svg");
      EXPECT_EQ(reader.attributes().value("viewBox").toString(), "0 0 32 32");
      root = false;
    }
    if (reader.name() == QStringLiteral("path")) {
      ++paths;
      fills.insert(reader.attributes().value("fill").toString().toStdString());
    }
  }
  ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  EXPECT_EQ(paths, 8);
  EXPECT_EQ(fills, (std::set<std::string>{Hex(BallColour(2)), Hex(BallColour(4)), Hex(BallColour(5)),
                                          Hex(BallColour(7))}));
}

TEST(AppIconSvg, DrawsWhatTheBitmapsShow) {
  if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "rsvg-convert is not installed";
  std::string folder = (std::filesystem::temp_directory_path() / "brindlow-svg-XXXXXX").string();
  ASSERT_NE(::mkdtemp(folder.data()), nullptr);
  const std::string svg = folder + "/icon.svg";
  const std::string png = folder + "/icon.png";
  std::ofstream(svg) << AppIconSvg();
  for (int size : {32, 128}) {
    const std::string command = "rsvg-convert -w " + std::to_string(size) + " -h " + std::to_string(size) + " '" +
                                svg + "' -o '" + png + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    QImage drawn(QString::fromStdString(png));
    ASSERT_EQ(drawn.size(), QSize(size, size));
    // Two renderers never agree to the last pixel on edges and gradients; a wrong band, shade or
    // gloss moves the mean by several per cent.
    EXPECT_LT(MeanDifference(drawn, RenderAppIcon(size)), 0.015) << size;
  }
  std::filesystem::remove_all(folder);
}
