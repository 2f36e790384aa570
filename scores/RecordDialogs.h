// The two dialogs that a new record brings, one after the other: the name, then the lists.
#pragma once

#include "ScoreDialogs.h"

class TfrmTop10;
class TfrmUpis;

class TRecordDialogs : public IScoreDialogs {
public:
  TRecordDialogs(TfrmUpis& nameDialog, TfrmTop10& topTen) : NameDialog(nameDialog), TopTen(topTen) {}

  void ShowNameDialog() override;
  void ShowTopTen() override;

private:
  TfrmUpis& NameDialog;
  TfrmTop10& TopTen;
};
