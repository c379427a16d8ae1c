// The stand-in's user-stats interface: statistics and achievements (stand_in_user_stats.cpp)
// and leaderboards (stand_in_leaderboards.cpp).
#pragma once

#include "bridge/steam_stand_in/steam_api.h"

namespace steam_stand_in {

class StandInUserStats final : public SteamUserStatsApi {
 public:
  bool RequestCurrentStats() override;
  bool GetStat(const char* name, int32_t* value) override;
  bool SetStat(const char* name, int32_t value) override;
  bool StoreStats() override;
  bool GetAchievement(const char* name, bool* achieved) override;
  bool SetAchievement(const char* name) override;
  bool ClearAchievement(const char* name) override;
  int GetAchievementIcon(const char* name) override;
  const char* GetAchievementDisplayAttribute(const char* name, const char* key) override;
  bool IndicateAchievementProgress(const char* name, uint32_t current, uint32_t maximum) override;
  SteamApiCall FindOrCreateLeaderboard(const char* name, int sortMethod, int displayType) override;
  SteamApiCall FindLeaderboard(const char* name) override;
  const char* GetLeaderboardName(SteamLeaderboard leaderboard) override;
  int GetLeaderboardEntryCount(SteamLeaderboard leaderboard) override;
  SteamApiCall DownloadLeaderboardEntries(SteamLeaderboard leaderboard, int kind, int rangeStart,
                                          int rangeEnd) override;
  bool GetDownloadedLeaderboardEntry(SteamLeaderboardEntries entries, int index, SteamLeaderboardEntry* entry,
                                     int32_t* details, int detailsMax) override;
  SteamApiCall UploadLeaderboardScore(SteamLeaderboard leaderboard, int method, int32_t score,
                                      const int32_t* details, int detailCount) override;
  SteamApiCall GetNumberOfCurrentPlayers() override;
};

}  // namespace steam_stand_in
