// The headless host's clock and records.
#include "HeadlessHost.h"

#include <cassert>
#include <limits>

#include "GameSettings.h"

namespace {

constexpr TAnimationTimer AllTimers[] = {TAnimationTimer::Move, TAnimationTimer::Jump, TAnimationTimer::Make,
                                         TAnimationTimer::Destroy};
constexpr std::int64_t Never = std::numeric_limits<std::int64_t>::max();

std::size_t Index(TAnimationTimer timer) { return static_cast<std::size_t>(timer); }

}  // namespace

std::int64_t THeadlessHost::Interval(TAnimationTimer timer) {
  switch (timer) {
    case TAnimationTimer::Move: return 55;
    case TAnimationTimer::Jump: return 60;
    case TAnimationTimer::Make: return 50;
    case TAnimationTimer::Destroy: return 60;
  }
  return 0;
}

void THeadlessHost::At(std::int64_t time, std::function<void()> action) { Script.emplace(time, std::move(action)); }

bool THeadlessHost::Step(std::int64_t limit) {
  assert(Game != nullptr);
  std::int64_t earliest = Never;
  std::size_t timerIndex = 0;
  bool anyTimer = false;
  for (const TAnimationTimer timer : AllTimers) {
    if (Game->TimerEnabled(timer) && Due[Index(timer)] < earliest) {
      earliest = Due[Index(timer)];
      timerIndex = Index(timer);
      anyTimer = true;
    }
  }
  // Input that is due goes first, as a click queued before a timer message would.
  if (!Script.empty() && Script.begin()->first <= earliest && Script.begin()->first <= limit) {
    auto action = std::move(Script.begin()->second);
    if (Script.begin()->first > Clock) Clock = Script.begin()->first;
    Script.erase(Script.begin());
    action();
    return true;
  }
  if (!anyTimer || earliest > limit) return false;
  const TAnimationTimer timer = AllTimers[timerIndex];
  Clock = earliest;
  Due[timerIndex] = Clock + Interval(timer);
  if (RecordTicks) Ticks.push_back({Clock, timer, Game->TimerTag(timer)});
  switch (timer) {
    case TAnimationTimer::Move: Game->MoveTimerTimer(); break;
    case TAnimationTimer::Jump: Game->JumpTimerTimer(); break;
    case TAnimationTimer::Make: Game->MakeTimerTimer(); break;
    case TAnimationTimer::Destroy: Game->DestroyTimerTimer(); break;
  }
  return true;
}

void THeadlessHost::RunFor(std::int64_t ms) {
  const std::int64_t until = Clock + ms;
  while (Step(until)) {
  }
  Clock = until;
}

void THeadlessHost::RunUntilIdle() {
  while (Game->TimerEnabled(TAnimationTimer::Move) || Game->TimerEnabled(TAnimationTimer::Make) ||
         Game->TimerEnabled(TAnimationTimer::Destroy)) {
    const bool stepped = Step(Never);
    assert(stepped);
    (void)stepped;
  }
}

void THeadlessHost::TimerEnabledChanged(TAnimationTimer timer, bool enabled) {
  if (!enabled) return;
  Due[Index(timer)] = Clock + Interval(timer);
  const TGameFields& fields = Game->Fields();
  if (timer == TAnimationTimer::Make) {
    BoardEvents.push_back({true, fields.SpawnCell, fields.Board[fields.SpawnCell], {}});
  } else if (timer == TAnimationTimer::Destroy) {
    TBoardEvent removal{false, 0, EmptyCell, {}};
    for (int i = 1; i <= fields.RemovalCount; ++i) removal.Cells.push_back(fields.RemovalList[i]);
    BoardEvents.push_back(std::move(removal));
  }
}

void THeadlessHost::WaitUntilOff(TAnimationTimer timer) {
  ++WaitDepth;
  if (WaitDepth > MaxWaitDepth) MaxWaitDepth = WaitDepth;
  while (Game->TimerEnabled(timer)) {
    const bool stepped = Step(Never);
    assert(stepped);
    (void)stepped;
  }
  --WaitDepth;
}

void THeadlessHost::TurnFinished() {
  ++TurnsFinished;
  if (!Game->Resting()) RestedAtEveryTurnEnd = false;
}

void THeadlessHost::DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) {
  Pictures[cell] = {false, set, frame, code};
}

void THeadlessHost::ClearCell(int cell) { Pictures[cell] = TPicture{}; }

void THeadlessHost::CopyCell(int from, int to) { Pictures[to] = Pictures[from]; }

void THeadlessHost::ArrangePreview(int level) {
  PreviewLevel = level;
  ++GamesStarted;
}

void THeadlessHost::SubmitScore() {
  TGameVariables& variables = Game->Variables;
  if (variables.ScoreSubmitted != 0) return;
  variables.ScoreSubmitted = 1;
  Submitted.push_back(variables.Score);
  std::uint16_t& best = Best[LevelIndex(GameSettings.Level)];
  if (variables.Score > best) best = variables.Score;
}
