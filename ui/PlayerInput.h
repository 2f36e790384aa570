// Watching for the player's next click or key anywhere on a window, for signs that stay until then.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

class TPlayerInputWatch : public QObject {
public:
  // Calls `acted` at every press of a mouse button on the window or any of its controls (buttons
  // too, and an accelerator key that clicks one), and at every key the window is given but a
  // modifier or the Menu key, while the window's board is shown. Lives as a child of the window.
  TPlayerInputWatch(QWidget& window, const QWidget& board, std::function<void()> acted);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget& Window;
  const QWidget& Board;
  std::function<void()> Acted;
};
