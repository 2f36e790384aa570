// The record's dialogs, each shown modally.
#include "RecordDialogs.h"

#include <cassert>

#include "NameDialog.h"
#include "TopTenDialog.h"

void TRecordDialogs::ShowNameDialog() {
  assert(NameDialog != nullptr);
  NameDialog->exec();
}

void TRecordDialogs::ShowTopTen() {
  assert(TopTen != nullptr);
  TopTen->exec();
}
