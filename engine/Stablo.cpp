// The path finder.
#include "Stablo.h"

#include <algorithm>
#include <cassert>

TStablo::TStablo(const TBoard& board, const TEdgeSets& edges)
    : Board(board), Neighbours{}, Queue{}, ParentOf{}, Blocked{} {
  // Up, left, down, right: this order decides which of several shortest routes is taken. The edge
  // sets are asked once here rather than at every step.
  const struct {
    int Offset;
    const TRed& ForbiddingEdge;
  } steps[] = {{-BoardSide, edges.TopRow}, {-1, edges.LeftColumn}, {BoardSide, edges.BottomRow}, {1, edges.RightColumn}};
  for (int cell = 1; cell <= CellCount; ++cell) {
    for (int direction = 0; direction < 4; ++direction) {
      const bool forbidden = steps[direction].ForbiddingEdge.Contains(cell);
      Neighbours[cell][direction] = static_cast<std::uint8_t>(forbidden ? cell : cell + steps[direction].Offset);
    }
  }
  Reset();
}

void TStablo::Reset() {
  NodeCount = 1;
  for (TNode& node : Nodes.Items) node.Cell = 0;
}

bool TStablo::FindPath(int source, int target) {
  assert(NodeCount == 1 && source >= 1 && source <= CellCount);
  Target = target;
  std::copy(Board.Items.begin(), Board.Items.end(), Blocked.begin() + 1);
  Queue[0] = {source, 0};
  Blocked[source] = 1;
  int tail = 1;
  bool found = false;
  // Each cell is queued once at most, so the queue never holds more than the board's 81 cells.
  for (int head = 0; head < tail; ++head) {
    const int cell = Queue[head].Cell;
    // The destination is recognised when it is taken from the queue, not when it is appended.
    if (cell == target) {
      found = true;
      break;
    }
    const std::array<std::uint8_t, 4>& neighbours = Neighbours[cell];
    Visit(neighbours[0], cell, tail);
    Visit(neighbours[1], cell, tail);
    Visit(neighbours[2], cell, tail);
    Visit(neighbours[3], cell, tail);
  }
  std::copy_n(Queue.begin(), tail, Nodes.Items.begin());
  NodeCount = tail + 1;
  return found;
}

void TStablo::Visit(int neighbour, int parent, int& tail) {
  const bool open = Blocked[neighbour] == EmptyCell;
  Queue[tail] = {neighbour, parent};
  Blocked[neighbour] = 1;
  tail += open;
}

void TStablo::BuildPath() {
  // Each cell enters the tree once, so the nodes map every cell of it to its parent; the route is
  // then read from the target back to the source, in as many steps as it is long, and turned round.
  // The map keeps earlier searches' entries, so a target outside the tree (a call the contract
  // rules out) would follow a stale chain: no route is longer than the board.
  for (int position = 1; position < NodeCount; ++position)
    ParentOf[Nodes[position].Cell] = static_cast<std::uint8_t>(Nodes[position].Parent);
  PathLength = 0;
  for (int cell = Target; cell != 0 && PathLength < CellCount; cell = ParentOf[cell]) Path[++PathLength] = cell;
  std::reverse(Path.Items.begin(), Path.Items.begin() + PathLength);
}
