// The generators' building blocks and their determinism: a second run must give the build's bytes exactly.
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "AssetBytes.h"
#include "BankHeader.h"
#include "BankPacker.h"
#include "BmpFile.h"
#include "BuiltSoundBank.h"
#include "MidiFile.h"
#include "Palette.h"

namespace fs = std::filesystem;

namespace {

TBytes VariableLength(std::uint32_t value) {
  TBytes out;
  PutVariableLength(out, value);
  return out;
}

// Runs the generator with its arguments (each quoted); true when it succeeded.
bool RunGenerator(const std::vector<std::string>& arguments) {
  std::string command = std::string("\"") + BRINDLOW_ASSET_GENERATOR + "\"";
  for (const std::string& argument : arguments) command += " \"" + argument + "\"";
  return std::system((command + " 2>/dev/null").c_str()) == 0;
}

// Runs the generator for one kind of asset into a fresh folder and returns the folder; extra arguments
// (a scale) follow the folder.
fs::path Generate(const std::string& kind, const fs::path& folder, const std::vector<std::string>& extra = {}) {
  fs::create_directories(folder);
  std::vector<std::string> arguments = {kind, folder.string()};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  EXPECT_TRUE(RunGenerator(arguments)) << kind;
  return folder;
}

void ExpectSameFiles(const fs::path& made, const fs::path& built) {
  int files = 0;
  for (const auto& entry : fs::directory_iterator(built)) {
    ++files;
    EXPECT_EQ(ReadWholeFile(entry.path().string()), ReadWholeFile((made / entry.path().filename()).string()))
        << entry.path().filename();
  }
  EXPECT_GT(files, 0);
}

}  // namespace

TEST(MidiWriter, VariableLengthQuantitiesUseSevenBitsPerByte) {
  EXPECT_EQ(VariableLength(0), (TBytes{0x00}));
  EXPECT_EQ(VariableLength(0x7F), (TBytes{0x7F}));
  EXPECT_EQ(VariableLength(0x80), (TBytes{0x81, 0x00}));
  EXPECT_EQ(VariableLength(0x3FFF), (TBytes{0xFF, 0x7F}));
  EXPECT_EQ(VariableLength(0x4000), (TBytes{0x81, 0x80, 0x00}));
  EXPECT_EQ(VariableLength(0x0FFFFFFF), (TBytes{0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(MidiWriter, ANoteEndingWhereTheNextBeginsIsSwitchedOffFirst) {
  TMidiTrack track;
  track.Note(0, 480, 0, 60, 90);
  track.Note(480, 480, 0, 60, 90);
  const TBytes chunk = track.Encode();
  // delta 0 on; delta 480 off; delta 0 on; delta 480 off; End of Track
  const TBytes expected = {'M', 'T', 'r', 'k', 0, 0, 0, 22,   0x00, 0x90, 60, 90, 0x83, 0x60, 0x80, 60, 64,
                           0x00, 0x90, 60, 90, 0x83, 0x60, 0x80, 60, 64, 0x00, 0xFF, 0x2F, 0x00};
  EXPECT_EQ(chunk, expected);
}

TEST(BmpWriter, RowsArePaddedToFourBytesAndStoredBottomUp) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(1, 2, 3));     // top-left
  image.setPixel(0, 1, qRgb(10, 20, 30));  // bottom-left
  const TBytes bmp = EncodeBmp24(image);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  EXPECT_EQ(bmp[54], 30);  // the bottom row comes first, in blue-green-red order
  EXPECT_EQ(bmp[56], 10);
  EXPECT_EQ(bmp[54 + 12], 3);
  EXPECT_EQ(bmp[54 + 9], 0);  // padding
}

TEST(Palette, FewColoursAreKeptExactlyAndManyAreReduced) {
  const std::vector<QRgb> few = {qRgb(1, 2, 3), qRgb(200, 0, 0), qRgb(1, 2, 3)};
  const auto kept = MedianCutPalette(few, 255);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[static_cast<std::size_t>(NearestPaletteIndex(kept, qRgb(200, 0, 0)))], qRgb(200, 0, 0));
  std::vector<QRgb> many;
  for (int i = 0; i < 1024; ++i) many.push_back(qRgb(i % 256, (i * 7) % 256, (i / 4) % 256));
  const auto reduced = MedianCutPalette(many, 255);
  EXPECT_EQ(reduced.size(), 255u);
  for (QRgb colour : many) {
    const QRgb near = reduced[static_cast<std::size_t>(NearestPaletteIndex(reduced, colour))];
    EXPECT_LT(std::abs(qRed(near) - qRed(colour)) + std::abs(qGreen(near) - qGreen(colour)) +
                  std::abs(qBlue(near) - qBlue(colour)),
              60);
  }
}

TEST(BankPacker, EntriesFollowTheHeaderInOrder) {
  const TBytes bank = PackBank({{"ONE.WAV", {1, 2, 3}}, {"EMPTY.WAV", {}}, {"TWO.MID", {9}}});
  ASSERT_EQ(bank.size(), static_cast<std::size_t>(BankHeaderSize) + 4);
  std::array<std::uint8_t, BankHeaderSize> head{};
  std::copy_n(bank.begin(), BankHeaderSize, head.begin());
  const TBankHeader header = DecodeBankHeader(head);
  EXPECT_EQ(header.Count, 3);
  EXPECT_EQ(header.Names[2], "EMPTY.WAV");
  EXPECT_EQ(header.Sizes[1], 3);
  EXPECT_EQ(header.Sizes[2], 0);
  EXPECT_EQ(header.Start, BankHeaderSize);
  EXPECT_EQ(bank[BankHeaderSize + 3], 9);
}

TEST(BankPacker, RefusesWhatTheBankCannotHold) {
  EXPECT_THROW(PackBank({{"THIRTEEN.WAVE", {}}}), std::invalid_argument);
  EXPECT_NO_THROW(PackBank({{"TWELVE12.WAV", {}}}));
  EXPECT_THROW(PackBank(std::vector<TBankEntry>(256, {"A", {}})), std::invalid_argument);
}

TEST(BankPacker, NamesTheEffectsBeforeTheSongs) {
  const auto names = SoundBankNames();
  ASSERT_EQ(names.size(), 19u);
  EXPECT_EQ(names[0], "STARTUP.WAV");
  EXPECT_EQ(names[10], "CLOSE.WAV");
  EXPECT_EQ(names[11].substr(names[11].size() - 4), ".MID");
}

TEST(Generators, ASecondRunMakesTheSameBytesAsTheBuild) {
  const fs::path root = fs::temp_directory_path() / ("brindlow-assets-" + std::to_string(::getpid()));
  fs::remove_all(root);
  const fs::path built = fs::path(BRINDLOW_GENERATED_ASSETS);
  ExpectSameFiles(Generate("sprites", root / "sprites"), built / "sprites");
  ExpectSameFiles(Generate("sprites", root / "sprites@2x", {"2"}), built / "sprites@2x");
  ExpectSameFiles(Generate("icons", root / "icons"), built / "icons");
  ExpectSameFiles(Generate("icons", root / "icons@2x", {"2"}), built / "icons@2x");
  ExpectSameFiles(Generate("sounds", root / "sounds"), built / "sounds");
  fs::create_directories(root / "pictures");
  ASSERT_TRUE(RunGenerator({"picture", (root / "pictures" / "start.jpg").string()}));
  ASSERT_TRUE(RunGenerator({"picture", (root / "pictures" / "start@2x.jpg").string(), "2"}));
  ExpectSameFiles(root / "pictures", built / "pictures");
  ASSERT_TRUE(RunGenerator({"bank", (root / "sounds").string(), (root / "Sound.dat").string()}));
  EXPECT_EQ(ReadWholeFile((root / "Sound.dat").string()), ReadWholeFile(BuiltSoundBankPath));
  fs::remove_all(root);
}

TEST(Generators, RefuseAScaleTheyCannotPaint) {
  const fs::path root = fs::temp_directory_path() / ("brindlow-scales-" + std::to_string(::getpid()));
  fs::create_directories(root);
  EXPECT_FALSE(RunGenerator({"sprites", root.string(), "0"}));
  EXPECT_FALSE(RunGenerator({"sprites", root.string(), "twice"}));
  EXPECT_FALSE(RunGenerator({"picture", (root / "start.jpg").string(), "2", "3"}));
  EXPECT_FALSE(fs::exists(root / "start.jpg"));
  EXPECT_TRUE(fs::is_empty(root));
  fs::remove_all(root);
}

TEST(Generators, ContactSheetsHoldEverySpriteAndTheStartPicture) {
  const fs::path root =
      Generate("sheets", fs::temp_directory_path() / ("brindlow-sheets-" + std::to_string(::getpid())));
  int sheets = 0;
  for (const auto& entry : fs::directory_iterator(root)) sheets += entry.path().extension() == ".png" ? 1 : 0;
  EXPECT_EQ(sheets, 11);
  // Ten sprites of 108 pixels a row after the row names, eight rows, six pixels between them.
  EXPECT_EQ(QImage(QString::fromStdString((root / "sprites-3x-symbols.png").string())).size(), QSize(1236, 918));
  EXPECT_EQ(QImage(QString::fromStdString((root / "start-3x.png").string())).size(), QSize(1380, 1338));
  fs::remove_all(root);
}
