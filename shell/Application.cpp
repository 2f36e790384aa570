// The application object.
#include "Application.h"

#include <QIcon>

#include "AssetNames.h"
#include "ErrorBox.h"
#include "Version.h"

TBrindlowApplication::TBrindlowApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QString::fromLatin1(BrindlowTitle));
  setWindowIcon(QIcon(IconResourcePath(0)));
}

bool TBrindlowApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    // Above all the program's EInOutError, raised by every failed file operation.
    ShowErrorBox(error);
  }
  return false;
}
