// The path finder: breadth-first search over empty cells, with a fixed direction order for ties.
#pragma once

#include <array>
#include <cstdint>

#include "Board.h"
#include "Red.h"

// All storage is fixed inside the object, so a search allocates nothing.
class TStablo {
public:
  struct TNode {
    int Cell = 0;    // 0 marks a free position
    int Parent = 0;  // 0 for the root
  };

  TStablo(const TBoard& board, const TEdgeSets& edges);

  void Reset();
  // source holds a ball, target is a different empty cell; must follow Reset.
  bool FindPath(int source, int target);
  // After FindPath returned true: Path[1] is the source, Path[PathLength] the target.
  void BuildPath();

  // The search tree, which is also the queue: appended at NodeCount, taken in position order.
  int NodeCount = 1;
  TOneBased<TNode, CellCount> Nodes;
  int Target = 0;
  TOneBased<int, CellCount> Path;
  int PathLength = 0;

private:
  void Visit(int neighbour, int parent, int& tail);

  const TBoard& Board;
  // Each cell's neighbours up, left, down and right, or the cell itself where an edge set forbids
  // the step: a cell is in the tree before it is expanded, so it never enters itself.
  std::array<std::array<std::uint8_t, 4>, CellCount + 1> Neighbours;
  // The running search takes no branch per neighbour: each is written to the queue's next place,
  // and only one that may be entered advances the queue, which has a spare place for the last write.
  // The queue becomes Nodes when the search ends.
  std::array<TNode, CellCount + 1> Queue;
  // BuildPath's map from each cell of the tree to its parent.
  std::array<std::uint8_t, CellCount + 1> ParentOf;
  // The board by cell number, with every cell of the tree marked as well: 0 where a step may enter.
  std::array<BallCode, CellCount + 1> Blocked;
};
