// The credits dialog: three buttons, each opening the author card with one maker's details.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <array>

#include "AuthorCard.h"

class QPushButton;

class TfrmAbout : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TfrmAbout)

public:
  TfrmAbout();

  // The card is created after this dialog, so it is handed over once it exists.
  void UseAuthorCard(TfrmMi& card) { AuthorCard = &card; }
  void btnAuthorClick(int index);

  static const std::array<TAuthor, 3>& Authors();
  std::array<QPushButton*, 3> AuthorButtons{};

private:
  TfrmMi* AuthorCard = nullptr;
};
