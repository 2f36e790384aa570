// The settings dialog: the player changes GameSettings while the game runs; OK leaves the four
// change flags of SettingsChanges for the main window and writes Balls.cfg.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <string>

#include "GameVariables.h"
#include "SettingsChanges.h"

class QCheckBox;
class QPushButton;
class IScoreDialogs;
class TFlatButton;
class TGroupBox;
class TRadioGroup;

class TfrmSettings : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TfrmSettings)

public:
  // Balls.cfg is written to `programDirectory`. When OK changes the jokers, bombs or level, the
  // running game (`game`) ends there, and its score is offered to the old level's list, which
  // brings up `scoreDialogs` for a record.
  TfrmSettings(QWidget* parent, const std::string& programDirectory, TGameVariables& game,
               IScoreDialogs& scoreDialogs);

  void SettingsToControls();
  void ControlsToSettings();
  // Greys "Create" to "Break" while "Sounds off" is ticked, leaving their ticks alone.
  void UpdateSoundBoxes();

protected:
  void showEvent(QShowEvent* event) override;
  // Cancel, Escape and the close box.
  void reject() override;

private:
  void CreateControls();
  void FormCreate();
  void FormShow();
  void btnOKClick();
  void CheckBoxMouseUp(const QCheckBox& box);
  void btnHomePageClick();

  const std::string ProgramDirectory;
  TGameVariables& Game;
  IScoreDialogs& ScoreDialogs;

  TGroupBox* grpSounds = nullptr;
  TRadioGroup* grpLevel = nullptr;
  TRadioGroup* grpMusic = nullptr;
  QPushButton* btnOK = nullptr;
  TFlatButton* btnHomePage = nullptr;
  // "View next", "Jokers", "Bombs": bytes 0 to 2.
  std::array<QCheckBox*, 3> GameBoxes{};
  // "Sounds off", then "Create" to "Break": bytes 4 to 9.
  std::array<QCheckBox*, 6> SoundBoxes{};
  // What an OK whose save failed has already put into GameSettings during this showing: the dialog
  // stays open, and however it then closes, the main window must still hear of those changes.
  TSettingsChanges Applied;
};
