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
// The window's zoom step in percent (100, 125, 150, 200, 250, 300); 0 until the player chooses one, when
// the window takes the largest step that fits the screen.
inline constexpr TPreference<int> ZoomPercent{"View/Zoom", 0};
// The seven colours carry their symbols.
inline constexpr TPreference<bool> BallSymbols{"View/Symbols", false};
// The animations' pace: 0 classic, 1 fast, 2 reduced motion.
inline constexpr TPreference<int> PaceChoice{"View/Pace", 0};
// The volumes in percent. The music starts at a quarter: at full volume the songs are as loud as the
// effects (about -19 to -28 dBFS RMS against -22 for a line breaking), a quarter (-12 dB) puts the
// breaking clearly above every song.
inline constexpr TPreference<int> EffectVolume{"Sound/EffectVolume", 100};
inline constexpr TPreference<int> MusicVolume{"Sound/MusicVolume", 25};

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
  // A whole number within [minimum, maximum]; anything else in the file gives the default.
  int Get(const TPreference<int>& preference, int minimum, int maximum) const;
  void Set(const TPreference<int>& preference, int value);

  QString FilePath() const { return Store.fileName(); }

private:
  void Write(const char* key, const QVariant& value);

  QSettings Store;
};
