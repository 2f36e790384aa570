// Creating the program's windows and wiring them to one another.
#include "Program.h"

TProgram::TProgram(const TGameFolders& folders, ISoundLayer& sound, TLinesServices::TWarn warn) {
  frmLines = std::make_unique<TfrmLines>(
      TLinesServices{folders.BankDirectory, folders.DataDirectory, &sound, std::move(warn)});
  frmAbout = std::make_unique<TfrmAbout>();
  frmMi = std::make_unique<TfrmMi>();
  frmHelp = std::make_unique<TfrmHelp>();
  frmSlicice = std::make_unique<TfrmSlicice>();

  frmAbout->UseAuthorCard(*frmMi);
  frmLines->UseSpriteForm(*frmSlicice);
  frmLines->ShowAbout = [this] { frmAbout->exec(); };
  frmLines->ShowHelp = [this] { frmHelp->exec(); };
}

void TProgram::Show() { frmLines->show(); }
