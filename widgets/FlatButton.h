// A flat button: caption only, its raised edge drawn while the mouse is over it; the letter after
// the ampersand, typed with Alt, clicks it.
#pragma once

#include <QAbstractButton>

class TFlatButton : public QAbstractButton {
public:
  TFlatButton(QWidget* parent, const QString& caption, int tag);

  int Tag() const { return ButtonTag; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  int ButtonTag;
};
