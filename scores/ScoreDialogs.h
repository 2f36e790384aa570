// The two dialogs that a new record brings, as the score lists reach them.
#pragma once

class IScoreDialogs {
public:
  virtual ~IScoreDialogs() = default;
  // Asks for the name of place LastRank in the list of GameSettings.Level, stores it (StoreName)
  // and saves the table (SaveScores). Returns when the dialog has closed.
  virtual void ShowNameDialog() = 0;
  // Shows the three lists, opening on the current level with place LastRank highlighted.
  virtual void ShowTopTen() = 0;
};
