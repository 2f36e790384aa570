// Creating the program's windows, each when first needed, and wiring them to one another.
#include "Program.h"

TProgram::TProgram(const TGameFolders& folders, ISoundLayer& sound, TLinesServices::TWarn warn)
    : DataDirectory(folders.DataDirectory),
      RecordDialogs([this]() -> TfrmUpis& { return NameEntry(); }, [this]() -> TfrmTop10& { return Top10(); }) {
  frmLines = std::make_unique<TfrmLines>(
      TLinesServices{folders.BankDirectory, folders.DataDirectory, &sound, std::move(warn)});
  frmLines->UseSpriteForm([this]() -> const TfrmSlicice& { return SpriteForm(); });
  frmLines->ScoreDialogs = &RecordDialogs;
  frmLines->ShowTop10 = [this] { Top10().exec(); };
  frmLines->ShowSettings = [this] {
    Settings().exec();
    return SettingsChanges;
  };
  frmLines->ShowAbout = [this] { About().exec(); };
  frmLines->ShowHelp = [this] { Help().exec(); };
}

void TProgram::Show() { frmLines->show(); }

TfrmTop10& TProgram::Top10() {
  // The rows take their joker and bomb marks from the main window's resting sprites, which are
  // filled right after its first frame, before any dialog can open.
  if (!frmTop10) frmTop10 = std::make_unique<TfrmTop10>(frmLines->Sprites(TSpriteSet::Normal), frmLines->Variables());
  return *frmTop10;
}

TfrmSettings& TProgram::Settings() {
  if (!frmSettings) frmSettings = std::make_unique<TfrmSettings>(nullptr, DataDirectory, frmLines->Variables(), RecordDialogs);
  return *frmSettings;
}

TfrmAbout& TProgram::About() {
  if (!frmAbout) {
    frmAbout = std::make_unique<TfrmAbout>();
    frmAbout->UseAuthorCard(AuthorCard());
  }
  return *frmAbout;
}

TfrmUpis& TProgram::NameEntry() {
  if (!frmUpis) frmUpis = std::make_unique<TfrmUpis>(DataDirectory, frmLines->Variables());
  return *frmUpis;
}

TfrmMi& TProgram::AuthorCard() {
  if (!frmMi) frmMi = std::make_unique<TfrmMi>();
  return *frmMi;
}

TfrmHelp& TProgram::Help() {
  if (!frmHelp) frmHelp = std::make_unique<TfrmHelp>();
  return *frmHelp;
}

const TfrmSlicice& TProgram::SpriteForm() {
  if (!frmSlicice) frmSlicice = std::make_unique<TfrmSlicice>();
  return *frmSlicice;
}
