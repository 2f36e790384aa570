// Image controls found by name: what a sprite set is filled from, whichever form holds them.
#pragma once

#include <QString>

class TImageControl;

class TNamedImages {
public:
  // The image of that name, compared without regard to case; null when none has it.
  virtual const TImageControl* FindImage(const QString& name) const = 0;

protected:
  // Never deleted through this face: the form that holds the images owns them and itself.
  ~TNamedImages() = default;
};
