// The main window as the game's board view and animation host: pictures, displays and timers.
#include <QCoreApplication>

#include <cassert>

#include "Bevels.h"
#include "FlatButton.h"
#include "Game.h"
#include "ImageControl.h"
#include "MainWindow.h"
#include "OneOfFour.h"
#include "WindowZoom.h"

const TImageStorage& TfrmLines::Sprites(TSpriteSet set) const {
  return OneOfFour(set, NormalSprites, MakeSprites, JumpSprites, DestroySprites);
}

QTimer& TfrmLines::AnimationTimer(TAnimationTimer timer) {
  return OneOfFour(timer, MoveTimer, JumpTimer, MakeTimer, DestroyTimer);
}

void TfrmLines::DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) {
  CellImage(cell)->SetPicture(Sprites(set).GetSprite(frame, code));
}

void TfrmLines::ClearCell(int cell) { CellImage(cell)->ClearPicture(); }

void TfrmLines::CopyCell(int from, int to) { CellImage(to)->SetPicture(CellImage(from)->Picture()); }

void TfrmLines::ShowScore(std::uint16_t score) { panScore->SetCaption(QString::number(score)); }

void TfrmLines::ShowBest(std::uint16_t best) { panBest->SetCaption(QString::number(best)); }

void TfrmLines::ClearNextBall(int position) { NextImage(position)->ClearPicture(); }

void TfrmLines::ShowNextBall(int position, BallCode code) {
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
  Tell(&TLinesExtra::TimerSwitched, timer, enabled);
}

void TfrmLines::TurnFinished() { Tell(&TLinesExtra::TurnFinished); }

void TfrmLines::NewGameStarting() { Tell(&TLinesExtra::NewGameStarting); }

void TfrmLines::Tick(TAnimationTimer timer) {
  switch (timer) {
    // The last move tick returns only when the whole turn, record dialogs included, has ended.
    case TAnimationTimer::Move: GameObject->MoveTimerTimer(); break;
    case TAnimationTimer::Jump: GameObject->JumpTimerTimer(); break;
    case TAnimationTimer::Make: GameObject->MakeTimerTimer(); break;
    case TAnimationTimer::Destroy: GameObject->DestroyTimerTimer(); break;
  }
}

void TfrmLines::WaitUntilOff(TAnimationTimer timer) {
  // The jump never ends by itself; the turn rules wait only for animations that do.
  assert(timer != TAnimationTimer::Jump);
  while (GameObject->TimerEnabled(timer)) {
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
