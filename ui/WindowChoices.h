// The player's choices beyond the classic Options: taken from the context menu, its keys and the
// Preferences dialog, each in effect at once and kept in the preferences file.
#pragma once

#include <QObject>

#include "PreferencesDialog.h"

class ISoundLayer;
class TfrmLines;
class TMainMenu;
class TPreferences;
class TWindowLook;

class TWindowChoices : public QObject {
public:
  // The volumes go to `sound` from the start; the look and the menu's items show what is kept.
  TWindowChoices(TfrmLines& window, TWindowLook& look, TMainMenu& menu, TPreferences& preferences, ISoundLayer& sound);

  // The choices as they stand, and taking new ones.
  TPlayerChoices Choices() const;
  void Choose(const TPlayerChoices& choices);
  // Runs the Preferences dialog; its OK takes what it shows.
  void ShowPreferences();

private:
  void ShowChoicesInMenu();

  TfrmLines& Window;
  TWindowLook& Look;
  TMainMenu& Menu;
  TPreferences& Preferences;
  ISoundLayer& Sound;
  int EffectVolumePercent;
  int MusicVolumePercent;
  TfrmPreferences* PreferencesDialog = nullptr;
};
