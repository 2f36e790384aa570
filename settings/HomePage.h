// The page that the settings dialog's home-page button names and opens: the release's web page when
// the build names one, else the player's guide shipped with the game.
#pragma once

#include <functional>
#include <string>

struct THomePage {
  // Shown in the button's caption: the web page, or the guide's file: address.
  std::string Address;
  // Handed to ShellOpen: the web page with no folder, or the guide's file name and its folder, since
  // ShellOpen cuts each of its texts to ShellTextLimit characters and a whole path may be longer.
  std::string File;
  std::string Folder;
};

// The web page `webPage` when it is not empty, else the guide at the absolute path `guidePath`.
THomePage HomePageFor(const std::string& webPage, const std::string& guidePath);

// The guide of the program whose executable has the real path `executablePath`: the installed one,
// ../share/doc/brindlow/guide.html from the executable's folder, when it is there, else guide.html
// beside the executable (a build folder).
std::string GuidePathFor(const std::string& executablePath,
                         const std::function<bool(const std::string& path)>& fileExists);

// HomePageFor the web page this build was configured with and the running program's guide, found at
// the first call and kept for the run.
const THomePage& HomePage();
