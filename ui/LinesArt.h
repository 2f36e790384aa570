// Where the main window's pictures come from: its start picture and its four sprite sets.
#pragma once

#include <QPixmap>
#include <QString>

#include <array>

class TImageStorage;

class ILinesArt {
public:
  virtual ~ILinesArt() = default;
  // The start picture, with its green button inviting in these words, for a screen of this density.
  virtual QPixmap StartPicture(const QString& invitation, double devicePixelRatio) = 0;
  // Fills the Normal, Make, Jump and Destroy sets; only once the window's first frame is out.
  virtual void FillSprites(const std::array<TImageStorage*, 4>& sets) = 0;
  // The first frame is out and the sprites are filled: what was put off for it may be done now.
  virtual void FirstFrameShown() {}
};
