// Encoding and decoding the bytes of Game.sav.
#include "GameFormat.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace {

class TWriter {
public:
  explicit TWriter(std::vector<std::uint8_t>& bytes) : Bytes(bytes) {}
  template <typename T>
  void Put(T value) {
    for (std::size_t k = 0; k < sizeof(T); ++k) Bytes.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
  }

private:
  std::vector<std::uint8_t>& Bytes;
};

class TReader {
public:
  explicit TReader(std::span<const std::uint8_t> bytes) : Bytes(bytes) {}
  // The caller has checked the length, so a read never runs past the end.
  template <typename T>
  T Take() {
    assert(Position + sizeof(T) <= Bytes.size());
    T value = 0;
    for (std::size_t k = 0; k < sizeof(T); ++k) value |= static_cast<T>(static_cast<T>(Bytes[Position++]) << (8 * k));
    return value;
  }

private:
  std::span<const std::uint8_t> Bytes;
  std::size_t Position = 0;
};

void PutState(TWriter& out, const TGameState& state) {
  for (const BallCode code : state.Board.Items) out.Put(code);
  for (const BallCode code : state.NextBalls.Items) out.Put(code);
  out.Put(state.Level);
  out.Put(state.GameJokers);
  out.Put(state.GameBombs);
  out.Put(state.Score);
  out.Put(state.ScoreSubmitted);
  out.Put(state.UndoUsed);
  out.Put(state.SelectedCell);
  out.Put(state.Random.Seed);
  out.Put(state.Random.Draws);
  const TGameStatistics& statistics = state.Statistics;
  out.Put(statistics.Moves);
  for (const std::uint32_t lines : statistics.LinesByLength) out.Put(lines);
  out.Put(statistics.BallsCleared);
  out.Put(statistics.LongestLine);
}

TGameState TakeState(TReader& in) {
  TGameState state;
  for (BallCode& code : state.Board.Items) code = in.Take<BallCode>();
  for (BallCode& code : state.NextBalls.Items) code = in.Take<BallCode>();
  state.Level = in.Take<std::uint8_t>();
  state.GameJokers = in.Take<std::uint8_t>();
  state.GameBombs = in.Take<std::uint8_t>();
  state.Score = in.Take<std::uint16_t>();
  state.ScoreSubmitted = in.Take<std::uint8_t>();
  state.UndoUsed = in.Take<std::uint8_t>();
  state.SelectedCell = in.Take<std::uint8_t>();
  state.Random.Seed = in.Take<std::uint32_t>();
  state.Random.Draws = in.Take<std::uint64_t>();
  TGameStatistics& statistics = state.Statistics;
  statistics.Moves = in.Take<std::uint32_t>();
  for (std::uint32_t& lines : statistics.LinesByLength) lines = in.Take<std::uint32_t>();
  statistics.BallsCleared = in.Take<std::uint32_t>();
  statistics.LongestLine = in.Take<std::uint8_t>();
  if (!state.Valid()) throw EDamagedGame("it holds a game that cannot be played");
  return state;
}

std::array<std::uint32_t, 256> CrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
  static const std::array<std::uint32_t, 256> table = CrcTable();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const std::uint8_t byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> EncodeGame(const TSavedGame& record) {
  assert(record.History.size() <= MaxSavedHistory);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(GameHeaderSize + GameStateSize * (record.History.size() + 1) + GameChecksumSize);
  TWriter out(bytes);
  for (const char c : GameMagic) out.Put(static_cast<std::uint8_t>(c));
  out.Put(GameFormatVersion);
  out.Put(static_cast<std::uint16_t>(GameStateSize));
  out.Put(static_cast<std::uint32_t>(record.History.size()));
  PutState(out, record.Current);
  for (const TGameState& state : record.History) PutState(out, state);
  out.Put(Crc32(bytes));
  return bytes;
}

TSavedGame DecodeGame(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < sizeof GameMagic || !std::equal(std::begin(GameMagic), std::end(GameMagic), bytes.begin()))
    throw EDamagedGame("it is no saved game");
  if (bytes.size() < GameHeaderSize) throw EDamagedGame("it is cut short");
  TReader header(bytes.subspan(sizeof GameMagic));
  const auto version = header.Take<std::uint16_t>();
  const auto stateSize = header.Take<std::uint16_t>();
  const auto historySize = header.Take<std::uint32_t>();
  if (version != GameFormatVersion)
    throw EDamagedGame("it was saved in format " + std::to_string(version) + ", this program reads format " +
                       std::to_string(GameFormatVersion));
  if (stateSize != GameStateSize || historySize > MaxSavedHistory) throw EDamagedGame("its header is damaged");
  const std::size_t bodyEnd = GameHeaderSize + GameStateSize * (std::size_t{historySize} + 1);
  if (bytes.size() < bodyEnd + GameChecksumSize) throw EDamagedGame("it is cut short");
  if (bytes.size() > bodyEnd + GameChecksumSize) throw EDamagedGame("it has bytes after its end");
  TReader checksum(bytes.subspan(bodyEnd));
  if (checksum.Take<std::uint32_t>() != Crc32(bytes.first(bodyEnd))) throw EDamagedGame("its checksum does not match");

  TReader in(bytes.subspan(GameHeaderSize));
  TSavedGame record;
  record.Current = TakeState(in);
  record.History.reserve(historySize);
  for (std::uint32_t k = 0; k < historySize; ++k) record.History.push_back(TakeState(in));
  return record;
}
