// The home-page button's page.
#include "HomePage.h"

#include <QString>
#include <QUrl>

#include "GameFolders.h"
#include "ProgramDirectory.h"

namespace {

constexpr const char* GuideFileName = "guide.html";

}  // namespace

THomePage HomePageFor(const std::string& webPage, const std::string& guidePath) {
  if (!webPage.empty()) return {webPage, webPage, ""};
  const std::string folder = ProgramDirectoryOf(guidePath);
  return {QUrl::fromLocalFile(QString::fromStdString(guidePath)).toString().toStdString(),
          guidePath.substr(folder.size() + 1), folder.empty() ? "/" : folder};
}

std::string GuidePathFor(const std::string& executablePath,
                         const std::function<bool(const std::string& path)>& fileExists) {
  const std::string programDirectory = ProgramDirectoryOf(executablePath);
  const std::string installed = ProgramDirectoryOf(programDirectory) + "/share/doc/brindlow/" + GuideFileName;
  return fileExists(installed) ? installed : programDirectory + "/" + GuideFileName;
}

const THomePage& HomePage() {
  static const THomePage page = HomePageFor(BRINDLOW_WEB_PAGE, GuidePathFor(ExecutablePath(), SystemFolderProbe().FileExists));
  return page;
}
