// The main window's context menu: the extras that have no button, each also reachable by its keys.
#pragma once

#include <QCoreApplication>
#include <QMenu>

class TMainMenu : public QMenu {
  Q_DECLARE_TR_FUNCTIONS(TMainMenu)

public:
  // The actions are also added to the window, so their keys work while the menu is closed.
  explicit TMainMenu(QWidget& window);

  // Takes back the last move. It stays disabled until the game can take moves back: the code that
  // keeps the move history enables it and connects its triggered signal.
  QAction* const Undo;
  // Checkable: closing the window keeps the running game for the next start.
  QAction* const KeepGameOnExit;
  // Opens the Statistics window.
  QAction* const Statistics;
  // Opens the list of every key.
  QAction* const Keys;
  QMenu* const SizeMenu;
  // The window's size: one step up, one step down, back to the classic size, and one checkable item per
  // step (their data is the step), in the Size submenu.
  QAction* const ZoomIn;
  QAction* const ZoomOut;
  QAction* const ActualSize;
  QList<QAction*> SizeSteps;
  // Checkable: the seven colours carry their symbols.
  QAction* const Symbols;
  // Opens the Preferences dialog.
  QAction* const PreferencesItem;

private:
  QAction* AddItem(QWidget& window, const char* name, const QString& text, QMenu* menu = nullptr);
};
