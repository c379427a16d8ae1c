// Leaderboards and the player count: each call starts a request whose answer arrives as a
// notification, read with ReadSteam.
#include <cstring>
#include <vector>

#include "bridge/bridge_state.h"
#include "bridge/debugger_output.h"
#include "bridge/orvelink.h"

namespace {

// The most characters of a details text that go up.
constexpr size_t kDetailCharacters = 255;

// One value per character (sign-extended byte), at most 255, and a closing 0.
std::vector<int32_t> DetailValues(const char* details) {
  const size_t length = details ? strnlen(details, kDetailCharacters) : 0;
  std::vector<int32_t> values;
  values.reserve(length + 1);
  for (size_t index = 0; index < length; ++index) values.push_back(static_cast<signed char>(details[index]));
  values.push_back(0);
  return values;
}

}  // namespace

uint64_t FindOrCreateLeaderboard(const char* name, int sortMethod, int displayType) {
  Bridge().currentLeaderboard = 0;
  SteamUserStatsApi* stats = name ? OpenUserStats() : nullptr;
  return stats ? stats->FindOrCreateLeaderboard(name, sortMethod, displayType) : 0;
}

uint64_t FindLeaderboard(const char* name) {
  Bridge().currentLeaderboard = 0;
  SteamUserStatsApi* stats = name ? OpenUserStats() : nullptr;
  return stats ? stats->FindLeaderboard(name) : 0;
}

void UploadLeaderboardScore(int method, int score, const char* details) {
  if (Bridge().currentLeaderboard == 0) {
    DebuggerOutput("no leaderboard open");
    return;
  }
  SteamUserStatsApi* stats = OpenUserStats();
  if (!stats) return;
  const std::vector<int32_t> values = DetailValues(details);
  stats->UploadLeaderboardScore(Bridge().currentLeaderboard, method, score, values.data(),
                                static_cast<int>(values.size()));
}

uint64_t DownloadLeaderboardEntries(int kind, int rangeStart, int rangeEnd) {
  SteamUserStatsApi* stats = OpenUserStats();
  if (Bridge().currentLeaderboard == 0 || !stats) return 0;
  return stats->DownloadLeaderboardEntries(Bridge().currentLeaderboard, kind, rangeStart, rangeEnd);
}

uint64_t FindNumberOfCurrentPlayers(void) {
  SteamUserStatsApi* stats = OpenUserStats();
  return stats ? stats->GetNumberOfCurrentPlayers() : 0;
}
