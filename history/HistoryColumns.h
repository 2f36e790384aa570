// The columns of a recorded game, in the one order the database and the exported file share.
#pragma once

#include <QVariant>

#include <array>
#include <optional>

#include "GameRecord.h"

inline constexpr std::array<const char*, 18> HistoryColumns{
    "started_at", "ended_at",    "level",      "jokers",       "bombs",          "score",
    "moves",      "lines",       "balls_cleared", "longest_line", "undo_used",   "end_reason",
    "seconds_played", "lines_5", "lines_6",    "lines_7",      "lines_8",        "lines_9",
};

using TRecordFields = std::array<QVariant, HistoryColumns.size()>;

TRecordFields FieldsOf(const TGameRecord& game);
// Nothing when a field is not what this program writes (a level outside 0-2, an unknown end reason),
// so that a row from elsewhere never reaches the statistics.
std::optional<TGameRecord> RecordOf(const TRecordFields& fields);
