// The program's entry: the application object, the windows in their order, the event loop.
#include <QByteArray>

#include "Application.h"
#include "ErrorBox.h"
#include "Program.h"
#include "ProgramDirectory.h"

int main(int argc, char** argv) {
  // The windows are laid out in fixed pixels and are not rescaled for the screen's density.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  TBrindlowApplication application(argc, argv);
  std::string directory;
  try {
    directory = ProgramDirectory();
  } catch (const std::exception& error) {
    ShowErrorBox(error);
    return 1;
  }
  TProgram program(directory);
  program.Show();
  return application.exec();
}
