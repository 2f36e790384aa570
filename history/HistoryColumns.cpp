// A recorded game to its columns and back.
#include "HistoryColumns.h"

#include <QString>

namespace {

constexpr std::size_t FirstLengthColumn = 13;

}  // namespace

TRecordFields FieldsOf(const TGameRecord& game) {
  TRecordFields fields{
      QString::fromStdString(game.StartedAt),
      QString::fromStdString(game.EndedAt),
      game.Level,
      int{game.Jokers},
      int{game.Bombs},
      game.Score,
      game.Moves,
      game.Lines,
      game.BallsCleared,
      game.LongestLine,
      int{game.UndoUsed},
      QString::fromLatin1(EndReasonName(game.EndReason).data(),
                          static_cast<qsizetype>(EndReasonName(game.EndReason).size())),
      game.SecondsPlayed,
  };
  for (std::size_t i = 0; i < game.LinesByLength.size(); ++i) fields[FirstLengthColumn + i] = game.LinesByLength[i];
  return fields;
}

std::optional<TGameRecord> RecordOf(const TRecordFields& fields) {
  TGameRecord game;
  game.StartedAt = fields[0].toString().toStdString();
  game.EndedAt = fields[1].toString().toStdString();
  game.Level = fields[2].toInt();
  game.Jokers = fields[3].toInt() != 0;
  game.Bombs = fields[4].toInt() != 0;
  game.Score = fields[5].toInt();
  game.Moves = fields[6].toInt();
  game.Lines = fields[7].toInt();
  game.BallsCleared = fields[8].toInt();
  game.LongestLine = fields[9].toInt();
  game.UndoUsed = fields[10].toInt() != 0;
  const std::optional<TEndReason> reason = EndReasonFromName(fields[11].toString().toStdString());
  game.SecondsPlayed = fields[12].toInt();
  for (std::size_t i = 0; i < game.LinesByLength.size(); ++i) game.LinesByLength[i] = fields[FirstLengthColumn + i].toInt();
  if (!reason || game.Level < 0 || game.Level > 2) return std::nullopt;
  game.EndReason = *reason;
  return game;
}
