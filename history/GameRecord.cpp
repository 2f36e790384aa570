// The end reasons' names and the history's form of a moment.
#include "GameRecord.h"

#include <algorithm>
#include <cassert>
#include <ctime>

namespace {

constexpr std::array<std::pair<TEndReason, std::string_view>, 4> ReasonNames{{
    {TEndReason::Full, "full"},
    {TEndReason::New, "new"},
    {TEndReason::Settings, "settings"},
    {TEndReason::Close, "close"},
}};

}  // namespace

std::string_view EndReasonName(TEndReason reason) {
  const auto found = std::find_if(ReasonNames.begin(), ReasonNames.end(),
                                  [reason](const auto& entry) { return entry.first == reason; });
  assert(found != ReasonNames.end());
  return found->second;
}

std::optional<TEndReason> EndReasonFromName(std::string_view name) {
  const auto found = std::find_if(ReasonNames.begin(), ReasonNames.end(),
                                  [name](const auto& entry) { return entry.second == name; });
  if (found == ReasonNames.end()) return std::nullopt;
  return found->first;
}

std::string IsoUtc(std::chrono::system_clock::time_point moment) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[24] = {};
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}
