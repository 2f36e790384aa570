// The settings dialog's form, its binding to GameSettings and its OK.
#include "SettingsDialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "DialogForms.h"
#include "ErrorBox.h"
#include "FlatButton.h"
#include "GameSettings.h"
#include "GroupBox.h"
#include "HomePage.h"
#include "RadioGroup.h"
#include "SettingsFile.h"
#include "ShellOpen.h"
#include "SoundUnavailable.h"
#include "TopLista.h"

namespace {

// The shell's show command for an ordinary window (SW_SHOW).
constexpr int ShowNormally = 5;

// A check box's tag is the number in its name: 0 to 2 for bytes 0 to 2, 10 to 15 for bytes 4 to 9.
std::size_t ByteOfTag(int tag) { return tag < 10 ? static_cast<std::size_t>(tag) : static_cast<std::size_t>(tag - 6); }

int Tag(const QCheckBox& box) { return box.property("Tag").toInt(); }

QCheckBox* NewCheckBox(QWidget& group, int tag, const QString& caption, int top) {
  auto* box = new QCheckBox(caption, &group);
  box->setObjectName(QStringLiteral("CheckBox") + QString::number(tag));
  box->setProperty("Tag", tag);
  box->setGeometry(8, top, 89, 17);
  return box;
}

// A long address loses its middle rather than both ends; an ampersand in it is no accelerator.
QString HomePageCaption(const QWidget& button) {
  const QString caption = TfrmSettings::tr("Brindlow HomePage %1").arg(QString::fromStdString(HomePage().Address));
  return button.fontMetrics().elidedText(caption, Qt::ElideMiddle, button.width()).replace(
      QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TfrmSettings::TfrmSettings(QWidget* parent, const std::string& programDirectory, TGameVariables& game,
                           IScoreDialogs& scoreDialogs)
    : QDialog(parent, DialogWindowFlags),
      ProgramDirectory(programDirectory),
      Game(game),
      ScoreDialogs(scoreDialogs) {
  CreateControls();
  FormCreate();
}

void TfrmSettings::CreateControls() {
  OpenBevelledForm(*this, tr("Settings"), QSize(457, 215), ArialFont(13, false));
  const QFont bold = ArialFont(13, true);

  auto* gameGroup = new TGroupBox(this, tr("Game settings"));
  gameGroup->setObjectName(QStringLiteral("GroupBox2"));
  gameGroup->setGeometry(8, 8, 105, 89);
  gameGroup->setFont(bold);
  NewCheckBox(*gameGroup, 0, tr("View next"), 24);
  NewCheckBox(*gameGroup, 1, tr("Jokers"), 44);
  NewCheckBox(*gameGroup, 2, tr("Bombs"), 64);

  grpLevel = new TRadioGroup(this, tr("Level"), LevelNames(), 1);
  grpLevel->setObjectName(QStringLiteral("grpLevel"));
  grpLevel->setFont(bold);
  grpLevel->setGeometry(8, 104, 105, 81);

  grpSounds = new TGroupBox(this, tr("Sounds"));
  grpSounds->setObjectName(QStringLiteral("grpSounds"));
  grpSounds->setGeometry(128, 8, 105, 177);
  grpSounds->setFont(bold);
  const QCheckBox* soundsOff = NewCheckBox(*grpSounds, 10, tr("Sounds off"), 24);
  int tag = 11;
  //: The sound effects, each switched on and off by its check box: a ball appears, jumps when picked,
  //: moves, cannot reach its cell, and a line breaks.
  for (const QString& effect : {tr("Create"), tr("Jump"), tr("Move"), tr("Stuck"), tr("Break")}) {
    NewCheckBox(*grpSounds, tag, effect, 56 + 24 * (tag - 11));
    ++tag;
  }
  connect(soundsOff, &QCheckBox::clicked, this, [this, soundsOff] { CheckBoxMouseUp(*soundsOff); });

  QStringList songs = {tr("Music off")};
  for (int song = 1; song <= 8; ++song) songs << tr("Song #%1").arg(song);
  songs << tr("Random");
  grpMusic = new TRadioGroup(this, tr("Music"), songs, 2);
  grpMusic->setObjectName(QStringLiteral("grpMusic"));
  grpMusic->setFont(bold);
  grpMusic->setGeometry(248, 8, 201, 137);

  btnOK = new QPushButton(tr("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setGeometry(256, 156, 81, 25);
  btnOK->setFont(bold);
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });

  auto* btnCancel = new QPushButton(tr("Cancel"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnCancel->setGeometry(360, 156, 81, 25);
  btnCancel->setFont(bold);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmSettings::reject);

  btnHomePage = new TFlatButton(this, QString(), 0);
  btnHomePage->setObjectName(QStringLiteral("btnHomePage"));
  btnHomePage->setGeometry(8, 190, 441, 22);
  btnHomePage->setCursor(Qt::PointingHandCursor);
  QPalette link = btnHomePage->palette();
  link.setColor(QPalette::ButtonText, Qt::blue);
  btnHomePage->setPalette(link);
  connect(btnHomePage, &TFlatButton::clicked, this, [this] { btnHomePageClick(); });
}

void TfrmSettings::FormCreate() {
  for (std::size_t k = 0; k < GameBoxes.size(); ++k)
    GameBoxes[k] = FindControl<QCheckBox>(*this, QStringLiteral("CheckBox") + QString::number(k));
  for (std::size_t j = 0; j < SoundBoxes.size(); ++j)
    SoundBoxes[j] = FindControl<QCheckBox>(*this, QStringLiteral("CheckBox") + QString::number(10 + j));
}

void TfrmSettings::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(*this);
  FormShow();
}

void TfrmSettings::FormShow() {
  btnHomePage->setText(HomePageCaption(*btnHomePage));
  // Once greyed for a missing bank, the groups stay so for the rest of the run.
  if (SoundUnavailable != 0) {
    grpSounds->setEnabled(false);
    grpMusic->setEnabled(false);
  }
  SettingsChanges = {};
  Applied = {};
  SettingsToControls();
  UpdateSoundBoxes();
  btnOK->setFocus();
}

void TfrmSettings::SettingsToControls() {
  for (QCheckBox* box : GameBoxes) box->setChecked(GameSettings.Byte(ByteOfTag(Tag(*box))) != 0);
  for (QCheckBox* box : SoundBoxes) box->setChecked(GameSettings.Byte(ByteOfTag(Tag(*box))) != 0);
  grpLevel->SetItemIndex(GameSettings.Level);
  grpMusic->SetItemIndex(GameSettings.Music);
}

void TfrmSettings::ControlsToSettings() {
  for (QCheckBox* box : GameBoxes) GameSettings.Byte(ByteOfTag(Tag(*box))) = box->isChecked() ? 1 : 0;
  for (QCheckBox* box : SoundBoxes) GameSettings.Byte(ByteOfTag(Tag(*box))) = box->isChecked() ? 1 : 0;
  GameSettings.Level = static_cast<std::uint8_t>(grpLevel->ItemIndex());
  GameSettings.Music = static_cast<std::uint8_t>(grpMusic->ItemIndex());
}

void TfrmSettings::UpdateSoundBoxes() {
  if (SoundUnavailable != 0) return;
  const bool effectsOn = !SoundBoxes[0]->isChecked();
  for (std::size_t j = 1; j < SoundBoxes.size(); ++j) SoundBoxes[j]->setEnabled(effectsOn);
}

void TfrmSettings::CheckBoxMouseUp(const QCheckBox& box) {
  if (Tag(box) == 10) UpdateSoundBoxes();
}

void TfrmSettings::btnOKClick() {
  // Each flag compares against GameSettings as it stands now, so an edit undone before OK is none.
  TSettingsChanges& changes = SettingsChanges;
  changes.MusicChanged = Applied.MusicChanged || grpMusic->ItemIndex() != GameSettings.Music;
  changes.ViewNextChanged = Applied.ViewNextChanged || GameBoxes[0]->isChecked() != (GameSettings.ViewNext != 0);
  changes.JokersBombsChanged = Applied.JokersBombsChanged || GameBoxes[1]->isChecked() != (GameSettings.Jokers != 0) ||
                               GameBoxes[2]->isChecked() != (GameSettings.Bombs != 0);
  changes.LevelChanged = Applied.LevelChanged || grpLevel->ItemIndex() != GameSettings.Level;
  try {
    if (changes.JokersBombsChanged || changes.LevelChanged) {
      // GameSettings still holds the level the running game was played at, whose list it enters.
      SubmitScore(Game, ScoreDialogs);
      Game.ScoreSubmitted = 1;
    }
    ControlsToSettings();
    Applied = changes;
    SaveSettings(ProgramDirectory);
  } catch (const std::exception& error) {
    ShowErrorBox(error);
    return;
  }
  accept();
}

void TfrmSettings::reject() {
  SettingsChanges = Applied;
  QDialog::reject();
}

void TfrmSettings::btnHomePageClick() { ShellOpen(HomePage().File, "", HomePage().Folder, ShowNormally); }
