// The window's look beyond the classic one: its zoom step, symbols on the seven colours and the
// animations' pace. It is the window's art source, so the start picture and the sprites are made
// at the chosen size (kept between runs where they had to be painted), and it notes what the board
// shows, so that new art takes the place of the old at once.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "AnimationPace.h"
#include "LinesArt.h"
#include "LinesExtra.h"
#include "ScaledArt.h"
#include "StartPictureCache.h"

class TfrmLines;
class TfrmSlicice;
class TPreferences;

class TWindowLook : public ILinesArt, public TLinesExtra {
public:
  // Starts from the look the preferences keep, or the step that fits the screen at a first start.
  // Painted start pictures are kept in `pictureCacheFolder`, or nowhere when it is empty. The classic
  // sprites come from `spriteForm`, which is asked for them once the window's first frame is out.
  TWindowLook(const TPreferences& preferences, std::string pictureCacheFolder,
              std::function<const TfrmSlicice&()> spriteForm);

  // Gives the window, made with this look as its art, its zoom step and its pace; from here on every
  // change shows at once.
  void Dress(TfrmLines& window);
  // Told after the window went to another zoom step, so that the dialogs follow it.
  std::function<void(double zoom)> ZoomChanged;

  // Each one of ZoomSteps.
  void SetZoom(double zoom);
  double Zoom() const { return ArtSize.Zoom; }
  void SetSymbols(bool symbols);
  bool Symbols() const { return ArtSize.Symbols; }
  void SetPace(TAnimationPace pace);
  TAnimationPace Pace() const { return AnimationPace; }

  // ILinesArt.
  QPixmap StartPicture(const QString& invitation, double devicePixelRatio) override;
  void FillSprites(const std::array<TImageStorage*, 4>& sets) override;
  void FirstFrameShown() override;

  // What the board shows; reduced motion shows a selected ball at rest under a steady highlight, and a
  // new ball whole at once.
  void DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) override;
  void ClearCell(int cell) override;
  void CopyCell(int from, int to) override;
  void ClearNextBall(int position) override;
  void ShowNextBall(int position, BallCode code) override;
  void TimerSwitched(TAnimationTimer timer, bool enabled) override;

private:
  // The window at ArtSize's step, its middle kept (the screen's, before the first show).
  void ZoomAboutTheMiddle();
  // The sprite sets made anew for the art size, and the board and the preview shown in them.
  void ShowNewSprites();
  // Keeps the start picture last painted, if it is not kept yet.
  void KeepStartPicture();
  bool SelectedAtRest(int cell) const;

  TfrmLines* Window = nullptr;
  TArtSize ArtSize;
  TAnimationPace AnimationPace = TAnimationPace::Classic;
  TStartPictureCache StartPictures;
  std::function<const TfrmSlicice&()> SpriteForm;
  // Writing a painted start picture's copy, put off until the first frame is out.
  std::function<void()> UnkeptStartPicture;
  bool FirstFrameOut = false;
  // The timers' classic intervals, as the window set them, which every pace derives from.
  std::array<int, 4> ClassicIntervals{};

  // What each cell and preview place shows, by sprite, so that new art can take the place of the old.
  struct TCellPicture {
    TSpriteSet Set = TSpriteSet::Normal;
    int Frame = 0;  // 0: no picture
    BallCode Code = 0;
  };
  std::array<TCellPicture, 81> CellPictures{};
  std::array<BallCode, 5> NextCodes{};  // 0: the place is empty
};
