// What the settings dialog's OK changed, for the main window to redo once the dialog has closed.
#pragma once

// Cleared at each showing of the dialog and by Cancel; valid from the dialog's close to its next show.
struct TSettingsChanges {
  bool ViewNextChanged = false;     // show or hide the preview of the next balls
  bool JokersBombsChanged = false;  // start a new game
  bool LevelChanged = false;        // start a new game
  bool MusicChanged = false;        // apply the new music choice

  friend bool operator==(const TSettingsChanges&, const TSettingsChanges&) = default;
};

inline TSettingsChanges SettingsChanges;
