// The command line: what --help, --version and anything unknown print, where, and the status.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "CommandLine.h"

namespace {

struct TAnswer {
  std::optional<int> Status;
  std::string Out;
  std::string Err;
};

// A text stream in memory, read back once it is closed.
class TCapture {
public:
  TCapture() : Stream(open_memstream(&Text, &Size)) {}
  ~TCapture() { std::free(Text); }
  std::FILE* Stream;
  std::string Close() {
    std::fclose(Stream);
    return std::string(Text, Size);
  }

private:
  char* Text = nullptr;
  std::size_t Size = 0;
};

TAnswer Answer(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  TCapture out;
  TCapture err;
  TAnswer answer;
  answer.Status = AnswerCommandLine(static_cast<int>(arguments.size()), argv.data(), out.Stream, err.Stream);
  answer.Out = out.Close();
  answer.Err = err.Close();
  return answer;
}

TEST(CommandLine, WithoutArgumentsTheGameStartsAndNothingIsPrinted) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"/usr/bin/brindlow"}, {}}) {
    const TAnswer answer = Answer(arguments);
    EXPECT_FALSE(answer.Status.has_value());
    EXPECT_EQ(answer.Out, "");
    EXPECT_EQ(answer.Err, "");
  }
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutputAndEndWell) {
  for (const char* option : {"--help", "-h"}) {
    const TAnswer answer = Answer({"/usr/bin/brindlow", option});
    EXPECT_EQ(answer.Status, 0) << option;
    EXPECT_TRUE(answer.Out.starts_with("Usage: brindlow [options]\n")) << answer.Out;
    EXPECT_NE(answer.Out.find("-h, --help"), std::string::npos) << answer.Out;
    EXPECT_NE(answer.Out.find("-v, --version"), std::string::npos) << answer.Out;
    EXPECT_EQ(answer.Err, "");
  }
  for (const char* option : {"--version", "-v"}) {
    const TAnswer answer = Answer({"brindlow", option});
    EXPECT_EQ(answer.Status, 0) << option;
    EXPECT_TRUE(testing::internal::RE::FullMatch(answer.Out, "Brindlow [0-9]+\\.[0-9]+\n")) << answer.Out;
    EXPECT_EQ(answer.Err, "");
  }
}

// Each refusal names what was wrong, then shows the usage, all on standard error.
TEST(CommandLine, AnythingElseEndsWithTheUsageAndStatusTwo) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"brindlow", "--fullscreen"}, "fullscreen"},
      {{"brindlow", "-x"}, "'x'"},
      {{"brindlow", "Balls.cfg"}, "Balls.cfg"},
      {{"brindlow", "--help=yes"}, "help"},
      {{"brindlow", "--version", "extra"}, "extra"},
  };
  for (const auto& [arguments, named] : cases) {
    const TAnswer answer = Answer(arguments);
    EXPECT_EQ(answer.Status, 2) << arguments.back();
    EXPECT_EQ(answer.Out, "") << arguments.back();
    EXPECT_TRUE(answer.Err.starts_with("brindlow: ")) << answer.Err;
    EXPECT_NE(answer.Err.find(named), std::string::npos) << answer.Err;
    EXPECT_NE(answer.Err.find("\nUsage: brindlow [options]\n"), std::string::npos) << answer.Err;
  }
}

}  // namespace
