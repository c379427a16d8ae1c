// The Steam client library as the store bridge uses it: the start and stop calls, the
// notification registry, the user and user-stats interfaces and the notifications they send.
// Our stand-in library implements exactly this; a build against the store's own client library
// puts that library's headers in this file's place.
#pragma once

#include <cstdint>

#if defined(STEAM_STAND_IN_BUILDING)
#define STEAM_STAND_IN_API __attribute__((visibility("default")))
#else
#define STEAM_STAND_IN_API
#endif

using SteamLeaderboard = uint64_t;         // a leaderboard handle, 0 for none
using SteamLeaderboardEntries = uint64_t;  // a downloaded set of leaderboard entries
using SteamApiCall = uint64_t;             // a request handle, 0 when the request could not start

// Leaderboard upload methods and download kinds.
inline constexpr int kSteamUploadKeepBest = 1;
inline constexpr int kSteamUploadForceUpdate = 2;
inline constexpr int kSteamDownloadGlobal = 0;
inline constexpr int kSteamDownloadAroundUser = 1;
inline constexpr int kSteamDownloadFriends = 2;
// Leaderboard sort methods.
inline constexpr int kSteamSortAscending = 1;
inline constexpr int kSteamSortDescending = 2;
// Result codes.
inline constexpr int kSteamResultOk = 1;
inline constexpr int kSteamResultFail = 2;

struct SteamLeaderboardEntry {
  uint64_t userId = 0;
  int32_t globalRank = 0;
  int32_t score = 0;
  int32_t detailCount = 0;  // all the entry's detail values, even those that did not fit
};

// The notifications, each with the number it is registered under.
struct SteamUserStatsReceived {
  static constexpr int kNumber = 1101;
  uint64_t gameId;
  int32_t result;
};
struct SteamUserStatsStored {
  static constexpr int kNumber = 1102;
  uint64_t gameId;
  int32_t result;
};
struct SteamAchievementStored {
  static constexpr int kNumber = 1103;
  uint64_t gameId;
  char name[128];
  uint32_t currentProgress;
  uint32_t maxProgress;  // 0 for a real unlock
};
struct SteamLeaderboardFindResult {
  static constexpr int kNumber = 1104;
  SteamLeaderboard leaderboard;
  uint8_t found;
};
struct SteamLeaderboardScoresDownloaded {
  static constexpr int kNumber = 1105;
  SteamLeaderboard leaderboard;
  SteamLeaderboardEntries entries;
  int32_t entryCount;
};
struct SteamLeaderboardScoreUploaded {
  static constexpr int kNumber = 1106;
  uint8_t success;
  SteamLeaderboard leaderboard;
  int32_t score;
  uint8_t scoreChanged;
  int32_t globalRankNew;
  int32_t globalRankPrevious;
};
struct SteamNumberOfCurrentPlayers {
  static constexpr int kNumber = 1107;
  int32_t players;
};

// Something that receives one kind of notification; Run gets a pointer to its payload.
class SteamCallback {
 public:
  virtual ~SteamCallback() = default;
  virtual void Run(const void* payload) = 0;
};

class SteamUserApi {
 public:
  virtual ~SteamUserApi() = default;
  virtual uint64_t GetSteamID() = 0;
  virtual bool LoggedOn() = 0;
};

class SteamUserStatsApi {
 public:
  virtual ~SteamUserStatsApi() = default;
  virtual bool RequestCurrentStats() = 0;
  virtual bool GetStat(const char* name, int32_t* value) = 0;
  virtual bool SetStat(const char* name, int32_t value) = 0;
  virtual bool StoreStats() = 0;
  virtual bool GetAchievement(const char* name, bool* achieved) = 0;
  virtual bool SetAchievement(const char* name) = 0;
  virtual bool ClearAchievement(const char* name) = 0;
  virtual int GetAchievementIcon(const char* name) = 0;
  virtual const char* GetAchievementDisplayAttribute(const char* name, const char* key) = 0;
  virtual bool IndicateAchievementProgress(const char* name, uint32_t current, uint32_t maximum) = 0;
  virtual SteamApiCall FindOrCreateLeaderboard(const char* name, int sortMethod, int displayType) = 0;
  virtual SteamApiCall FindLeaderboard(const char* name) = 0;
  virtual const char* GetLeaderboardName(SteamLeaderboard leaderboard) = 0;
  virtual int GetLeaderboardEntryCount(SteamLeaderboard leaderboard) = 0;
  virtual SteamApiCall DownloadLeaderboardEntries(SteamLeaderboard leaderboard, int kind, int rangeStart,
                                                  int rangeEnd) = 0;
  virtual bool GetDownloadedLeaderboardEntry(SteamLeaderboardEntries entries, int index, SteamLeaderboardEntry* entry,
                                             int32_t* details, int detailsMax) = 0;
  virtual SteamApiCall UploadLeaderboardScore(SteamLeaderboard leaderboard, int method, int32_t score,
                                              const int32_t* details, int detailCount) = 0;
  virtual SteamApiCall GetNumberOfCurrentPlayers() = 0;
};

STEAM_STAND_IN_API bool SteamAPI_Init();
STEAM_STAND_IN_API void SteamAPI_Shutdown();
STEAM_STAND_IN_API void SteamAPI_RunCallbacks();
// Adds the callback for the notification number; registering twice makes it run twice.
STEAM_STAND_IN_API void SteamAPI_RegisterCallback(SteamCallback* callback, int number);
STEAM_STAND_IN_API void SteamAPI_UnregisterCallback(SteamCallback* callback);
// Null until SteamAPI_Init has succeeded, and again after SteamAPI_Shutdown.
STEAM_STAND_IN_API SteamUserApi* SteamUser();
STEAM_STAND_IN_API SteamUserStatsApi* SteamUserStats();
