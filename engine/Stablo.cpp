// The path finder.
#include "Stablo.h"

#include <algorithm>
#include <cassert>

TStablo::TStablo(const TBoard& board, const TEdgeSets& edges) : Board(board), Neighbours{}, Queue{}, Blocked{} {
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
  // A parent's node lies before its child's, so one sweep back over the nodes finds the whole route,
  // from the target to the source; it is then turned round.
  int cell = Target;
  PathLength = 0;
  for (int position = NodeCount - 1; position >= 1 && cell != 0; --position) {
    const TNode& node = Nodes[position];
    if (node.Cell != cell) continue;
    ++PathLength;
    Path[PathLength] = cell;
    cell = node.Parent;
  }
  std::reverse(Path.Items.begin(), Path.Items.begin() + PathLength);
}
