// The hidden sprite form: four group boxes of 20 images each, named prefix + frame + code,
// holding the ball pictures; it is never shown.
#pragma once

#include <QString>
#include <QWidget>

class TImageControl;

class TfrmSlicice : public QWidget {
public:
  TfrmSlicice();

  // The image of that name, compared without regard to case; null when the form holds none.
  const TImageControl* FindImage(const QString& name) const;
};
