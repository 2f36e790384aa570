// The window at a zoom step, with or without symbols, at an animation pace: its size, its art and
// its timers.
#include "WindowLook.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cassert>

#include "AssetNames.h"
#include "Game.h"
#include "ImageControl.h"
#include "MainWindow.h"
#include "Preferences.h"
#include "SpriteForm.h"
#include "WindowZoom.h"

namespace {

constexpr int ClassicHeight = 446;
constexpr std::array<TAnimationTimer, 4> AnimationTimers{TAnimationTimer::Move, TAnimationTimer::Jump,
                                                         TAnimationTimer::Make, TAnimationTimer::Destroy};

// The step the preferences keep, or the largest that fits the screen while the player has chosen none.
double StoredZoom(const TPreferences& preferences) {
  const int percent = preferences.Get(ZoomPercent, 0, StepPercent(ZoomSteps.back()));
  const auto chosen =
      std::find_if(ZoomSteps.begin(), ZoomSteps.end(), [percent](double step) { return StepPercent(step) == percent; });
  if (chosen != ZoomSteps.end()) return *chosen;
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    return FittingZoom(ClassicHeight, screen->availableGeometry().height());
  return ZoomSteps.front();
}

}  // namespace

TWindowLook::TWindowLook(const TPreferences& preferences, std::string pictureCacheFolder,
                         std::function<const TfrmSlicice&()> spriteForm)
    : ArtSize{StoredZoom(preferences), 1, preferences.Get(BallSymbols)},
      AnimationPace(static_cast<TAnimationPace>(preferences.Get(PaceChoice, 0, 2))),
      StartPictures(std::move(pictureCacheFolder)),
      SpriteForm(std::move(spriteForm)) {}

void TWindowLook::Dress(TfrmLines& window) {
  Window = &window;
  for (std::size_t i = 0; i < AnimationTimers.size(); ++i)
    ClassicIntervals[i] = window.AnimationTimer(AnimationTimers[i]).interval();
  // The places and fonts as they stand now are the classic ones that every zoom step scales.
  ZoomAboutTheMiddle();
  SetPace(AnimationPace);
}

void TWindowLook::ZoomAboutTheMiddle() {
  // The window grows and shrinks about its middle; before the first show it goes to the screen's middle.
  QPoint centre = Window->geometry().center();
  if (!Window->isVisible())
    if (const QScreen* screen = QGuiApplication::primaryScreen()) centre = screen->availableGeometry().center();
  ZoomWindow(*Window, ArtSize.Zoom);
  Window->move(centre - Window->rect().center());
}

void TWindowLook::SetZoom(double zoom) {
  assert(std::find(ZoomSteps.begin(), ZoomSteps.end(), zoom) != ZoomSteps.end());
  if (zoom == ArtSize.Zoom) return;
  ArtSize.Zoom = zoom;
  if (Window != nullptr) {
    ZoomAboutTheMiddle();
    Window->ShowStartPicture();
    ShowNewSprites();
  }
  if (ZoomChanged) ZoomChanged(zoom);
}

void TWindowLook::SetSymbols(bool symbols) {
  if (symbols == ArtSize.Symbols) return;
  ArtSize.Symbols = symbols;
  if (Window != nullptr) ShowNewSprites();
}

void TWindowLook::SetPace(TAnimationPace pace) {
  AnimationPace = pace;
  if (Window == nullptr) return;
  for (std::size_t i = 0; i < AnimationTimers.size(); ++i)
    Window->AnimationTimer(AnimationTimers[i]).setInterval(AnimationInterval(AnimationTimers[i], ClassicIntervals[i], pace));
  // A ball selected now is shown the new way from its next tick on.
}

QPixmap TWindowLook::StartPicture(const QString& invitation, double devicePixelRatio) {
  // A denser screen gets the picture painted at twice the pixels, drawn at the same size.
  ArtSize.DevicePixelRatio = AssetScale(devicePixelRatio);
  const auto keptOrPainted = [this](double scale, const QString& invitation) {
    if (QImage kept = StartPictures.Find(scale, invitation); !kept.isNull()) return kept;
    QImage painted = RenderStartPicture(scale, invitation);
    UnkeptStartPicture = [this, scale, invitation, painted] { StartPictures.Keep(scale, invitation, painted); };
    if (FirstFrameOut) KeepStartPicture();
    return painted;
  };
  // The built pictures invite in English; another language has its invitation painted, or taken from
  // the copy an earlier run kept.
  return StartPictureAt(ArtSize, invitation, keptOrPainted);
}

void TWindowLook::FillSprites(const std::array<TImageStorage*, 4>& sets) {
  if (ArtSize.Zoom == 1 && !ArtSize.Symbols) {
    const QStringList& prefixes = SpritePrefixes();
    for (int set = 0; set < 4; ++set) sets[set]->LoadFromSpriteForm(SpriteForm(), prefixes[set]);
  } else {
    const std::vector<QPixmap> pictures = SpritePicturesAt(ArtSize);
    for (int set = 0; set < 4; ++set) sets[set]->LoadFromPictures(pictures, set);
  }
}

void TWindowLook::FirstFrameShown() {
  FirstFrameOut = true;
  KeepStartPicture();
}

void TWindowLook::KeepStartPicture() {
  if (!UnkeptStartPicture) return;
  UnkeptStartPicture();
  UnkeptStartPicture = nullptr;
}

void TWindowLook::ShowNewSprites() {
  Window->LoadSprites();
  // Until the first frame is out the sets are empty, and so is the board.
  if (!Window->StartFinished()) return;
  for (int cell = 1; cell <= CellCount; ++cell) {
    const TCellPicture& shown = CellPictures[cell - 1];
    if (shown.Frame != 0) Window->CellImage(cell)->SetPicture(Window->Sprites(shown.Set).GetSprite(shown.Frame, shown.Code));
  }
  const TImageStorage& normal = Window->Sprites(TSpriteSet::Normal);
  for (int position = 1; position <= 5; ++position)
    if (NextCodes[position - 1] != 0) Window->NextImage(position)->SetPicture(normal.GetSprite(1, NextCodes[position - 1]));
}

bool TWindowLook::SelectedAtRest(int cell) const {
  const TGame* game = Window->Game();
  return AnimationPace == TAnimationPace::Reduced && game != nullptr && game->TimerEnabled(TAnimationTimer::Jump) &&
         game->Fields().SelectedCell == cell;
}

void TWindowLook::DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) {
  if (AnimationPace == TAnimationPace::Reduced && (set == TSpriteSet::Jump || set == TSpriteSet::Make)) {
    set = TSpriteSet::Normal;
    frame = 1;
    Window->CellImage(cell)->SetPicture(Window->Sprites(set).GetSprite(frame, code));
  }
  CellPictures[cell - 1] = {set, frame, code};
  Window->CellImage(cell)->SetHighlight(SelectedAtRest(cell));
}

void TWindowLook::ClearCell(int cell) {
  CellPictures[cell - 1] = {};
  Window->CellImage(cell)->SetHighlight(false);
}

void TWindowLook::CopyCell(int from, int to) {
  CellPictures[to - 1] = CellPictures[from - 1];
  Window->CellImage(to)->SetHighlight(false);
}

void TWindowLook::ClearNextBall(int position) { NextCodes[position - 1] = 0; }

void TWindowLook::ShowNextBall(int position, BallCode code) { NextCodes[position - 1] = code; }

void TWindowLook::TimerSwitched(TAnimationTimer timer, bool enabled) {
  // Without the bounce the highlight is all that tells of a selection: it comes with the click.
  const int selected = Window->Game() != nullptr ? Window->Game()->Fields().SelectedCell : 0;
  if (timer == TAnimationTimer::Jump && enabled && selected != 0 && AnimationPace == TAnimationPace::Reduced)
    Window->CellImage(selected)->SetHighlight(true);
}
