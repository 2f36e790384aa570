// The filter behind TPlayerInputWatch.
#include "PlayerInput.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

// Keys that leave the signs: modifiers, and the Menu key, whose menu lies beside them.
bool LeavesSigns(int key) {
  return key == Qt::Key_Menu || key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
         key == Qt::Key_AltGr;
}

}  // namespace

TPlayerInputWatch::TPlayerInputWatch(QWidget& window, const QWidget& board, std::function<void()> acted)
    : QObject(&window), Window(window), Board(board), Acted(std::move(acted)) {
  window.installEventFilter(this);
  // Controls made later (the extras' own signs) take no clicks, so the ones there now are all; the
  // window's menus and dialogs are windows of their own.
  for (QWidget* control : window.findChildren<QWidget*>())
    if (control->window() == &window) control->installEventFilter(this);
}

bool TPlayerInputWatch::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Shortcut: Acted(); break;
    case QEvent::KeyPress:
      // Only what the window itself is given: a key that reaches a child passes here once more.
      if (watched == &Window && Board.isVisible() && !LeavesSigns(static_cast<QKeyEvent*>(event)->key())) Acted();
      break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}
