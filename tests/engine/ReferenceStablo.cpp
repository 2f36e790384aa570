// The reference path finder: every membership and parent lookup scans all 81 nodes.
#include "ReferenceStablo.h"

#include <cassert>

TReferenceStablo::TReferenceStablo(const TBoard& board, const TEdgeSets& edges) : Board(board), Edges(edges) { Reset(); }

void TReferenceStablo::Reset() {
  NodeCount = 1;
  for (TNode& node : Nodes.Items) node.Cell = 0;
}

bool TReferenceStablo::FindPath(int source, int target) {
  Target = target;
  Nodes[NodeCount] = {source, 0};
  ++NodeCount;
  // Each node is a distinct cell, so the queue never holds more than the board's 81 cells.
  for (int i = 1; i <= Nodes.Size; ++i) {
    const int cell = Nodes[i].Cell;
    if (cell == 0) return false;
    if (Expand(cell)) return true;
  }
  return false;
}

bool TReferenceStablo::Expand(int cell) {
  // The destination is recognised when it is taken from the queue, not when it is appended.
  if (cell == Target) return true;
  // Up, left, down, right: this order decides which of several shortest routes is taken.
  const struct {
    int Offset;
    const TRed& Edge;
  } steps[] = {{-9, Edges.TopRow}, {-1, Edges.LeftColumn}, {9, Edges.BottomRow}, {1, Edges.RightColumn}};
  for (const auto& step : steps) {
    const int neighbour = cell + step.Offset;
    if (CanEnter(cell, neighbour, step.Edge)) {
      assert(NodeCount <= Nodes.Size);
      Nodes[NodeCount] = {neighbour, cell};
      ++NodeCount;
    }
  }
  return false;
}

bool TReferenceStablo::CanEnter(int from, int cell, const TRed& forbiddingEdge) const {
  if (InTree(cell)) return false;
  // The edge is asked before the board, so a number outside 1..81 is never looked up.
  if (forbiddingEdge.Contains(from)) return false;
  return Board[cell] == EmptyCell;
}

bool TReferenceStablo::InTree(int cell) const {
  for (const TNode& node : Nodes.Items)
    if (node.Cell == cell) return true;
  return false;
}

int TReferenceStablo::ParentOf(int cell) const {
  for (const TNode& node : Nodes.Items)
    if (node.Cell == cell) return node.Parent;
  return 0;
}

void TReferenceStablo::BuildPath() {
  TOneBased<int, CellCount> backwards;
  int cell = Target;
  PathLength = 0;
  for (int k = 1; k <= CellCount; ++k) {
    ++PathLength;
    backwards[PathLength] = cell;
    if (cell == Nodes[1].Cell) break;
    cell = ParentOf(cell);
  }
  for (int k = 1; k <= PathLength; ++k) Path[k] = backwards[PathLength - k + 1];
}
