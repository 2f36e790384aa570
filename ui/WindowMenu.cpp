// Opening the context menu, and the Keys window with every key of the game.
#include "WindowMenu.h"

#include <QContextMenuEvent>

#include "Bevels.h"
#include "FlatButton.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "WindowZoom.h"

TWindowMenu::TWindowMenu(TfrmLines& window) : QObject(&window), Window(window), Items(new TMainMenu(window)) {
  window.installEventFilter(this);
  connect(Items->Keys, &QAction::triggered, this, [this] { ShowKeys(); });
}

void TWindowMenu::PopUpAt(const QPoint& globalPosition) { Items->popup(globalPosition); }

bool TWindowMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &Window || event->type() != QEvent::ContextMenu) return QObject::eventFilter(watched, event);
  // The Menu key is taken as a key press. A right click on the board keeps the nothing it has
  // always done, so a player who right-clicks to let go of a ball is not met by a menu.
  auto* asked = static_cast<QContextMenuEvent*>(event);
  const QWidget& board = *Window.Board();
  if (asked->reason() != QContextMenuEvent::Mouse || (board.isVisible() && board.geometry().contains(asked->pos())))
    return false;
  PopUpAt(asked->globalPos());
  return true;
}

void TWindowMenu::ShowKeys() {
  if (Keys != nullptr && KeysZoom != WindowZoom(Window) && !Keys->isVisible()) {
    Keys->deleteLater();
    Keys = nullptr;
  }
  if (Keys == nullptr) {
    Keys = new TfrmKeys(&Window, KeyRows());
    KeysZoom = WindowZoom(Window);
    connect(Keys, &QDialog::finished, this, [this] { Window.TakeKeyboard(); });
  }
  Keys->open();
}

TKeyRows TWindowMenu::KeyRows() const {
  TKeyRows rows = {
      {TfrmLines::tr("Arrow keys"), TfrmLines::tr("Show the cursor on the board and move it")},
      {TfrmLines::tr("Space, Enter"), TfrmLines::tr("Click the cell under the cursor")},
      {TfrmLines::tr("Escape"), TfrmLines::tr("Put the picked ball down")},
  };
  const auto keysOf = [](const QList<QAction*>& actions) {
    QStringList keys;
    for (const QAction* action : actions)
      for (const QKeySequence& sequence : action->shortcuts()) keys << sequence.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
  };
  rows.emplace_back(keysOf({Items->Undo}), TfrmLines::tr("Take back the last move"));
  rows.emplace_back(keysOf({Items->ZoomIn, Items->ZoomOut, Items->ActualSize}),
                    TfrmLines::tr("A larger or smaller window, or the classic size"));
  rows.emplace_back(keysOf({Items->PreferencesItem}), TfrmLines::tr("The Preferences dialog"));
  for (const char* name : {"btnNew", "btnTop10", "btnSettings", "btnAbout", "btnHelp", "btnExit"}) {
    const TFlatButton* button = Window.findChild<TFlatButton*>(QString::fromLatin1(name));
    QString caption = button->text();
    caption.remove(QLatin1Char('&'));
    rows.emplace_back(QKeySequence::mnemonic(button->text()).toString(QKeySequence::NativeText),
                      //: A row of the Keys window; %1 is a button's caption, such as "New" or "Top 10".
                      TfrmLines::tr("The %1 button").arg(caption));
  }
  rows.emplace_back(Items->Statistics->shortcut().toString(QKeySequence::NativeText),
                    TfrmLines::tr("The Statistics window"));
  rows.emplace_back(TfrmLines::tr("Menu key"), TfrmLines::tr("This menu; also a right click beside the board"));
  return rows;
}
