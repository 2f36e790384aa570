// The two dialogs that a new record brings, one after the other: the name, then the lists.
#pragma once

#include "ScoreDialogs.h"

class TfrmTop10;
class TfrmUpis;

class TRecordDialogs : public IScoreDialogs {
public:
  // The program creates the settings dialog, which needs this object, before the name dialog
  // exists; the dialogs are handed over with Use once they do.
  TRecordDialogs() = default;
  TRecordDialogs(TfrmUpis& nameDialog, TfrmTop10& topTen) { Use(nameDialog, topTen); }

  void Use(TfrmUpis& nameDialog, TfrmTop10& topTen) {
    NameDialog = &nameDialog;
    TopTen = &topTen;
  }

  void ShowNameDialog() override;
  void ShowTopTen() override;

private:
  TfrmUpis* NameDialog = nullptr;
  TfrmTop10* TopTen = nullptr;
};
