// Start pictures that had to be painted, kept between runs so that a later start only decodes them.
#pragma once

#include <QImage>
#include <QString>

#include <string>

// The folder the game keeps them in: brindlow/pictures in the player's cache folder.
std::string StartPictureCacheFolder();

// Painting the picture at a size the program does not carry, or with another language's invitation,
// takes longer than the rest of the first frame; decoding a kept copy takes a few milliseconds. The
// copy is a JPEG, as the built-in pictures are. It is found only for the same scale, invitation and
// built-in art, so a changed translation or a new version of the game paints afresh.
class TStartPictureCache {
public:
  // An empty folder keeps nothing and finds nothing.
  explicit TStartPictureCache(std::string folder = {});

  // The copy kept for this scale and invitation, or a null image when there is none that fits. A
  // damaged file, or anything not a regular file, is taken as none.
  QImage Find(double scale, const QString& invitation) const;
  // Keeps `picture` in place of any copy for this scale. A failure is ignored: the next start paints
  // the picture again, which is all a missing copy costs.
  void Keep(double scale, const QString& invitation, const QImage& picture) const;

private:
  // The path of the file `name` in the folder.
  std::string FilePath(const QString& name) const;

  std::string Folder;
};
