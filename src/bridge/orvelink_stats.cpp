// Statistics and achievements: each call answers at once from the client's memory.
#include "bridge/bridge_state.h"
#include "bridge/orvelink.h"

namespace {

// The user-stats interface when the call can go ahead: the client is open and a name given.
SteamUserStatsApi* StatsFor(const char* name) { return name ? OpenUserStats() : nullptr; }

}  // namespace

int GetSteamStat(const char* name) {
  SteamUserStatsApi* stats = StatsFor(name);
  int32_t value = 0;
  if (!stats || !stats->GetStat(name, &value)) return -1;
  return value;
}

int SetSteamStat(const char* name, int value) {
  SteamUserStatsApi* stats = StatsFor(name);
  return stats && stats->SetStat(name, value) ? 1 : 0;
}

int StoreSteamStats(void) {
  SteamUserStatsApi* stats = OpenUserStats();
  return stats && stats->StoreStats() ? 1 : 0;
}

int GetSteamAchievement(const char* name) {
  SteamUserStatsApi* stats = StatsFor(name);
  bool achieved = false;
  return stats && stats->GetAchievement(name, &achieved) && achieved ? 1 : 0;
}

int SetSteamAchievement(const char* name) {
  SteamUserStatsApi* stats = StatsFor(name);
  return stats && stats->SetAchievement(name) ? 1 : 0;
}

int ClearSteamAchievement(const char* name) {
  SteamUserStatsApi* stats = StatsFor(name);
  return stats && stats->ClearAchievement(name) ? 1 : 0;
}

int GetSteamAchievementIcon(const char* name) {
  SteamUserStatsApi* stats = StatsFor(name);
  return stats ? stats->GetAchievementIcon(name) : 0;
}

const char* GetAchievementDisplayAttribute(const char* name, const char* key) {
  SteamUserStatsApi* stats = key ? StatsFor(name) : nullptr;
  const char* text = stats ? stats->GetAchievementDisplayAttribute(name, key) : nullptr;
  return text ? text : "";
}

int IndicateAchievementProgress(const char* name, unsigned int current, unsigned int maximum) {
  SteamUserStatsApi* stats = StatsFor(name);
  return stats && stats->IndicateAchievementProgress(name, current, maximum) ? 1 : 0;
}
