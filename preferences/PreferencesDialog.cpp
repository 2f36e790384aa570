// The Preferences dialog's controls, laid out in fixed pixels like the game's other dialogs so that
// they follow the window's zoom step.
#include "PreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

#include "WindowZoom.h"

namespace {

QFont PlainArial() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  return font;
}

QLabel* NewLabel(QWidget* parent, const QString& caption, const QRect& place) {
  auto* label = new QLabel(caption, parent);
  label->setGeometry(place);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

}  // namespace

TfrmPreferences::TfrmPreferences(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmPreferences"));
  setWindowTitle(tr("Preferences"));
  setFixedSize(300, 276);
  setFont(PlainArial());

  NewLabel(this, tr("&Size:"), QRect(8, 10, 100, 22))->setBuddy(cmbSize = new QComboBox(this));
  cmbSize->setObjectName(QStringLiteral("cmbSize"));
  cmbSize->setGeometry(112, 10, 90, 22);
  for (double step : ZoomSteps) cmbSize->addItem(ZoomStepCaption(step), step);

  chkSymbols = new QCheckBox(tr("S&ymbols on the balls"), this);
  chkSymbols->setObjectName(QStringLiteral("chkSymbols"));
  chkSymbols->setGeometry(8, 40, 284, 20);

  spnEffects = AddVolume("Effects", tr("&Effects volume:"), 68);
  spnMusic = AddVolume("Music", tr("&Music volume:"), 98);

  auto* pace = new QGroupBox(tr("Animations"), this);
  pace->setObjectName(QStringLiteral("grpPace"));
  pace->setGeometry(8, 128, 284, 84);
  const char* names[] = {"radClassic", "radFast", "radReduced"};
  //: The pace of the balls' movements: as in the classic game, quicker, or with little movement at all.
  const QString captions[] = {tr("&Classic"), tr("&Fast"), tr("&Reduced motion")};
  for (int i = 0; i < 3; ++i) {
    Paces[i] = new QRadioButton(captions[i], pace);
    Paces[i]->setObjectName(QString::fromLatin1(names[i]));
    Paces[i]->setGeometry(10, 22 + 20 * i, 268, 18);
  }

  chkKeepGame = new QCheckBox(tr("&Keep the game on Exit"), this);
  chkKeepGame->setObjectName(QStringLiteral("chkKeepGame"));
  chkKeepGame->setGeometry(8, 218, 284, 20);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setGeometry(132, 244, 75, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  cancel->setGeometry(217, 244, 75, 25);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QSpinBox* TfrmPreferences::AddVolume(const char* name, const QString& caption, int top) {
  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setObjectName(QStringLiteral("sld%1").arg(QLatin1String(name)));
  slider->setGeometry(112, top, 120, 22);
  slider->setRange(0, 100);
  auto* spin = new QSpinBox(this);
  spin->setObjectName(QStringLiteral("spn%1").arg(QLatin1String(name)));
  spin->setGeometry(238, top, 54, 22);
  spin->setRange(0, 100);
  spin->setSuffix(QStringLiteral(" %"));
  NewLabel(this, caption, QRect(8, top, 100, 22))->setBuddy(slider);
  connect(slider, &QSlider::valueChanged, spin, &QSpinBox::setValue);
  connect(spin, &QSpinBox::valueChanged, slider, &QSlider::setValue);
  return spin;
}

std::optional<TPlayerChoices> TfrmPreferences::Ask(const TPlayerChoices& current) {
  ShowChoices(current);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Choices();
}

TPlayerChoices TfrmPreferences::Choices() const {
  TPlayerChoices choices;
  choices.Zoom = cmbSize->currentData().toDouble();
  choices.Symbols = chkSymbols->isChecked();
  choices.EffectVolume = spnEffects->value();
  choices.MusicVolume = spnMusic->value();
  choices.Pace = Paces[1]->isChecked()   ? TAnimationPace::Fast
                 : Paces[2]->isChecked() ? TAnimationPace::Reduced
                                         : TAnimationPace::Classic;
  choices.KeepGameOnExit = chkKeepGame->isChecked();
  return choices;
}

void TfrmPreferences::ShowChoices(const TPlayerChoices& choices) {
  cmbSize->setCurrentIndex(cmbSize->findData(choices.Zoom));
  chkSymbols->setChecked(choices.Symbols);
  spnEffects->setValue(choices.EffectVolume);
  spnMusic->setValue(choices.MusicVolume);
  Paces[static_cast<int>(choices.Pace)]->setChecked(true);
  chkKeepGame->setChecked(choices.KeepGameOnExit);
}
