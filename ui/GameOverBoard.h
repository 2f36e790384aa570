// The sign over a full board: "Game over" and the final score, see-through to clicks.
#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <cstdint>

class TGameOverBoard : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(TGameOverBoard)

public:
  explicit TGameOverBoard(QWidget* board);

  // Covers the whole board with the sign for this score.
  void Show(std::uint16_t score);
  std::uint16_t Score() const { return FinalScore; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  std::uint16_t FinalScore = 0;
};
