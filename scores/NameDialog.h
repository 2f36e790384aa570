// The name-entry dialog: asks for the name of a player whose score has just entered a top-ten list.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <string>

#include "GameVariables.h"

class QLineEdit;

class TfrmUpis : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TfrmUpis)

public:
  // The table is saved to `programDirectory`/Score.dat; `game` tells the place to fill (LastRank).
  TfrmUpis(const std::string& programDirectory, const TGameVariables& game, QWidget* parent = nullptr);

  // Enter in the edit box: stores the name at place LastRank of the current level's list, saves
  // the table and closes. A save that fails is reported and leaves the dialog open with the name
  // kept in memory, so that Enter can try again.
  void StoreName();

protected:
  void showEvent(QShowEvent* event) override;
  // Escape and the window manager's close: refused while the name is still to be saved, since the
  // place would keep the name of the entry that stood there before; allowed once a save has
  // failed, so a folder that cannot be written never traps the player.
  void reject() override;

private:
  QLineEdit* playerName = nullptr;
  const std::string ProgramDirectory;
  const TGameVariables& Game;
  bool SaveFailed = false;
};
