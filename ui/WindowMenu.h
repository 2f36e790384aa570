// The context menu's room: the menu beside the board (a right click there, or the Menu key) and the
// Keys window it opens. The other extras connect to its items.
#pragma once

#include <QObject>
#include <QPoint>

#include "KeysWindow.h"

class TfrmLines;
class TMainMenu;

class TWindowMenu : public QObject {
public:
  explicit TWindowMenu(TfrmLines& window);

  TMainMenu& Menu() { return *Items; }
  void PopUpAt(const QPoint& globalPosition);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void ShowKeys();
  TKeyRows KeyRows() const;

  TfrmLines& Window;
  TMainMenu* Items;
  TfrmKeys* Keys = nullptr;
  // The Keys window lays itself out in the font it was made with: at another step it is made anew.
  double KeysZoom = 0;
};
