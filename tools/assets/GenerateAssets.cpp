// brindlow-make-assets: writes one kind of the game's assets; the build runs it for each kind.
//   sprites <folder> [scale]  the 80 sprite slots as <name>.bmp (an empty file for a slot without a picture)
//   picture <file> [scale]    the start picture as a baseline JPEG
//   icons <folder> [scale]    the taskbar icon frames FEjpeg0.ico … FEjpeg18.ico; at a larger scale
//                             FEjpeg0.png … FEjpeg18.png of full colour and alpha
//   appicons <folder>         the desktop icon as brindlow-<size>.png for each bitmap size, and brindlow.svg
//   sounds <folder>           the effects and songs, each under its bank name
//   bank <folder> <file>      packs the sounds of <folder> into the sound bank
//   sheets <folder>           contact sheets for looking at the art: every sprite at 1, 2 and 3 times the size,
//                             plain and with symbols, at 2 with symbols as each kind of colour blindness sees
//                             them, and the start picture at 1.5 and 3 times
//   vision                    prints how well the symbols tell the colours apart to colour-blind eyes
// The scale (1 unless given) multiplies the pictures' pixel size for screens of higher density.
#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "AppIcon.h"
#include "BankPacker.h"
#include "BmpFile.h"
#include "ColourVision.h"
#include "ContactSheet.h"
#include "Composer.h"
#include "Effects.h"
#include "IconArt.h"
#include "IconFile.h"
#include "JpegFile.h"
#include "SongStyles.h"
#include "SpriteCatalog.h"
#include "StartPicture.h"

namespace {

constexpr int StartPictureQuality = 90;

TBytes ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A ball as a 24-bit BMP, a placeholder as an 8-bit grey one, an empty slot as no bytes.
TBytes EncodeSpriteSlot(const TSpriteSlot& slot, int scale) {
  const QImage picture = RenderSpriteSlot(slot, scale, TBallMarking::Plain);
  switch (slot.Kind) {
    case TSpriteKind::Empty: return {};
    case TSpriteKind::Placeholder: return EncodeBmp8Grey(picture);
    case TSpriteKind::Ball: return EncodeBmp24(picture);
  }
  return {};
}

void WriteSprites(const std::string& folder, int scale) {
  for (const TSpriteSlot& slot : SpriteSlots())
    WriteFileBytes(folder + "/" + slot.Name + ".bmp", EncodeSpriteSlot(slot, scale));
}

void SavePng(const QImage& image, const std::string& path) {
  if (!image.save(QString::fromStdString(path), "PNG")) throw std::runtime_error("cannot write " + path);
}

// The 256-colour icon format has a one-bit mask, which frays a larger ball's soft edge; the larger
// frames keep their alpha in PNG instead.
void WriteIcons(const std::string& folder, int scale) {
  for (int frame = 0; frame < IconFrameCount; ++frame) {
    const std::string stem = folder + "/FEjpeg" + std::to_string(frame);
    if (scale == 1) WriteFileBytes(stem + ".ico", EncodeIcon256(RenderIconFrame(frame)));
    else SavePng(RenderIcon(frame, IconSize * scale), stem + ".png");
  }
}

void WriteAppIcons(const std::string& folder) {
  for (int size : AppIconSizes()) SavePng(RenderAppIcon(size), folder + "/brindlow-" + std::to_string(size) + ".png");
  const std::string svg = AppIconSvg();
  WriteFileBytes(folder + "/brindlow.svg", TBytes(svg.begin(), svg.end()));
}

void WriteContactSheets(const std::string& folder) {
  for (const int scale : {1, 2, 3}) {
    const std::string stem = folder + "/sprites-" + std::to_string(scale) + "x";
    SavePng(SpriteContactSheet(scale, TBallMarking::Plain), stem + ".png");
    SavePng(SpriteContactSheet(scale, TBallMarking::Symbols), stem + "-symbols.png");
  }
  const QImage marked = SpriteContactSheet(2, TBallMarking::Symbols);
  for (TColourVision vision : ColourVisions)
    SavePng(SimulateColourVision(marked, vision), folder + "/sprites-2x-symbols-" + ColourVisionName(vision) + ".png");
  SavePng(RenderStartPicture(1.5), folder + "/start-1.5x.png");
  SavePng(RenderStartPicture(3), folder + "/start-3x.png");
}

void WriteSounds(const std::string& folder) {
  for (const TEffect& effect : Effects()) WriteFileBytes(folder + "/" + effect.BankName, effect.Render());
  for (const TSongStyle& song : SongStyles()) WriteFileBytes(folder + "/" + song.BankName, ComposeSong(song));
}

void WriteBank(const std::string& folder, const std::string& file) {
  std::vector<TBankEntry> entries;
  for (const std::string& name : SoundBankNames()) entries.push_back({name, ReadFileBytes(folder + "/" + name)});
  WriteFileBytes(file, PackBank(entries));
}

int Usage() {
  std::cerr << "usage: brindlow-make-assets sprites|picture|icons <output> [scale] | appicons|sounds|sheets <output>"
               " | bank <sounds folder> <file> | vision\n";
  return 2;
}

// The optional scale argument: 1 to 4, 1 when absent; 0 for anything else.
int ScaleArgument(int argc, char** argv) {
  if (argc < 4) return 1;
  const std::string text = argv[3];
  return text.size() == 1 && text[0] >= '1' && text[0] <= '4' ? text[0] - '0' : 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Painting text needs the font database, which lives in the GUI application; no window is ever opened.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  if (argc == 2 && std::string(argv[1]) == "vision") {
    std::cout << ColourVisionTable(1);
    return 0;
  }
  if (argc < 3) return Usage();
  const std::string kind = argv[1];
  const std::string output = argv[2];
  const bool scalable = kind == "sprites" || kind == "picture" || kind == "icons";
  const int scale = ScaleArgument(argc, argv);
  if (scalable && (argc > 4 || scale == 0)) return Usage();
  try {
    if (kind == "sprites") WriteSprites(output, scale);
    else if (kind == "picture") WriteFileBytes(output, EncodeBaselineJpeg(RenderStartPicture(scale), StartPictureQuality));
    else if (kind == "icons") WriteIcons(output, scale);
    else if (kind == "appicons") WriteAppIcons(output);
    else if (kind == "sounds") WriteSounds(output);
    else if (kind == "sheets") WriteContactSheets(output);
    else if (kind == "bank" && argc == 4) WriteBank(output, argv[3]);
    else return Usage();
  } catch (const std::exception& error) {
    std::cerr << "brindlow-make-assets: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
