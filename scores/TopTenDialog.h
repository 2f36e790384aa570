// The top-ten dialog: the three lists on three tabs, with the options each record was played with,
// and the place just won highlighted on the current level's tab.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <array>

#include "GameVariables.h"

class QLabel;
class QTabBar;
class TImageControl;
class TImageStorage;

inline constexpr int TopTenRows = 10;

class TfrmTop10 : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TfrmTop10)

public:
  // The joker and bomb marks are the main window's normal sprites, read at each filling, so the set
  // may still be empty when the dialog is created. `game` tells the place to highlight (LastRank).
  TfrmTop10(const TImageStorage& normalSprites, const TGameVariables& game, QWidget* parent = nullptr);

  // Fills the ten rows from the list of the selected tab and highlights place LastRank when the
  // tab is the current level's.
  void FillTopTen();
  // Every name and score panel back to 8 points, regular.
  void ResetRowFonts();

protected:
  void showEvent(QShowEvent* event) override;
  // Every way of closing (OK, Enter, Escape, the close box) ends here.
  void done(int result) override;

private:
  void CreateControls();
  void CreateRow(QWidget& tab, int row);
  void FormCreate();
  void TabChange();

  const TImageStorage& NormalSprites;
  const TGameVariables& Game;
  QTabBar* Tab = nullptr;
  // By row 1 to 10 at index row - 1.
  std::array<QLabel*, TopTenRows> NamePanels{};
  std::array<QLabel*, TopTenRows> ScorePanels{};
  std::array<TImageControl*, TopTenRows> JokerMarks{};
  std::array<TImageControl*, TopTenRows> BombMarks{};
};
