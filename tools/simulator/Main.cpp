// brindlow-simulator: plays whole games headless and fails when a rule of the game is broken.
#include <cstdlib>
#include <iostream>
#include <string>

#include "Simulation.h"

namespace {

int Usage() {
  std::cerr << "usage: brindlow-simulator [--games N] [--seed S] [--level 0|1|2] [--jokers] [--bombs]\n"
               "                          [--undo-every N] [--save-every N] [--verbose]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  TSimulationOptions options;
  bool verbose = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--games" && hasValue) options.Games = std::atoi(argv[++i]);
    else if (argument == "--seed" && hasValue) options.Seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    else if (argument == "--level" && hasValue) options.Level = std::atoi(argv[++i]);
    else if (argument == "--jokers") options.Jokers = true;
    else if (argument == "--bombs") options.Bombs = true;
    else if (argument == "--undo-every" && hasValue) options.UndoCheckEvery = std::atoi(argv[++i]);
    else if (argument == "--save-every" && hasValue) options.SaveCheckEvery = std::atoi(argv[++i]);
    else if (argument == "--verbose") verbose = true;
    else return Usage();
  }
  if (options.Games < 1 || options.Level < 0 || options.Level > 2 || options.UndoCheckEvery < 0 || options.SaveCheckEvery < 0)
    return Usage();

  const TSimulationReport report = Simulate(options, verbose ? &std::cout : nullptr);
  std::cout << report.Games << " games, " << report.Turns << " turns, " << report.Removals << " removals, best score "
            << report.BestScore << ", largest removal " << report.LargestRemoval << " entries, "
            << report.SimulatedMilliseconds / 1000 << " s of play, " << report.Undos << " moves taken back and replayed, "
            << report.SavesChecked << " positions saved and resumed\n";
  for (const std::string& violation : report.Violations) std::cerr << "violation: " << violation << "\n";
  if (!report.Violations.empty()) {
    std::cerr << report.Violations.size() << " violations\n";
    return 1;
  }
  std::cout << "every turn kept the rules\n";
  return 0;
}
