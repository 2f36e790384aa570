// A radio group: a captioned box of radio buttons in evenly split columns, one of them chosen.
#pragma once

#include <QButtonGroup>
#include <QList>
#include <QStringList>

#include "GroupBox.h"

class QRadioButton;

class TRadioGroup : public TGroupBox {
public:
  // Items fill the columns top to bottom, the first column first.
  TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items, int columns);

  // The chosen item; -1 only before the first SetItemIndex.
  int ItemIndex() const { return Group.checkedId(); }
  // index: 0 to the number of items - 1.
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const { return Buttons[index]; }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  // Shares the height below the caption among the rows and the width among the columns.
  void ArrangeButtons();

  QList<QRadioButton*> Buttons;
  QButtonGroup Group;
  int Columns;
};
