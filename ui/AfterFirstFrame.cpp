// The first frame's follower.
#include "AfterFirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

TAfterFirstFrame::TAfterFirstFrame(QWidget& painted, std::function<void()> action)
    : QObject(&painted), Action(std::move(action)) {
  painted.installEventFilter(this);
}

bool TAfterFirstFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    watched->removeEventFilter(this);
    QTimer::singleShot(0, this, [this] { Action(); });
  }
  return false;
}
