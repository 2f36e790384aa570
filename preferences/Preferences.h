// The player's preferences beyond the classic settings: typed keys over an INI file of their own.
#pragma once

#include <QSettings>
#include <QString>

// One preference: its key in the file and the value it has until the player chooses another.
template <typename T>
struct TPreference {
  const char* Key;
  T Default;
};

// Closing the window keeps the running game for the next start instead of ending it.
inline constexpr TPreference<bool> KeepGameOnExit{"Game/KeepOnExit", false};

// $XDG_CONFIG_HOME/brindlow/brindlow.conf, or ~/.config/brindlow/brindlow.conf when XDG_CONFIG_HOME
// is unset, empty or relative (the same rule as the data folder's).
QString PreferencesFilePath();

class TPreferences {
public:
  // Reads the file now; a missing file means every preference has its default.
  explicit TPreferences(const QString& filePath = PreferencesFilePath());

  // A value missing from the file, or one that does not read as the preference's type, gives
  // the default.
  bool Get(const TPreference<bool>& preference) const;
  // Writes the file at once; raises EInOutError when it cannot be written.
  void Set(const TPreference<bool>& preference, bool value);

  QString FilePath() const { return Store.fileName(); }

private:
  void Write(const char* key, const QVariant& value);

  QSettings Store;
};
