// brindlow-make-assets: writes one kind of the game's assets; the build runs it for each kind.
//   sprites <folder>   the 80 sprite slots as <name>.bmp (an empty file for a slot without a picture)
//   picture <file>     the start picture as a baseline JPEG
//   icons <folder>     the taskbar icon frames FEjpeg0.ico … FEjpeg18.ico
//   appicons <folder>  the desktop icon as brindlow-<size>.png for each bitmap size, and brindlow.svg
//   sounds <folder>    the effects and songs, each under its bank name
//   bank <folder> <file>  packs the sounds of <folder> into the sound bank
#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "AppIcon.h"
#include "BankPacker.h"
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

void WriteSprites(const std::string& folder) {
  for (const TSpriteSlot& slot : SpriteSlots()) WriteFileBytes(folder + "/" + slot.Name + ".bmp", EncodeSpriteSlot(slot));
}

void WriteIcons(const std::string& folder) {
  for (int frame = 0; frame < IconFrameCount; ++frame)
    WriteFileBytes(folder + "/FEjpeg" + std::to_string(frame) + ".ico", EncodeIcon256(RenderIconFrame(frame)));
}

void WriteAppIcons(const std::string& folder) {
  for (int size : AppIconSizes()) {
    const std::string path = folder + "/brindlow-" + std::to_string(size) + ".png";
    if (!RenderAppIcon(size).save(QString::fromStdString(path), "PNG")) throw std::runtime_error("cannot write " + path);
  }
  const std::string svg = AppIconSvg();
  WriteFileBytes(folder + "/brindlow.svg", TBytes(svg.begin(), svg.end()));
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
  std::cerr << "usage: brindlow-make-assets sprites|picture|icons|appicons|sounds <output> | bank <sounds folder> <file>\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Painting text needs the font database, which lives in the GUI application; no window is ever opened.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  if (argc < 3) return Usage();
  const std::string kind = argv[1];
  const std::string output = argv[2];
  try {
    if (kind == "sprites") WriteSprites(output);
    else if (kind == "picture") WriteFileBytes(output, EncodeBaselineJpeg(RenderStartPicture(), StartPictureQuality));
    else if (kind == "icons") WriteIcons(output);
    else if (kind == "appicons") WriteAppIcons(output);
    else if (kind == "sounds") WriteSounds(output);
    else if (kind == "bank" && argc == 4) WriteBank(output, argv[3]);
    else return Usage();
  } catch (const std::exception& error) {
    std::cerr << "brindlow-make-assets: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
