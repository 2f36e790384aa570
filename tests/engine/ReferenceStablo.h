// The path finder as first written, with linear scans over its nodes: the reference that the game's
// own path finder must match, node for node and route for route.
#pragma once

#include "Board.h"
#include "Red.h"

class TReferenceStablo {
public:
  struct TNode {
    int Cell = 0;    // 0 marks a free position
    int Parent = 0;  // 0 for the root
  };

  TReferenceStablo(const TBoard& board, const TEdgeSets& edges);

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
  bool Expand(int cell);
  bool CanEnter(int from, int cell, const TRed& forbiddingEdge) const;
  bool InTree(int cell) const;
  int ParentOf(int cell) const;

  const TBoard& Board;
  const TEdgeSets& Edges;
};
