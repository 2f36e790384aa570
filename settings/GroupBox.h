// A group box drawn the same under every style: an etched frame whose top line runs through the
// middle of the caption, so that the controls inside keep the places they were laid out at.
#pragma once

#include <QGroupBox>

class TGroupBox : public QGroupBox {
public:
  TGroupBox(QWidget* parent, const QString& caption) : QGroupBox(caption, parent) {}

protected:
  void paintEvent(QPaintEvent* event) override;
};
