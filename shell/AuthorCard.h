// The author card: one maker's name, role and e-mail address; the address opens a mail link.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>

class QLabel;

struct TAuthor {
  QString Button;  // caption of the credits dialog's button that opens this card
  QString Name;
  QString Role;
  QString Email;
};

class TfrmMi : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TfrmMi)

public:
  TfrmMi();

  void ShowAuthor(const TAuthor& author);
  // Hands "mailto:" and the shown address to the desktop's mail program.
  void labEmailClick();

  QLabel* labName = nullptr;
  QLabel* labRole = nullptr;
  QLabel* labEmail = nullptr;

private:
  QString Email;
};
