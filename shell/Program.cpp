// Creating the program's windows, each when first needed, and wiring them to one another.
#include "Program.h"

#include "WindowZoom.h"

TProgram::TProgram(const TGameFolders& folders, ISoundLayer& sound, TLinesServices::TWarn warn,
                   std::string pictureCacheFolder)
    : DataDirectory(folders.DataDirectory),
      RecordDialogs([this]() -> TfrmUpis& { return NameEntry(); }, [this]() -> TfrmTop10& { return Top10(); }),
      WindowRooms(std::move(pictureCacheFolder), [this]() -> const TfrmSlicice& { return SpriteForm(); }) {
  frmLines = std::make_unique<TfrmLines>(TLinesServices{folders.BankDirectory, folders.DataDirectory, &sound,
                                                        &WindowRooms.Look(), std::move(warn)});
  WindowRooms.Furnish(*frmLines, folders.DataDirectory, sound);
  frmLines->ScoreDialogs = &RecordDialogs;
  frmLines->ShowTop10 = [this] { Top10().exec(); };
  frmLines->ShowSettings = [this] {
    Settings().exec();
    return SettingsChanges;
  };
  frmLines->ShowAbout = [this] { About().exec(); };
  frmLines->ShowHelp = [this] { Help().exec(); };
  WindowRooms.Recorder().ShowStatistics = [this] {
    if (!frmStatistics) frmStatistics = std::make_unique<TfrmStatistics>(WindowRooms.Recorder().History());
    frmStatistics->exec();
  };
  // The dialogs follow the main window's zoom step: each takes the step of the moment it is created.
  WindowRooms.Look().ZoomChanged = [this](double zoom) { ZoomDialogs(zoom); };
}

void TProgram::ZoomDialogs(double zoom) {
  for (QWidget* dialog : std::initializer_list<QWidget*>{frmTop10.get(), frmSettings.get(), frmAbout.get(),
                                                         frmUpis.get(), frmMi.get(), frmHelp.get()})
    if (dialog != nullptr) ZoomWindow(*dialog, zoom);
}

void TProgram::Show() { frmLines->show(); }

TfrmTop10& TProgram::Top10() {
  // The rows take their joker and bomb marks from the main window's resting sprites, which are
  // filled right after its first frame, before any dialog can open.
  if (!frmTop10) Zoomed(*(frmTop10 = std::make_unique<TfrmTop10>(frmLines->Sprites(TSpriteSet::Normal), frmLines->Variables())));
  return *frmTop10;
}

TfrmSettings& TProgram::Settings() {
  if (!frmSettings) Zoomed(*(frmSettings = std::make_unique<TfrmSettings>(nullptr, DataDirectory, frmLines->Variables(), RecordDialogs)));
  return *frmSettings;
}

TfrmAbout& TProgram::About() {
  if (!frmAbout) {
    Zoomed(*(frmAbout = std::make_unique<TfrmAbout>()));
    frmAbout->UseAuthorCard(AuthorCard());
  }
  return *frmAbout;
}

TfrmUpis& TProgram::NameEntry() {
  if (!frmUpis) Zoomed(*(frmUpis = std::make_unique<TfrmUpis>(DataDirectory, frmLines->Variables())));
  return *frmUpis;
}

TfrmMi& TProgram::AuthorCard() {
  if (!frmMi) Zoomed(*(frmMi = std::make_unique<TfrmMi>()));
  return *frmMi;
}

TfrmHelp& TProgram::Help() {
  if (!frmHelp) Zoomed(*(frmHelp = std::make_unique<TfrmHelp>()));
  return *frmHelp;
}

const TfrmSlicice& TProgram::SpriteForm() {
  if (!frmSlicice) frmSlicice = std::make_unique<TfrmSlicice>();
  return *frmSlicice;
}

void TProgram::Zoomed(QWidget& dialog) { ZoomWindow(dialog, WindowRooms.Look().Zoom()); }
