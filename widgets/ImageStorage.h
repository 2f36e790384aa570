// A sprite set: the 20 pictures of one animation, by frame (1, 2) and ball code (0..9),
// gathered from a form of named images once so that animation ticks never search by name.
#pragma once

#include <QPixmap>
#include <QString>

#include <array>
#include <vector>

#include "BallCode.h"
#include "NamedImages.h"

class TImageStorage {
public:
  // Looks up prefix + frame + code on the form for frame 1 then 2, code 0 to 9. A missing image,
  // or one without a picture, gives an empty 0 x 0 picture in its slot.
  void LoadFromSpriteForm(const TNamedImages& form, const QString& prefix);
  // Takes set `set` (0 normal, 1 make, 2 jump, 3 destroy) of the 80 pictures in sprite slot order.
  void LoadFromPictures(const std::vector<QPixmap>& pictures, int set);

  // The stored picture, not a copy; frame must be 1 or 2 and code 0 to 9.
  const QPixmap& GetSprite(int frame, BallCode code) const { return Sprites[(frame - 1) * 10 + code]; }

private:
  // Frame-major: (1, 0) .. (1, 9), then (2, 0) .. (2, 9).
  std::array<QPixmap, 20> Sprites;
};
