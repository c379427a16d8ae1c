// Statistics and achievements of the stand-in client.
#include "bridge/steam_stand_in/stand_in_user_stats.h"

#include <algorithm>
#include <cstring>

#include "bridge/steam_stand_in/stand_in_state.h"

namespace steam_stand_in {
namespace {

StandInUserStats userStats;

bool StatsReady() { return Client().initialised && Client().statsAvailable; }

int32_t* FindStat(const char* name) {
  if (!StatsReady() || !name) return nullptr;
  const auto found = Client().stats.find(name);
  return found == Client().stats.end() ? nullptr : &found->second;
}

Achievement* FindAchievement(const char* name) {
  if (!StatsReady() || !name) return nullptr;
  const auto found = Client().achievements.find(name);
  return found == Client().achievements.end() ? nullptr : &found->second;
}

void QueueAchievementStored(const std::string& name, uint32_t current, uint32_t maximum) {
  SteamAchievementStored stored{};
  stored.gameId = GameId();
  std::strncpy(stored.name, name.c_str(), sizeof stored.name - 1);
  stored.currentProgress = current;
  stored.maxProgress = maximum;
  Queue(stored);
}

}  // namespace

bool StandInUserStats::RequestCurrentStats() {
  if (!Client().initialised) return false;
  Queue(SteamUserStatsReceived{GameId(), Client().statsAvailable ? kSteamResultOk : Client().statsFailureCode});
  return true;
}

bool StandInUserStats::GetStat(const char* name, int32_t* value) {
  const int32_t* stat = FindStat(name);
  if (!stat) return false;
  *value = *stat;
  return true;
}

bool StandInUserStats::SetStat(const char* name, int32_t value) {
  int32_t* stat = FindStat(name);
  if (!stat) return false;
  *stat = value;
  return true;
}

// Reports the store, then every unlock that had not reached the server yet.
bool StandInUserStats::StoreStats() {
  if (!StatsReady()) return false;
  Queue(SteamUserStatsStored{GameId(), Client().storeResult});
  if (Client().storeResult != kSteamResultOk) return true;
  for (auto& [name, achievement] : Client().achievements) {
    if (achievement.info.achieved && !achievement.stored) QueueAchievementStored(name, 0, 0);
    achievement.stored = achievement.info.achieved;
  }
  return true;
}

bool StandInUserStats::GetAchievement(const char* name, bool* achieved) {
  const Achievement* achievement = FindAchievement(name);
  if (!achievement) return false;
  *achieved = achievement->info.achieved;
  return true;
}

bool StandInUserStats::SetAchievement(const char* name) {
  Achievement* achievement = FindAchievement(name);
  if (!achievement) return false;
  achievement->info.achieved = true;
  return true;
}

bool StandInUserStats::ClearAchievement(const char* name) {
  Achievement* achievement = FindAchievement(name);
  if (!achievement) return false;
  achievement->info.achieved = false;
  return true;
}

int StandInUserStats::GetAchievementIcon(const char* name) {
  const Achievement* achievement = FindAchievement(name);
  return achievement ? achievement->info.icon : 0;
}

// Knows the keys "name", "desc" and "hidden"; anything else is an empty text.
const char* StandInUserStats::GetAchievementDisplayAttribute(const char* name, const char* key) {
  const Achievement* achievement = FindAchievement(name);
  if (!achievement || !key) return "";
  if (std::strcmp(key, "name") == 0) return achievement->info.displayName.c_str();
  if (std::strcmp(key, "desc") == 0) return achievement->info.description.c_str();
  if (std::strcmp(key, "hidden") == 0) return "0";
  return "";
}

bool StandInUserStats::IndicateAchievementProgress(const char* name, uint32_t current, uint32_t maximum) {
  const Achievement* achievement = FindAchievement(name);
  if (!achievement || achievement->info.achieved) return false;
  QueueAchievementStored(name, current, maximum);
  return true;
}

void SetStatsAvailable(bool available, int failureCode) {
  Client().statsAvailable = available;
  Client().statsFailureCode = failureCode;
}

void SetStoreResult(int code) { Client().storeResult = code; }

void DefineStat(const std::string& name, int32_t value) { Client().stats[name] = value; }

std::optional<int32_t> StatValue(const std::string& name) {
  const auto found = Client().stats.find(name);
  if (found == Client().stats.end()) return std::nullopt;
  return found->second;
}

void DefineAchievement(const std::string& name, const AchievementInfo& info) {
  Client().achievements[name] = Achievement{info, info.achieved};
}

bool AchievementAchieved(const std::string& name) {
  const auto found = Client().achievements.find(name);
  return found != Client().achievements.end() && found->second.info.achieved;
}

}  // namespace steam_stand_in

SteamUserStatsApi* SteamUserStats() {
  return steam_stand_in::Client().initialised ? &steam_stand_in::userStats : nullptr;
}
