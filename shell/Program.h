// The program's windows, created once in their fixed order and kept until the program ends.
#pragma once

#include <memory>
#include <string>

#include "About.h"
#include "AuthorCard.h"
#include "GameFolders.h"
#include "Help.h"
#include "MainWindow.h"
#include "NameDialog.h"
#include "RecordDialogs.h"
#include "SettingsDialog.h"
#include "SoundLayer.h"
#include "SpriteForm.h"
#include "StatisticsDialog.h"
#include "TopTenDialog.h"
#include "WindowRooms.h"

class TProgram {
public:
  // Creates the main window, whose FormCreate runs first, before any other window exists, and the
  // extras beside it. The others are created when first needed, each before the windows it brings
  // along, in the order of the classic start: the top-ten, settings, credits and name dialogs, the
  // author card, the help window, and the sprite form, which the main window asks for once its first
  // frame is out. The sound layer must outlive the program's windows. Painted start pictures are
  // kept in `pictureCacheFolder`, or nowhere when it is empty.
  TProgram(const TGameFolders& folders, ISoundLayer& sound, TLinesServices::TWarn warn = {},
           std::string pictureCacheFolder = {});

  // Shows the main window (its FormShow runs now).
  void Show();

  TfrmLines& Lines() { return *frmLines; }
  TWindowRooms& Rooms() { return WindowRooms; }
  TfrmTop10& Top10();
  TfrmSettings& Settings();
  TfrmAbout& About();
  TfrmUpis& NameEntry();
  TfrmMi& AuthorCard();
  TfrmHelp& Help();
  const TfrmSlicice& SpriteForm();

private:
  std::string DataDirectory;
  void ZoomDialogs(double zoom);
  // A dialog just created takes the main window's zoom step.
  void Zoomed(QWidget& dialog);

  // A record's name dialog, then its top-ten dialog.
  TRecordDialogs RecordDialogs;
  // Before the main window, which is made with its look and outlived by it.
  TWindowRooms WindowRooms;
  std::unique_ptr<TfrmLines> frmLines;
  std::unique_ptr<TfrmTop10> frmTop10;
  std::unique_ptr<TfrmSettings> frmSettings;
  std::unique_ptr<TfrmAbout> frmAbout;
  std::unique_ptr<TfrmUpis> frmUpis;
  std::unique_ptr<TfrmMi> frmMi;
  std::unique_ptr<TfrmHelp> frmHelp;
  std::unique_ptr<TfrmSlicice> frmSlicice;
  // Made at its first opening: a run that never looks at the history never builds its charts.
  std::unique_ptr<TfrmStatistics> frmStatistics;
};
