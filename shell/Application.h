// The application object: the program's title and icon, and the general error box at the event loop.
#pragma once

#include <QApplication>

class TBrindlowApplication : public QApplication {
public:
  TBrindlowApplication(int& argc, char** argv);

  // An I/O error (or any other exception) that ends a handler is shown in the error box here, and
  // the event loop goes on: no exception crosses the loop.
  bool notify(QObject* receiver, QEvent* event) override;
};
