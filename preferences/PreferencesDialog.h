// The Preferences dialog: every choice beyond the classic Options in one modal dialog, OK or Cancel.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <optional>

#include "AnimationPace.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSlider;
class QSpinBox;

// The choices the dialog shows and returns.
struct TPlayerChoices {
  double Zoom = 1;
  bool Symbols = false;
  int EffectVolume = 100;  // percent
  int MusicVolume = 100;   // percent
  TAnimationPace Pace = TAnimationPace::Classic;
  bool KeepGameOnExit = false;

  bool operator==(const TPlayerChoices&) const = default;
};

class TfrmPreferences : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TfrmPreferences)

public:
  explicit TfrmPreferences(QWidget* parent = nullptr);

  // Shows the choices and runs the dialog modally: the choices made when OK closes it, nothing on Cancel.
  std::optional<TPlayerChoices> Ask(const TPlayerChoices& current);

  // For tests: what the controls say now.
  TPlayerChoices Choices() const;
  void ShowChoices(const TPlayerChoices& choices);

private:
  QSpinBox* AddVolume(const char* name, const QString& caption, int top);

  QComboBox* cmbSize = nullptr;
  QCheckBox* chkSymbols = nullptr;
  QSpinBox* spnEffects = nullptr;
  QSpinBox* spnMusic = nullptr;
  std::array<QRadioButton*, 3> Paces{};
  QCheckBox* chkKeepGame = nullptr;
};
