// The start picture's JPEG stream and the taskbar icon frames in the resources.
#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>

#include "AssetBytes.h"
#include "AssetNames.h"

namespace {

struct TJpegFrame {
  int Marker = 0;
  int Precision = 0, Height = 0, Width = 0, Components = 0;
};

// The start-of-frame segments of a JPEG stream, found by walking its marker segments up to the scan.
std::vector<TJpegFrame> FrameHeaders(const QByteArray& jpeg) {
  std::vector<TJpegFrame> frames;
  int at = 2;
  while (at + 4 <= jpeg.size() && static_cast<std::uint8_t>(jpeg.at(at)) == 0xFF) {
    const int marker = static_cast<std::uint8_t>(jpeg.at(at + 1));
    const int length = static_cast<int>(BE16(jpeg, at + 2));
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      frames.push_back({marker, static_cast<std::uint8_t>(jpeg.at(at + 4)), static_cast<int>(BE16(jpeg, at + 5)),
                        static_cast<int>(BE16(jpeg, at + 7)), static_cast<std::uint8_t>(jpeg.at(at + 9))});
    if (marker == 0xDA) break;
    at += 2 + length;
  }
  return frames;
}

struct TJpegFailure {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
};

// Decodes through libjpeg as the game does; false when libjpeg reports an error.
bool DecodeWithLibjpeg(const QByteArray& jpeg, int& width, int& height, int& components) {
  jpeg_decompress_struct info{};
  TJpegFailure failure{};
  info.err = jpeg_std_error(&failure.Manager);
  failure.Manager.error_exit = [](j_common_ptr common) {
    std::longjmp(reinterpret_cast<TJpegFailure*>(common->err)->Jump, 1);
  };
  if (setjmp(failure.Jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  std::vector<unsigned char> row(info.output_width * info.output_components);
  while (info.output_scanline < info.output_height) {
    unsigned char* line = row.data();
    jpeg_read_scanlines(&info, &line, 1);
  }
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  components = info.output_components;
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

TEST(StartPicture, IsABaselineJpegOfTheWindowsSize) {
  const QByteArray jpeg = ReadResource(StartPictureResource);
  ASSERT_GT(jpeg.size(), 1000);
  EXPECT_EQ(static_cast<std::uint8_t>(jpeg.at(0)), 0xFF);
  EXPECT_EQ(static_cast<std::uint8_t>(jpeg.at(1)), 0xD8);
  EXPECT_EQ(static_cast<std::uint8_t>(jpeg.at(jpeg.size() - 2)), 0xFF);
  EXPECT_EQ(static_cast<std::uint8_t>(jpeg.at(jpeg.size() - 1)), 0xD9);
  const auto frames = FrameHeaders(jpeg);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].Marker, 0xC0);  // baseline sequential, Huffman
  EXPECT_EQ(frames[0].Precision, 8);
  EXPECT_EQ(frames[0].Width, 460);
  EXPECT_EQ(frames[0].Height, 446);
  EXPECT_EQ(frames[0].Components, 3);
  int width = 0, height = 0, components = 0;
  ASSERT_TRUE(DecodeWithLibjpeg(jpeg, width, height, components));
  EXPECT_EQ(width, 460);
  EXPECT_EQ(height, 446);
  EXPECT_EQ(components, 3);
}

TEST(TaskbarIcons, EachFrameIsA32By32IconOf256ColoursWithAMask) {
  for (int frame = 0; frame < TaskbarIconFrames; ++frame) {
    SCOPED_TRACE(frame);
    const QByteArray icon = ReadResource(IconResourcePath(frame));
    ASSERT_EQ(icon.size(), 6 + 16 + 40 + 1024 + 1024 + 128);
    EXPECT_EQ(LE16(icon, 0), 0u);
    EXPECT_EQ(LE16(icon, 2), 1u);  // icon
    EXPECT_EQ(LE16(icon, 4), 1u);  // one image
    EXPECT_EQ(static_cast<std::uint8_t>(icon.at(6)), 32);
    EXPECT_EQ(static_cast<std::uint8_t>(icon.at(7)), 32);
    EXPECT_EQ(LE16(icon, 12), 8u);
    EXPECT_EQ(LE32(icon, 14), static_cast<std::uint32_t>(icon.size() - 22));
    EXPECT_EQ(LE32(icon, 18), 22u);
    EXPECT_EQ(LE32(icon, 22), 40u);
    EXPECT_EQ(LE32(icon, 26), 32u);
    EXPECT_EQ(LE32(icon, 30), 64u);  // colours and mask stacked
    EXPECT_EQ(LE16(icon, 36), 8u);
  }
}

TEST(TaskbarIcons, LoadWithTransparentCornersAndAnOpaqueMiddle) {
  EnsureApplication();
  for (int frame = 0; frame < TaskbarIconFrames; ++frame) {
    QImage image;
    ASSERT_TRUE(image.loadFromData(ReadResource(IconResourcePath(frame)), "ICO")) << frame;
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0);
    EXPECT_EQ(qAlpha(image.pixel(16, 16)), 255);
  }
}

TEST(TaskbarIcons, TheAnimationMovesEveryFrameAndLoops) {
  for (int frame = 1; frame < TaskbarIconFrames; ++frame) {
    const int next = frame == TaskbarIconFrames - 1 ? 1 : frame + 1;
    EXPECT_NE(ReadResource(IconResourcePath(frame)), ReadResource(IconResourcePath(next))) << frame;
  }
}
