// The main window at a zoom step, with or without symbols, at an animation pace: its size, its art and
// its timers.
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cassert>

#include "AssetNames.h"
#include "BoardCursor.h"
#include "Bevels.h"
#include "ImageControl.h"
#include "MainWindow.h"
#include "SpriteForm.h"
#include "WindowZoom.h"

void TfrmLines::SetZoom(double zoom) {
  assert(std::find(ZoomSteps.begin(), ZoomSteps.end(), zoom) != ZoomSteps.end());
  if (zoom == ArtSize.Zoom) return;
  // The window grows and shrinks about its middle; before the first show it goes to the screen's middle.
  QPoint centre = geometry().center();
  if (!isVisible())
    if (const QScreen* screen = QGuiApplication::primaryScreen()) centre = screen->availableGeometry().center();
  ArtSize.Zoom = zoom;
  ZoomWindow(*this, zoom);
  move(centre - rect().center());
  imgBackground->SetPicture(StartPicture());
  LoadSprites();
  if (CursorCell != 0) PlaceClassic(*BoardCursor, ClassicPlace(*CellPanels[CursorCell - 1]));
  // The Keys window lays itself out in the font it was made with: the next one is made in the new font.
  if (Keys != nullptr && !Keys->isVisible()) {
    Keys->deleteLater();
    Keys = nullptr;
  }
  if (ZoomChanged) ZoomChanged(zoom);
}

QPixmap TfrmLines::StartPicture() {
  const auto keptOrPainted = [this](double scale, const QString& invitation) {
    if (QImage kept = StartPictures.Find(scale, invitation); !kept.isNull()) return kept;
    QImage painted = RenderStartPicture(scale, invitation);
    UnkeptStartPicture = [this, scale, invitation, painted] { StartPictures.Keep(scale, invitation, painted); };
    if (Started) KeepStartPicture();
    return painted;
  };
  // The built pictures invite in English; another language has its invitation painted, or taken from
  // the copy an earlier run kept.
  //: On the start picture's green button, about 16 letters at most.
  return StartPictureAt(ArtSize, tr("Click to play!"), keptOrPainted);
}

void TfrmLines::KeepStartPicture() {
  if (!UnkeptStartPicture) return;
  UnkeptStartPicture();
  UnkeptStartPicture = nullptr;
}

void TfrmLines::SetSymbols(bool symbols) {
  if (symbols == ArtSize.Symbols) return;
  ArtSize.Symbols = symbols;
  LoadSprites();
}

void TfrmLines::SetPace(TAnimationPace pace) {
  AnimationPace = pace;
  for (TAnimationTimer timer :
       {TAnimationTimer::Move, TAnimationTimer::Jump, TAnimationTimer::Make, TAnimationTimer::Destroy})
    AnimationTimer(timer).setInterval(AnimationInterval(timer, pace));
  // A ball selected now is shown the new way from its next tick on.
}

void TfrmLines::LoadSprites() {
  // The sprite sets are filled once the first frame is out; until then there is nothing to fill or redraw.
  if (!Started) return;
  TImageStorage* sets[] = {&NormalSprites, &MakeSprites, &JumpSprites, &DestroySprites};
  if (ArtSize.Zoom == 1 && !ArtSize.Symbols) {
    const QStringList& prefixes = SpritePrefixes();
    for (int set = 0; set < 4; ++set) sets[set]->LoadFromSpriteForm(SpriteFormSource(), prefixes[set]);
  } else {
    const std::vector<QPixmap> pictures = SpritePicturesAt(ArtSize);
    for (int set = 0; set < 4; ++set) sets[set]->LoadFromPictures(pictures, set);
  }
  for (int cell = 1; cell <= 81; ++cell) ShowCellPicture(cell);
  for (int position = 1; position <= 5; ++position)
    if (NextCodes[position - 1] != 0) NextImage(position)->SetPicture(NormalSprites.GetSprite(1, NextCodes[position - 1]));
}

void TfrmLines::ShowCellPicture(int cell) {
  const TCellPicture& shown = CellPictures[cell - 1];
  if (shown.Frame != 0) CellImage(cell)->SetPicture(Sprites(shown.Set).GetSprite(shown.Frame, shown.Code));
}
