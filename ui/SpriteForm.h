// The hidden sprite form: four group boxes of 20 images each, named prefix + frame + code,
// holding the ball pictures; it is never shown.
#pragma once

#include <QString>
#include <QWidget>

#include "NamedImages.h"

class TfrmSlicice : public QWidget, public TNamedImages {
public:
  TfrmSlicice();

  // The image of that name, compared without regard to case; null when the form holds none.
  const TImageControl* FindImage(const QString& name) const override;
};
