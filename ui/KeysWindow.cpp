// The Keys window's table and its Close button.
#include "KeysWindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

TfrmKeys::TfrmKeys(QWidget* owner, const TKeyRows& rows)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmKeys"));
  setWindowTitle(tr("Keys"));
  // A window of its own does not inherit its owner's font by itself.
  setFont(owner->font());
  auto* table = new QGridLayout;
  table->setHorizontalSpacing(16);
  QFont keyFont = font();
  keyFont.setBold(true);
  int row = 0;
  for (const auto& [key, meaning] : rows) {
    auto* keyLabel = new QLabel(key, this);
    keyLabel->setFont(keyFont);
    table->addWidget(keyLabel, row, 0, Qt::AlignLeft | Qt::AlignTop);
    table->addWidget(new QLabel(meaning, this), row, 1, Qt::AlignLeft | Qt::AlignTop);
    ++row;
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(table);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
