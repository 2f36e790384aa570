// The name-entry dialog's form and its store.
#include "NameDialog.h"

#include <QLineEdit>

#include "DialogForms.h"
#include "ErrorBox.h"
#include "TopLista.h"

TfrmUpis::TfrmUpis(const std::string& programDirectory, const TGameVariables& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ProgramDirectory(programDirectory),
      Game(game) {
  setWindowTitle(tr("Enter Your Name"));
  setFixedSize(266, 41);
  setFont(ArialFont(13, false));

  playerName = new QLineEdit(this);
  playerName->setObjectName(QStringLiteral("playerName"));
  playerName->setGeometry(8, 8, 249, 24);
  QFont nameFont(QStringLiteral("Sans Serif"));
  nameFont.setStyleHint(QFont::SansSerif);
  nameFont.setPixelSize(13);
  nameFont.setBold(true);
  playerName->setFont(nameFont);
  // The stored name is cut to its length; the box itself takes whatever is typed.
  playerName->setMaxLength(32767);
  connect(playerName, &QLineEdit::returnPressed, this, [this] { StoreName(); });
}

void TfrmUpis::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(*this);
  SaveFailed = false;
  // Typing replaces the name entered last time; Enter alone keeps it.
  playerName->selectAll();
  playerName->setFocus();
}

void TfrmUpis::StoreName() {
  ::StoreName(Game.LastRank, playerName->text().toStdString(),
              //: Stored in the top ten for a player who enters no name: a friendly tease, keep the
              //: leading space. Letters of Western European alphabets only (ISO 8859-1), at most 29.
              tr(" Chicken!").toStdString());
  try {
    SaveScores(ProgramDirectory);
  } catch (const std::exception& error) {
    SaveFailed = true;
    ShowErrorBox(error);
    return;
  }
  accept();
}

void TfrmUpis::reject() {
  if (SaveFailed) QDialog::reject();
}
