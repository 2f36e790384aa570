// The context menu's items, in the order they are listed.
#include "MainMenu.h"

TMainMenu::TMainMenu(QWidget& window)
    : QMenu(&window),
      Undo(AddItem(window, "actUndo", tr("&Undo"))),
      KeepGameOnExit(AddItem(window, "actKeepGameOnExit", tr("&Keep the game on Exit"))),
      Statistics(AddItem(window, "actStatistics", tr("&Statistics…"))),
      Keys(AddItem(window, "actKeys", tr("Ke&ys…"))) {
  setObjectName(QStringLiteral("MainMenu"));
  Undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::Key_Backspace)});
  Undo->setEnabled(false);
  KeepGameOnExit->setCheckable(true);
  Statistics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  insertSeparator(KeepGameOnExit);
  insertSeparator(Statistics);
}

QAction* TMainMenu::AddItem(QWidget& window, const char* name, const QString& text) {
  QAction* action = addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  window.addAction(action);
  return action;
}
