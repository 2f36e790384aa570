// The record's dialogs, each shown modally.
#include "RecordDialogs.h"

#include "NameDialog.h"
#include "TopTenDialog.h"

void TRecordDialogs::ShowNameDialog() { NameDialog().exec(); }

void TRecordDialogs::ShowTopTen() { TopTen().exec(); }
