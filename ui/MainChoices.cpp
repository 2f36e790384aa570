// The player's choices beyond the classic Options: read at the start, taken from the context menu, its
// keys and the Preferences dialog, and kept in the preferences file.
#include <QAction>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "ErrorBox.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "SoundLayer.h"
#include "WindowZoom.h"

namespace {

constexpr int ClassicHeight = 446;

int Percent(double zoom) { return qRound(zoom * 100); }

// The step one up or down from a step, staying at the ends.
double NextStep(double zoom, int direction) {
  const auto found = std::find(ZoomSteps.begin(), ZoomSteps.end(), zoom);
  const auto index = std::clamp<std::ptrdiff_t>(found - ZoomSteps.begin() + direction, 0, ZoomSteps.size() - 1);
  return ZoomSteps[static_cast<std::size_t>(index)];
}

}  // namespace

void TfrmLines::TakeStoredChoices() {
  const int percent = Preferences.Get(ZoomPercent, 0, Percent(ZoomSteps.back()));
  const auto chosen = std::find_if(ZoomSteps.begin(), ZoomSteps.end(), [percent](double step) { return Percent(step) == percent; });
  double zoom = ZoomSteps.front();
  if (chosen != ZoomSteps.end()) zoom = *chosen;
  else if (const QScreen* screen = QGuiApplication::primaryScreen())
    zoom = FittingZoom(ClassicHeight, screen->availableGeometry().height());
  SetZoom(zoom);
  SetSymbols(Preferences.Get(BallSymbols));
  SetPace(static_cast<TAnimationPace>(Preferences.Get(PaceChoice, 0, 2)));
  ShowChoicesInMenu();
}

void TfrmLines::TakeStoredVolumes() {
  EffectVolumePercent = Preferences.Get(EffectVolume, 0, 100);
  MusicVolumePercent = Preferences.Get(MusicVolume, 0, 100);
}

void TfrmLines::ConnectChoices() {
  const auto chooseZoom = [this](double zoom) {
    TPlayerChoices choices = Choices();
    choices.Zoom = zoom;
    Choose(choices);
  };
  connect(Menu->ZoomIn, &QAction::triggered, this, [this, chooseZoom] { chooseZoom(NextStep(Zoom(), 1)); });
  connect(Menu->ZoomOut, &QAction::triggered, this, [this, chooseZoom] { chooseZoom(NextStep(Zoom(), -1)); });
  connect(Menu->ActualSize, &QAction::triggered, this, [chooseZoom] { chooseZoom(ZoomSteps.front()); });
  for (QAction* step : Menu->SizeSteps)
    connect(step, &QAction::triggered, this, [step, chooseZoom] { chooseZoom(step->data().toDouble()); });
  connect(Menu->Symbols, &QAction::triggered, this, [this](bool symbols) {
    TPlayerChoices choices = Choices();
    choices.Symbols = symbols;
    Choose(choices);
  });
  connect(Menu->PreferencesItem, &QAction::triggered, this, [this] { ShowPreferences(); });
}

void TfrmLines::ShowChoicesInMenu() {
  for (QAction* step : Menu->SizeSteps) step->setChecked(step->data().toDouble() == Zoom());
  Menu->Symbols->setChecked(Symbols());
}

TPlayerChoices TfrmLines::Choices() const {
  return {Zoom(), Symbols(), EffectVolumePercent, MusicVolumePercent, Pace(), Menu->KeepGameOnExit->isChecked()};
}

void TfrmLines::Choose(const TPlayerChoices& choices) {
  const TPlayerChoices before = Choices();
  SetZoom(choices.Zoom);
  SetSymbols(choices.Symbols);
  SetPace(choices.Pace);
  EffectVolumePercent = choices.EffectVolume;
  MusicVolumePercent = choices.MusicVolume;
  ApplyVolumes();
  // The menu's own item writes its preference when it changes.
  Menu->KeepGameOnExit->setChecked(choices.KeepGameOnExit);
  ShowChoicesInMenu();
  // Only what the player changed is written, so a step that merely fitted the screen is not fixed by
  // another choice.
  RunReportingErrors([&] {
    if (choices.Zoom != before.Zoom) Preferences.Set(ZoomPercent, Percent(choices.Zoom));
    if (choices.Symbols != before.Symbols) Preferences.Set(BallSymbols, choices.Symbols);
    if (choices.Pace != before.Pace) Preferences.Set(PaceChoice, static_cast<int>(choices.Pace));
    if (choices.EffectVolume != before.EffectVolume) Preferences.Set(EffectVolume, choices.EffectVolume);
    if (choices.MusicVolume != before.MusicVolume) Preferences.Set(MusicVolume, choices.MusicVolume);
  });
}

void TfrmLines::ApplyVolumes() {
  // A silent run opens no audio device for them.
  if (!BankMissing) Services.Sound->SetVolumes(EffectVolumePercent, MusicVolumePercent);
}

void TfrmLines::ShowPreferences() {
  if (PreferencesDialog == nullptr) PreferencesDialog = new TfrmPreferences(this);
  ZoomWindow(*PreferencesDialog, Zoom());
  if (const std::optional<TPlayerChoices> chosen = PreferencesDialog->Ask(Choices())) Choose(*chosen);
  TakeKeyboard();
}
