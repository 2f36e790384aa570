// One board view that hands every call on to several, in the order they were added: the window that
// draws the board, then whatever watches it.
#pragma once

#include <vector>

#include "GameHost.h"

class TBoardViews final : public IBoardView {
public:
  // The view lives at least as long as this.
  void Add(IBoardView& view) { Views.push_back(&view); }

  void DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) override {
    Tell(&IBoardView::DrawSprite, cell, set, frame, code);
  }
  void ClearCell(int cell) override { Tell(&IBoardView::ClearCell, cell); }
  void CopyCell(int from, int to) override { Tell(&IBoardView::CopyCell, from, to); }
  void ShowScore(std::uint16_t score) override { Tell(&IBoardView::ShowScore, score); }
  void ShowBest(std::uint16_t best) override { Tell(&IBoardView::ShowBest, best); }
  void ClearNextBall(int position) override { Tell(&IBoardView::ClearNextBall, position); }
  void ShowNextBall(int position, BallCode code) override {
    Tell(&IBoardView::ShowNextBall, position, code);
  }
  void ArrangePreview(int level) override { Tell(&IBoardView::ArrangePreview, level); }
  void SetNewEnabled(bool enabled) override { Tell(&IBoardView::SetNewEnabled, enabled); }

private:
  template <typename Call, typename... Arguments>
  void Tell(Call call, const Arguments&... arguments) {
    for (IBoardView* view : Views) (view->*call)(arguments...);
  }

  std::vector<IBoardView*> Views;
};
