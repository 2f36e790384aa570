// The history tests' entry: a Qt application for the database driver, and the writer mode in which
// the two-copies test starts this program again.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "TwoWriters.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc == 2 && std::strncmp(argv[1], WriterOption, std::strlen(WriterOption)) == 0) {
    return RunWriter(argv[1] + std::strlen(WriterOption));
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
