// What the stand-in client knows, in one place for its interfaces and its script.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bridge/steam_stand_in/steam_stand_in.h"

namespace steam_stand_in {

struct Notification {
  int number = 0;
  std::vector<unsigned char> payload;
};

struct Achievement {
  AchievementInfo info;
  bool stored = false;  // the unlock has reached the server
};

struct Leaderboard {
  std::string name;
  int sortMethod = kSteamSortDescending;
  std::vector<Entry> entries;  // kept in rank order
};

struct DownloadedEntry {
  int32_t rank = 0;
  Entry entry;
};

struct ClientState {
  bool running = false;
  bool initialised = false;
  uint32_t appId = 0;
  uint64_t userId = 0;
  bool loggedOn = false;
  bool statsAvailable = true;
  int statsFailureCode = kSteamResultFail;
  int storeResult = kSteamResultOk;
  std::map<std::string, int32_t> stats;
  std::map<std::string, Achievement> achievements;
  std::vector<Leaderboard> leaderboards;
  std::map<SteamLeaderboardEntries, std::vector<DownloadedEntry>> downloads;
  bool uploadSucceeds = true;
  std::optional<Upload> lastUpload;
  int32_t players = 0;
  std::vector<std::pair<SteamCallback*, int>> callbacks;
  std::deque<Notification> queue;
  uint64_t lastCall = 0;
};

ClientState& Client();
// A fresh request handle.
SteamApiCall NextCall();
uint64_t GameId();

template <typename Payload>
void Queue(const Payload& payload) {
  Post(Payload::kNumber, &payload, sizeof payload);
}

// Leaderboard handles are large on purpose, so that a handle cut to 32 bits shows.
inline constexpr SteamLeaderboard kFirstLeaderboard = 0x5100000000ull;
Leaderboard* FindBoard(SteamLeaderboard handle);
SteamLeaderboard HandleOf(size_t index);
// Re-sorts the entries into rank order by the board's sort method.
void Rank(Leaderboard& board);

}  // namespace steam_stand_in
