// The home-page button's page: a release's web page, or the player's guide found beside the program.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QUrl>

#include <set>

#include "HomePage.h"
#include "ShellOpen.h"
#include "UrlCatcher.h"

namespace {

TEST(HomePage, AConfiguredWebPageIsShownAndOpenedAsItIs) {
  const THomePage page = HomePageFor("https://games.example.net/brindlow/", "/usr/share/doc/brindlow/guide.html");
  EXPECT_EQ(page.Address, "https://games.example.net/brindlow/");
  EXPECT_EQ(page.File, page.Address);
  EXPECT_EQ(page.Folder, "");
}

class GuideLinkTest : public ::testing::Test {
protected:
  void SetUp() override { QDesktopServices::setUrlHandler(QStringLiteral("file"), &Catcher, "Open"); }
  void TearDown() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  TUrlCatcher Catcher;
};

// The caption's address and what the desktop is handed both name the guide, wherever it lies: with
// blanks and an ampersand in the path, and in a folder so deep that the whole path is longer than
// ShellOpen takes in one text (the folder alone still fits).
TEST_F(GuideLinkTest, TheGuideIsShownAndOpenedByItsFileAddress) {
  const std::string deep = "/home/player/" + std::string(40, 'd') + "/brindlow/build/bin/guide.html";
  ASSERT_GT(deep.size(), static_cast<std::size_t>(ShellTextLimit));
  const std::vector<std::string> guides = {"/usr/share/doc/brindlow/guide.html",
                                           "/home/a player/Games & Puzzles/bin/guide.html", deep, "/guide.html"};
  for (const std::string& guide : guides) {
    const QUrl expected = QUrl::fromLocalFile(QString::fromStdString(guide));
    const THomePage page = HomePageFor("", guide);
    EXPECT_TRUE(page.Address.starts_with("file:///")) << page.Address;
    EXPECT_EQ(QUrl(QString::fromStdString(page.Address)), expected) << page.Address;
    Catcher.Urls.clear();
    ShellOpen(page.File, "", page.Folder, 5);
    ASSERT_EQ(Catcher.Urls.size(), 1) << guide;
    EXPECT_EQ(Catcher.Urls[0], expected) << guide;
  }
}

TEST(GuidePath, TheInstalledGuideComesFirstElseTheOneBesideTheProgram) {
  const std::set<std::string> files = {"/usr/share/doc/brindlow/guide.html", "/usr/bin/guide.html"};
  const auto exists = [&files](const std::string& path) { return files.contains(path); };
  EXPECT_EQ(GuidePathFor("/usr/bin/brindlow", exists), "/usr/share/doc/brindlow/guide.html");
  EXPECT_EQ(GuidePathFor("/home/p/brindlow/build/bin/brindlow", exists), "/home/p/brindlow/build/bin/guide.html");
  EXPECT_EQ(GuidePathFor("/opt/brindlow/bin/brindlow", exists), "/opt/brindlow/bin/guide.html");
}

}  // namespace
