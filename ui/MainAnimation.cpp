// The main window as the game's board view and animation host: pictures, displays and timers.
#include <QCoreApplication>

#include <cassert>

#include "Bevels.h"
#include "FlatButton.h"
#include "GameKeeper.h"
#include "GameOverBoard.h"
#include "ImageControl.h"
#include "MainWindow.h"
#include "WindowZoom.h"
#include "UndoMark.h"

const TImageStorage& TfrmLines::Sprites(TSpriteSet set) const {
  switch (set) {
    case TSpriteSet::Normal: return NormalSprites;
    case TSpriteSet::Make: return MakeSprites;
    case TSpriteSet::Jump: return JumpSprites;
    case TSpriteSet::Destroy: return DestroySprites;
  }
  assert(false && "unknown sprite set");
  return NormalSprites;
}

QTimer& TfrmLines::AnimationTimer(TAnimationTimer timer) {
  switch (timer) {
    case TAnimationTimer::Move: return MoveTimer;
    case TAnimationTimer::Jump: return JumpTimer;
    case TAnimationTimer::Make: return MakeTimer;
    case TAnimationTimer::Destroy: return DestroyTimer;
  }
  assert(false && "unknown timer");
  return MoveTimer;
}

void TfrmLines::DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) {
  // Reduced motion shows a selected ball at rest under a steady highlight, and a new ball whole at once.
  const bool reduced = AnimationPace == TAnimationPace::Reduced;
  const bool selected = reduced && GameKeeper && GameKeeper->Game().TimerEnabled(TAnimationTimer::Jump) &&
                        GameKeeper->Game().Fields().SelectedCell == cell;
  if (reduced && (set == TSpriteSet::Jump || set == TSpriteSet::Make)) {
    set = TSpriteSet::Normal;
    frame = 1;
  }
  CellPictures[cell - 1] = {set, frame, code};
  CellImage(cell)->SetPicture(Sprites(set).GetSprite(frame, code));
  CellImage(cell)->SetHighlight(selected);
}

void TfrmLines::ClearCell(int cell) {
  // A cell that empties means the board is no longer full: the game-over sign has served.
  GameOverBoard->hide();
  CellPictures[cell - 1] = {};
  CellImage(cell)->ClearPicture();
  CellImage(cell)->SetHighlight(false);
}

void TfrmLines::CopyCell(int from, int to) {
  CellPictures[to - 1] = CellPictures[from - 1];
  CellImage(to)->SetPicture(CellImage(from)->Picture());
  CellImage(to)->SetHighlight(false);
}

void TfrmLines::ShowScore(std::uint16_t score) {
  panScore->SetCaption(QString::number(score));
  // Every new game, restored game and taken-back move shows its score, so the mark follows the game.
  UndoMarkDisplay->setVisible(GameVariables.UndoUsed != 0);
}

void TfrmLines::ShowBest(std::uint16_t best) { panBest->SetCaption(QString::number(best)); }

void TfrmLines::ClearNextBall(int position) {
  NextCodes[position - 1] = 0;
  NextImage(position)->ClearPicture();
}

void TfrmLines::ShowNextBall(int position, BallCode code) {
  NextCodes[position - 1] = code;
  NextImage(position)->SetPicture(NormalSprites.GetSprite(1, code));
}

void TfrmLines::ArrangePreview(int level) {
  const int shown = level == 1 ? 4 : level == 2 ? 5 : 3;
  PlaceClassic(*panNext, QRect(level == 1 ? 130 : level == 2 ? 115 : 145, 30, 150, 30));
  for (int i = 1; i <= 5; ++i) NextPanels[i - 1]->setVisible(i <= shown);
  // "Next what?" lies above the row and still hides it when the preview is switched off.
  panNext->show();
}

void TfrmLines::SetNewEnabled(bool enabled) { btnNew->setEnabled(enabled); }

void TfrmLines::TimerEnabledChanged(TAnimationTimer timer, bool enabled) {
  QTimer& control = AnimationTimer(timer);
  if (!enabled) control.stop();
  else if (!Closing && !control.isActive()) control.start();
  // Without the bounce the highlight is all that tells of a selection: it comes with the click.
  const int selected = GameKeeper ? GameKeeper->Game().Fields().SelectedCell : 0;
  if (timer == TAnimationTimer::Jump && enabled && selected != 0 && AnimationPace == TAnimationPace::Reduced)
    CellImage(selected)->SetHighlight(true);
  // A move or a new game starting is no moment to take a move back.
  UpdateUndoAction();
}

void TfrmLines::Tick(TAnimationTimer timer) {
  switch (timer) {
    case TAnimationTimer::Move:
      // The last move tick returns only when the whole turn, record dialogs included, has ended.
      GameKeeper->Game().MoveTimerTimer();
      ShowGameOverWhenFull();
      break;
    case TAnimationTimer::Jump: GameKeeper->Game().JumpTimerTimer(); break;
    case TAnimationTimer::Make: GameKeeper->Game().MakeTimerTimer(); break;
    case TAnimationTimer::Destroy: GameKeeper->Game().DestroyTimerTimer(); break;
  }
}

void TfrmLines::WaitUntilOff(TAnimationTimer timer) {
  // The jump never ends by itself; the turn rules wait only for animations that do.
  assert(timer != TAnimationTimer::Jump);
  while (GameKeeper->Game().TimerEnabled(timer)) {
    if (Closing) {
      // The timers are stopped for good: the animation is played out here so that the turn can
      // unwind to the event loop, which then ends the program.
      Tick(timer);
      continue;
    }
    // Sleeps until a tick, a click or a repaint arrives: a wait costs no processor time.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

void TfrmLines::StopTimers() {
  for (QTimer* timer : {&MoveTimer, &JumpTimer, &MakeTimer, &DestroyTimer, &MusicTimer, &IconTimer}) timer->stop();
}
