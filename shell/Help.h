// The help window: the rules as light-blue text on black, closed by any key or a left or right click.
#pragma once

#include <QCoreApplication>
#include <QDialog>

class QTextEdit;

class TfrmHelp : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TfrmHelp)

public:
  TfrmHelp();

  QTextEdit* RichEdit1 = nullptr;

  // Any key, modifiers alone included, closes the window.
  void FormKeyDown();
  // A press closes the window while the left or the right button is held; the middle one alone does not.
  void FormMouseDown(Qt::MouseButtons buttons);

protected:
  // Keys are taken before the dialog's own handling, which would spend Tab and Escape otherwise.
  bool event(QEvent* event) override;
};
