// The Keys window: every key of the game beside what it does.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>

#include <utility>
#include <vector>

// A key, as the player types it, and what it does.
using TKeyRows = std::vector<std::pair<QString, QString>>;

class TfrmKeys : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TfrmKeys)

public:
  TfrmKeys(QWidget* owner, const TKeyRows& rows);
};
