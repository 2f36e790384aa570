// The two dialogs that a new record brings, one after the other: the name, then the lists.
#pragma once

#include <functional>

#include "ScoreDialogs.h"

class TfrmTop10;
class TfrmUpis;

class TRecordDialogs : public IScoreDialogs {
public:
  // The program creates its dialogs when they are first needed: each is asked for only as it shows.
  TRecordDialogs(std::function<TfrmUpis&()> nameDialog, std::function<TfrmTop10&()> topTen)
      : NameDialog(std::move(nameDialog)), TopTen(std::move(topTen)) {}

  void ShowNameDialog() override;
  void ShowTopTen() override;

private:
  std::function<TfrmUpis&()> NameDialog;
  std::function<TfrmTop10&()> TopTen;
};
