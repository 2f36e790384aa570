// The program's entry: the application object, the windows in their order, the event loop.
#include <QByteArray>
#include <QGuiApplication>

#include "Application.h"
#include "BankSound.h"
#include "CommandLine.h"
#include "ErrorBox.h"
#include "Program.h"
#include "GameFolders.h"
#include "RuntimeFolder.h"
#include "StartPictureCache.h"
#include "Translations.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = AnswerCommandLine(argc, argv, stdout, stderr)) return *status;
  NameRuntimeFolder();
  // The windows are laid out in fixed pixels and are not rescaled by the screen's reported density. A
  // scale the user asks for with QT_SCALE_FACTOR still applies over this: the layout keeps its logical
  // pixels and the pictures switch to their twice-size versions at a device pixel ratio of 2.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  TBrindlowApplication application(argc, argv);
  InstallTranslations(application);
  // Lets the desktop match the running window to the installed menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.brindlow.Brindlow"));
  TGameFolders folders;
  try {
    folders = GameFolders();
  } catch (const std::exception& error) {
    // Without a folder for its files the game cannot start.
    ShowErrorBox(error);
    return 1;
  }
  TBankSound sound;
  TProgram program(folders, sound, {}, StartPictureCacheFolder());
  program.Show();
  return application.exec();
}
