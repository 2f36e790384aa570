// The general error box.
#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

#include "PlayerMessages.h"

void ShowErrorBox(const std::exception& error) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                        PlayerMessage(error.what()));
}

void RunReportingErrors(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception& error) {
    ShowErrorBox(error);
  }
}
