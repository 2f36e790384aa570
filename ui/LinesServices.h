// The collaborators that the main window is given rather than finding them itself.
#pragma once

#include <QString>

#include <functional>
#include <string>

class ILinesArt;
class ISoundLayer;
class QWidget;

struct TLinesServices {
  using TWarn = std::function<void(QWidget* owner, const QString& title, const QString& text)>;

  std::string BankDirectory;  // holds Sound.dat
  std::string DataDirectory;  // holds Balls.cfg and Score.dat
  ISoundLayer* Sound = nullptr;  // lives as long as the window
  ILinesArt* Art = nullptr;      // lives as long as the window
  // Start-up's warnings ("Sound file is missing!", a data file set aside); a modal box unless replaced.
  TWarn Warn;
};
