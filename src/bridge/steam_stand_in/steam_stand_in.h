// Script for the stand-in Steam client: tests set up the client, the user, statistics,
// achievements and leaderboards, and read back what the bridge asked of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bridge/steam_stand_in/steam_api.h"

namespace steam_stand_in {

// Back to the start: no client running, nothing defined, nothing registered or queued.
STEAM_STAND_IN_API void Reset();

// The client process: while it is not running, SteamAPI_Init fails.
STEAM_STAND_IN_API void SetClientRunning(bool running);
// The application the client believes it runs for; notifications carry it as their game id.
STEAM_STAND_IN_API void SetAppId(uint32_t appId);
STEAM_STAND_IN_API void SetUser(uint64_t userId, bool loggedOn);
// Whether the user's statistics and achievements reach the client; when not, the stats
// request reports failureCode and every statistic or achievement call fails.
STEAM_STAND_IN_API void SetStatsAvailable(bool available, int failureCode = kSteamResultFail);
// The result code a store of statistics reports.
STEAM_STAND_IN_API void SetStoreResult(int code);

STEAM_STAND_IN_API void DefineStat(const std::string& name, int32_t value);
STEAM_STAND_IN_API std::optional<int32_t> StatValue(const std::string& name);

struct AchievementInfo {
  bool achieved = false;
  int icon = 0;
  std::string displayName;
  std::string description;
};
STEAM_STAND_IN_API void DefineAchievement(const std::string& name, const AchievementInfo& info);
STEAM_STAND_IN_API bool AchievementAchieved(const std::string& name);

struct Entry {
  uint64_t userId = 0;
  int32_t score = 0;
  std::vector<int32_t> details;
};
STEAM_STAND_IN_API void DefineLeaderboard(const std::string& name, int sortMethod = kSteamSortDescending,
                                          const std::vector<Entry>& entries = {});
STEAM_STAND_IN_API bool LeaderboardExists(const std::string& name);
// Whether the next uploads are accepted by the server.
STEAM_STAND_IN_API void SetUploadSucceeds(bool succeeds);
struct Upload {
  std::string leaderboard;
  int method = 0;
  int32_t score = 0;
  std::vector<int32_t> details;  // exactly the values passed, detailCount of them
};
STEAM_STAND_IN_API std::optional<Upload> LastUpload();

STEAM_STAND_IN_API void SetPlayerCount(int32_t players);

// Queues any notification, as if the client had sent it.
STEAM_STAND_IN_API void Post(int number, const void* payload, size_t size);
STEAM_STAND_IN_API size_t QueuedNotifications();
STEAM_STAND_IN_API size_t RegisteredCallbacks();
STEAM_STAND_IN_API bool Initialised();

}  // namespace steam_stand_in
