// Runs an action once, just after a widget's first frame has reached the screen.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Lives as the painted widget's child. The action is queued behind the first paint, which the window
// hands to the screen before the event loop takes up anything queued: the frame is out first.
class TAfterFirstFrame : public QObject {
public:
  TAfterFirstFrame(QWidget& painted, std::function<void()> action);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::function<void()> Action;
};
