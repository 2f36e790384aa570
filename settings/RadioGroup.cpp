// The radio group's buttons and their arrangement.
#include "RadioGroup.h"

#include <QFontMetrics>
#include <QRadioButton>

#include <cassert>

TRadioGroup::TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items, int columns)
    : TGroupBox(parent, caption), Columns(columns) {
  assert(columns >= 1 && !items.isEmpty());
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    Group.addButton(button, i);
    Buttons << button;
  }
  ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
  assert(index >= 0 && index < Buttons.size());
  Buttons[index]->setChecked(true);
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  TGroupBox::resizeEvent(event);
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  const int textHeight = QFontMetrics(font()).height();
  const int perColumn = (static_cast<int>(Buttons.size()) + Columns - 1) / Columns;
  const int columnWidth = (width() - 10) / Columns;
  const int free = height() - textHeight - 5;
  const int rowHeight = free / perColumn;
  const int topMargin = textHeight + 1 + (free % perColumn) / 2;
  for (int i = 0; i < Buttons.size(); ++i) {
    const int column = i / perColumn;
    const int row = i % perColumn;
    Buttons[i]->setGeometry(8 + column * columnWidth, topMargin + row * rowHeight, columnWidth - 8, rowHeight);
  }
}
