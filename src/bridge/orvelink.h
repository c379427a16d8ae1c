// The store bridge: flat C functions over the Steam client library, for hosts that can only
// call plain C. Only integers and 8-bit C strings cross; nothing is allocated across.
// Results the client delivers later are collected as a text of short events, each ending in
// "!", which the host fetches by polling ReadSteam.
#pragma once

#include <stdint.h>

#if defined(ORVELINK_BUILDING)
#define ORVELINK_API __attribute__((visibility("default")))
#else
#define ORVELINK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Starts the client: -1 when it cannot start, else 1 when the user is logged on, 0 when not.
ORVELINK_API int OpenSteam(int appId);
ORVELINK_API void CloseSteam(void);
// Runs the client's pending notifications and returns the events gathered since the last call.
// The text stays valid until the next call; at most 4095 bytes come back at once, and what
// does not fit comes with the next calls, whole events first.
ORVELINK_API const char* ReadSteam(void);

// -1 when the client cannot give the statistic.
ORVELINK_API int GetSteamStat(const char* name);
ORVELINK_API int SetSteamStat(const char* name, int value);
ORVELINK_API int StoreSteamStats(void);
ORVELINK_API int GetSteamAchievement(const char* name);
ORVELINK_API int SetSteamAchievement(const char* name);
ORVELINK_API int ClearSteamAchievement(const char* name);
ORVELINK_API int GetSteamAchievementIcon(const char* name);
ORVELINK_API const char* GetAchievementDisplayAttribute(const char* name, const char* key);
ORVELINK_API int IndicateAchievementProgress(const char* name, unsigned int current, unsigned int maximum);

ORVELINK_API uint64_t FindOrCreateLeaderboard(const char* name, int sortMethod, int displayType);
ORVELINK_API uint64_t FindLeaderboard(const char* name);
// The details text goes up as one value per character (at most 255) and a closing 0.
ORVELINK_API void UploadLeaderboardScore(int method, int score, const char* details);
// 0 when no leaderboard has been found yet.
ORVELINK_API uint64_t DownloadLeaderboardEntries(int kind, int rangeStart, int rangeEnd);
ORVELINK_API uint64_t FindNumberOfCurrentPlayers(void);

#ifdef __cplusplus
}
#endif
