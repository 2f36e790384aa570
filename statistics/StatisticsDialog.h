// The Statistics window: for each level on its own tab the games played, the best, average and median
// score, the time played, the lines by length, two charts of the scores and the last twenty games;
// the whole history exported as CSV or erased.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <vector>

#include "GameRecord.h"

class QChart;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableWidget;
class THistory;

inline constexpr int LastGamesRows = 20;

class TfrmStatistics : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TfrmStatistics)

public:
  // Reads nothing until it is shown; opens on the tab of the level in the settings.
  explicit TfrmStatistics(THistory& history, QWidget* parent = nullptr);

  // Reads the history again and fills the selected tab.
  void Reload();
  // Writes the whole history to `path`; false when the file could not be written.
  bool ExportTo(const QString& path);

protected:
  void showEvent(QShowEvent* event) override;

private:
  void CreateControls();
  QWidget* CreateSummary();
  QWidget* CreateLastGames();
  void FillTab();
  void FillSummary(int level);
  void FillLastGames(int level);
  void ExportClick();
  void ResetClick();

  THistory& History;
  std::vector<TGameRecord> Games;
  QTabBar* Tab = nullptr;
  QStackedWidget* Pages = nullptr;
  QLabel* EmptyNote = nullptr;
  std::vector<QLabel*> Figures;
  QChart* Trend = nullptr;
  QChart* Spread = nullptr;
  QTableWidget* LastGames = nullptr;
  QPushButton* ExportButton = nullptr;
  QPushButton* ResetButton = nullptr;
};
