// brindlow-e2e-table: writes a top-ten table that any score enters, and prints a stored table for the
// whole-program tests. "write <folder>" or "show <folder>"; show fails on a table the game would set aside.
#include <sys/stat.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "InOutError.h"
#include "Random.h"
#include "TopLista.h"

namespace {

int Write(const std::string& folder) {
  TScoreTable table;
  for (int level = 0; level < LevelCount; ++level)
    for (int place = 1; place <= PlacesPerList; ++place) table.Entry(level, place).SetName(" Nobody");
  ScoreTable = table;
  SaveScores(folder);
  return 0;
}

int Show(const std::string& folder) {
  const std::string path = folder + "/" + ScoreFileName;
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || static_cast<std::size_t>(status.st_size) != ScoreFileSize) {
    std::cerr << path << " is missing or not " << ScoreFileSize << " bytes\n";
    return 1;
  }
  TRandom random;
  LoadScores(folder, random);
  for (int level = 0; level < LevelCount; ++level)
    for (int place = 1; place <= PlacesPerList; ++place) {
      const TScoreEntry& entry = ScoreTable.Entry(level, place);
      std::cout << level << ' ' << place << ' ' << entry.Score << ' ' << entry.Name() << '\n';
    }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: brindlow-e2e-table write|show <folder>\n";
    return 2;
  }
  const std::string command = argv[1];
  try {
    if (command == "write") return Write(argv[2]);
    if (command == "show") return Show(argv[2]);
  } catch (const EInOutError& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  std::cerr << "unknown command " << command << '\n';
  return 2;
}
