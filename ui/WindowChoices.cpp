// Reading, showing, taking and keeping the player's choices.
#include "WindowChoices.h"

#include <QAction>

#include <algorithm>

#include "ErrorBox.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "Preferences.h"
#include "SoundLayer.h"
#include "WindowLook.h"
#include "WindowZoom.h"

namespace {

// The step one up or down from a step, staying at the ends.
double NextStep(double zoom, int direction) {
  const auto found = std::find(ZoomSteps.begin(), ZoomSteps.end(), zoom);
  const auto index = std::clamp<std::ptrdiff_t>(found - ZoomSteps.begin() + direction, 0, ZoomSteps.size() - 1);
  return ZoomSteps[static_cast<std::size_t>(index)];
}

}  // namespace

TWindowChoices::TWindowChoices(TfrmLines& window, TWindowLook& look, TMainMenu& menu, TPreferences& preferences,
                               ISoundLayer& sound)
    : QObject(&window),
      Window(window),
      Look(look),
      Menu(menu),
      Preferences(preferences),
      Sound(sound),
      EffectVolumePercent(preferences.Get(EffectVolume, 0, 100)),
      MusicVolumePercent(preferences.Get(MusicVolume, 0, 100)) {
  Sound.SetVolumes(EffectVolumePercent, MusicVolumePercent);
  Menu.KeepGameOnExit->setChecked(Preferences.Get(KeepGameOnExit));
  connect(Menu.KeepGameOnExit, &QAction::toggled, this,
          [this](bool keep) { RunReportingErrors([&] { Preferences.Set(KeepGameOnExit, keep); }); });
  const auto chooseZoom = [this](double zoom) {
    TPlayerChoices choices = Choices();
    choices.Zoom = zoom;
    Choose(choices);
  };
  connect(Menu.ZoomIn, &QAction::triggered, this, [this, chooseZoom] { chooseZoom(NextStep(Look.Zoom(), 1)); });
  connect(Menu.ZoomOut, &QAction::triggered, this, [this, chooseZoom] { chooseZoom(NextStep(Look.Zoom(), -1)); });
  connect(Menu.ActualSize, &QAction::triggered, this, [chooseZoom] { chooseZoom(ZoomSteps.front()); });
  for (QAction* step : Menu.SizeSteps)
    connect(step, &QAction::triggered, this, [step, chooseZoom] { chooseZoom(step->data().toDouble()); });
  connect(Menu.Symbols, &QAction::triggered, this, [this](bool symbols) {
    TPlayerChoices choices = Choices();
    choices.Symbols = symbols;
    Choose(choices);
  });
  connect(Menu.PreferencesItem, &QAction::triggered, this, [this] { ShowPreferences(); });
  ShowChoicesInMenu();
}

void TWindowChoices::ShowChoicesInMenu() {
  for (QAction* step : Menu.SizeSteps) step->setChecked(step->data().toDouble() == Look.Zoom());
  Menu.Symbols->setChecked(Look.Symbols());
}

TPlayerChoices TWindowChoices::Choices() const {
  return {Look.Zoom(), Look.Symbols(), EffectVolumePercent, MusicVolumePercent, Look.Pace(),
          Menu.KeepGameOnExit->isChecked()};
}

void TWindowChoices::Choose(const TPlayerChoices& choices) {
  const TPlayerChoices before = Choices();
  Look.SetZoom(choices.Zoom);
  Look.SetSymbols(choices.Symbols);
  Look.SetPace(choices.Pace);
  EffectVolumePercent = choices.EffectVolume;
  MusicVolumePercent = choices.MusicVolume;
  // A silent run opens no audio device for them.
  if (!Window.SoundBankMissing()) Sound.SetVolumes(EffectVolumePercent, MusicVolumePercent);
  // The menu's own item writes its preference when it changes.
  Menu.KeepGameOnExit->setChecked(choices.KeepGameOnExit);
  ShowChoicesInMenu();
  // Only what the player changed is written, so a step that merely fitted the screen is not fixed by
  // another choice.
  RunReportingErrors([&] {
    if (choices.Zoom != before.Zoom) Preferences.Set(ZoomPercent, StepPercent(choices.Zoom));
    if (choices.Symbols != before.Symbols) Preferences.Set(BallSymbols, choices.Symbols);
    if (choices.Pace != before.Pace) Preferences.Set(PaceChoice, static_cast<int>(choices.Pace));
    if (choices.EffectVolume != before.EffectVolume) Preferences.Set(EffectVolume, choices.EffectVolume);
    if (choices.MusicVolume != before.MusicVolume) Preferences.Set(MusicVolume, choices.MusicVolume);
  });
}

void TWindowChoices::ShowPreferences() {
  if (PreferencesDialog == nullptr) PreferencesDialog = new TfrmPreferences(&Window);
  ZoomWindow(*PreferencesDialog, Look.Zoom());
  if (const std::optional<TPlayerChoices> chosen = PreferencesDialog->Ask(Choices())) Choose(*chosen);
  Window.TakeKeyboard();
}
