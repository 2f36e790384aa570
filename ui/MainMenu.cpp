// The context menu's items, in the order they are listed. The Size submenu's items have a translation
// context of their own: their keys are chosen apart from the menu's.
#include "MainMenu.h"

#include <QActionGroup>

#include "WindowZoom.h"

TMainMenu::TMainMenu(QWidget& window)
    : QMenu(&window),
      Undo(AddItem(window, "actUndo", tr("&Undo"))),
      KeepGameOnExit(AddItem(window, "actKeepGameOnExit", tr("&Keep the game on Exit"))),
      Statistics(AddItem(window, "actStatistics", tr("&Statistics…"))),
      Keys(AddItem(window, "actKeys", tr("Ke&ys…"))),
      SizeMenu(addMenu(tr("Si&ze"))),
      ZoomIn(AddItem(window, "actZoomIn", QCoreApplication::translate("TSizeMenu", "&Larger"), SizeMenu)),
      ZoomOut(AddItem(window, "actZoomOut", QCoreApplication::translate("TSizeMenu", "&Smaller"), SizeMenu)),
      ActualSize(AddItem(window, "actActualSize", QCoreApplication::translate("TSizeMenu", "&Classic size"), SizeMenu)),
      Symbols(AddItem(window, "actSymbols", tr("S&ymbols on the balls"))),
      PreferencesItem(AddItem(window, "actPreferences", tr("&Preferences…"))) {
  setObjectName(QStringLiteral("MainMenu"));
  Undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::Key_Backspace)});
  Undo->setEnabled(false);
  KeepGameOnExit->setCheckable(true);
  Statistics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  insertSeparator(KeepGameOnExit);
  insertSeparator(Statistics);

  SizeMenu->setObjectName(QStringLiteral("mnuSize"));
  insertSeparator(SizeMenu->menuAction());
  ZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
  ZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  ActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  SizeMenu->addSeparator();
  auto* steps = new QActionGroup(SizeMenu);
  for (double step : ZoomSteps) {
    const QByteArray name = "actSize" + QByteArray::number(StepPercent(step));
    QAction* action = AddItem(window, name.constData(), ZoomStepCaption(step), SizeMenu);
    action->setData(step);
    action->setCheckable(true);
    steps->addAction(action);
    SizeSteps << action;
  }
  Symbols->setCheckable(true);
  PreferencesItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
}

QAction* TMainMenu::AddItem(QWidget& window, const char* name, const QString& text, QMenu* menu) {
  QAction* action = (menu != nullptr ? menu : this)->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  window.addAction(action);
  return action;
}
