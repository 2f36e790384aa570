// The mark beside the score of a game in which a move was taken back: its score is not offered.
#pragma once

#include <QCoreApplication>

#include "Bevels.h"

// A black display with the score's bevels, holding an arrow that turns back.
class TUndoMark : public TBevelPanel {
  Q_DECLARE_TR_FUNCTIONS(TUndoMark)

public:
  explicit TUndoMark(QWidget* window);

protected:
  void paintEvent(QPaintEvent* event) override;
};
