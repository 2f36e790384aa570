// The tick handlers of the four animation timers: frames, sprites and the effects of each tick.
#include <cassert>

#include "Game.h"
#include "GameSettings.h"

void TGame::JumpTimerTimer() {
  if (JumpTimer.Enabled) JumpTick();
}

void TGame::StopSelectionDisplay() {
  SwitchTimer(TAnimationTimer::Jump, false);
  JumpTimer.Tag = 0;
  JumpTick();
}

void TGame::DropSelection() {
  SelectedCell = 0;
  SwitchTimer(TAnimationTimer::Jump, false);
  JumpTimer.Tag = 0;
}

void TGame::JumpTick() {
  const int cell = SelectedCell;
  assert(cell != 0);
  const BallCode code = Board[cell];
  int& tag = JumpTimer.Tag;
  switch (tag) {
    case 0:
      View.DrawSprite(cell, TSpriteSet::Normal, 1, code);
      break;
    case 1:
      View.DrawSprite(cell, TSpriteSet::Jump, 1, code);
      break;
    case 2:
      if (code == JokerBall && EffectOn(GameSettings.SoundJump)) Effects.PlayEffect(TSoundEffect::JumpJoker);
      View.DrawSprite(cell, TSpriteSet::Jump, 2, code);
      break;
    default:
      if (EffectOn(GameSettings.SoundJump)) {
        if (code == BombBall) Effects.PlayEffect(TSoundEffect::JumpBomb);
        else if (code >= 1 && code <= 7) Effects.PlayEffect(TSoundEffect::Jump);
      }
      View.DrawSprite(cell, TSpriteSet::Jump, 1, code);
      break;
  }
  // A joker's cycle has no fourth frame: it sounds on its third.
  const int lastFrame = code == JokerBall ? 2 : 3;
  tag = tag < lastFrame ? tag + 1 : 0;
}

void TGame::MoveTimerTimer() {
  if (!MoveTimer.Enabled) return;
  if (MoveTimer.Tag == 0 && EffectOn(GameSettings.SoundMove)) {
    Effects.PlayEffect(TSoundEffect::Move);
    MoveTimer.Tag = 1;
  }
  if (MoveStep <= Stablo.PathLength) {
    View.CopyCell(Stablo.Path[MoveStep - 1], Stablo.Path[MoveStep]);
    View.ClearCell(Stablo.Path[MoveStep - 1]);
    ++MoveStep;
    return;
  }
  SwitchTimer(TAnimationTimer::Move, false);
  MoveTimer.Tag = 0;
  FinishMove();
  CarryOutHeldNewGame();
  Animation.TurnFinished();
}

void TGame::MakeTimerTimer() {
  if (!MakeTimer.Enabled) return;
  const int cell = SpawnCell;
  const BallCode code = Board[cell];
  switch (MakeTimer.Tag) {
    case 0:
      if (EffectOn(GameSettings.SoundCreate)) {
        Effects.PlayEffect(code == JokerBall  ? TSoundEffect::CreateJoker
                           : code == BombBall ? TSoundEffect::CreateBomb
                                              : TSoundEffect::Create);
      }
      View.DrawSprite(cell, TSpriteSet::Make, 1, code);
      break;
    case 1:
      View.DrawSprite(cell, TSpriteSet::Make, 2, code);
      break;
    default:
      View.DrawSprite(cell, TSpriteSet::Normal, 1, code);
      break;
  }
  if (MakeTimer.Tag < 2) {
    ++MakeTimer.Tag;
  } else {
    SwitchTimer(TAnimationTimer::Make, false);
    MakeTimer.Tag = 0;
  }
}

void TGame::DestroyTimerTimer() {
  if (!DestroyTimer.Enabled) return;
  const int tag = DestroyTimer.Tag;
  if (tag == 0 && EffectOn(GameSettings.SoundBreak)) Effects.PlayEffect(TSoundEffect::Break);
  for (int i = 1; i <= RemovalCount && RemovalList[i] != 0; ++i) {
    const int cell = RemovalList[i];
    if (tag == 2) View.ClearCell(cell);
    else View.DrawSprite(cell, TSpriteSet::Destroy, tag + 1, Board[cell]);
  }
  if (tag < 2) {
    ++DestroyTimer.Tag;
  } else {
    SwitchTimer(TAnimationTimer::Destroy, false);
    DestroyTimer.Tag = 0;
  }
}
