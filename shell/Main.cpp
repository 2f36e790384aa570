// The program's entry: the application object, the windows in their order, the event loop.
#include <QByteArray>

#include "Application.h"
#include "BankSound.h"
#include "ErrorBox.h"
#include "Program.h"
#include "GameFolders.h"

int main(int argc, char** argv) {
  // The windows are laid out in fixed pixels and are not rescaled for the screen's density.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  TBrindlowApplication application(argc, argv);
  TGameFolders folders;
  try {
    folders = GameFolders();
  } catch (const std::exception& error) {
    // Without a folder for its files the game cannot start.
    ShowErrorBox(error);
    return 1;
  }
  TBankSound sound;
  TProgram program(folders, sound);
  program.Show();
  return application.exec();
}
