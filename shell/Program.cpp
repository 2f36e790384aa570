// Creating the program's windows and wiring them to one another.
#include "Program.h"

#include "WindowZoom.h"

TProgram::TProgram(const TGameFolders& folders, ISoundLayer& sound, TLinesServices::TWarn warn) {
  frmLines = std::make_unique<TfrmLines>(
      TLinesServices{folders.BankDirectory, folders.DataDirectory, &sound, std::move(warn)});
  TGameVariables& game = frmLines->Variables();
  // The top-ten rows take their joker and bomb marks from the main window's resting sprites,
  // which are filled at its first show, before any dialog can open.
  frmTop10 = std::make_unique<TfrmTop10>(frmLines->Sprites(TSpriteSet::Normal), game);
  frmSettings = std::make_unique<TfrmSettings>(nullptr, folders.DataDirectory, game, RecordDialogs);
  frmAbout = std::make_unique<TfrmAbout>();
  frmUpis = std::make_unique<TfrmUpis>(folders.DataDirectory, game);
  frmMi = std::make_unique<TfrmMi>();
  frmHelp = std::make_unique<TfrmHelp>();
  frmSlicice = std::make_unique<TfrmSlicice>();

  RecordDialogs.Use(*frmUpis, *frmTop10);
  frmAbout->UseAuthorCard(*frmMi);
  frmLines->UseSpriteForm(*frmSlicice);
  frmLines->ScoreDialogs = &RecordDialogs;
  frmLines->ShowTop10 = [this] { frmTop10->exec(); };
  frmLines->ShowSettings = [this] {
    frmSettings->exec();
    return SettingsChanges;
  };
  frmLines->ShowAbout = [this] { frmAbout->exec(); };
  frmLines->ShowHelp = [this] { frmHelp->exec(); };
  frmLines->ShowStatistics = [this] {
    if (!frmStatistics) frmStatistics = std::make_unique<TfrmStatistics>(frmLines->GameHistory());
    frmStatistics->exec();
  };
  // The dialogs follow the main window's zoom step from its first one on.
  frmLines->ZoomChanged = [this](double zoom) { ZoomDialogs(zoom); };
  ZoomDialogs(frmLines->Zoom());
}

void TProgram::ZoomDialogs(double zoom) {
  for (QWidget* dialog : std::initializer_list<QWidget*>{frmTop10.get(), frmSettings.get(), frmAbout.get(),
                                                         frmUpis.get(), frmMi.get(), frmHelp.get()})
    ZoomWindow(*dialog, zoom);
}

void TProgram::Show() { frmLines->show(); }
