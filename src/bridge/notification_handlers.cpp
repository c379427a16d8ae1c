#include "bridge/notification_handlers.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "bridge/bridge_state.h"
#include "bridge/debugger_output.h"
#include "bridge/event_text.h"

namespace {

// The most detail values one downloaded entry gives.
constexpr int kDetailsMax = 256;

void AppendEvent(std::string event) { Bridge().events.Append(std::move(event)); }

// "score:rank:id:" then one character per detail value (its low byte) then "!".
std::string EntryEvent(const SteamLeaderboardEntry& entry, const int32_t* details) {
  const auto userLow = static_cast<int>(static_cast<uint32_t>(entry.userId));
  std::string event = Piece("%d:%d:%d:", entry.score, entry.globalRank, userLow);
  const int count = std::clamp(entry.detailCount, 0, kDetailsMax);
  for (int index = 0; index < count; ++index) event += static_cast<char>(details[index] & 0xFF);
  return event + "!";
}

}  // namespace

NotificationHandlers::Registration::Registration(int number, std::function<void(const void*)> handler)
    : number_(number), handler_(std::move(handler)) {}

void NotificationHandlers::Registration::Register() {
  if (registered_) SteamAPI_UnregisterCallback(this);
  SteamAPI_RegisterCallback(this, number_);
  registered_ = true;
}

template <typename Payload>
NotificationHandlers::Registration NotificationHandlers::For(
    void (NotificationHandlers::*handler)(const Payload&) const) {
  return Registration(Payload::kNumber, [this, handler](const void* payload) {
    (this->*handler)(*static_cast<const Payload*>(payload));
  });
}

NotificationHandlers::NotificationHandlers()
    : registrations_{
          For(&NotificationHandlers::StatsReceived),
          For(&NotificationHandlers::StatsStored),
          For(&NotificationHandlers::AchievementStored),
          For(&NotificationHandlers::LeaderboardFound),
          For(&NotificationHandlers::ScoresDownloaded),
          For(&NotificationHandlers::ScoreUploaded),
          For(&NotificationHandlers::PlayerCount),
      } {}

void NotificationHandlers::Register(uint64_t gameId) {
  gameId_ = gameId;
  for (Registration& registration : registrations_) registration.Register();
}

void NotificationHandlers::StatsReceived(const SteamUserStatsReceived& received) const {
  if (received.gameId != gameId_) return;
  if (received.result == kSteamResultOk) AppendEvent("stats received!");
  else DebuggerOutput(Piece("RequestStats - failed, %d\n", received.result));
}

void NotificationHandlers::StatsStored(const SteamUserStatsStored& stored) const {
  if (stored.gameId != gameId_) return;
  if (stored.result == kSteamResultOk) AppendEvent("stats stored!");
  else DebuggerOutput(Piece("StoreStats - failed, %d\n", stored.result));
}

void NotificationHandlers::AchievementStored(const SteamAchievementStored& stored) const {
  if (stored.gameId != gameId_) return;
  const std::string name(stored.name, strnlen(stored.name, sizeof stored.name));
  if (stored.maxProgress == 0) {
    AppendEvent(PieceWithName("Achievement '", name.c_str(), "' unlocked!"));
  } else {
    DebuggerOutput(Piece("Achievement '%s' progress callback, (%d,%d)\n", name.c_str(),
                         static_cast<int>(stored.currentProgress), static_cast<int>(stored.maxProgress)));
  }
}

void NotificationHandlers::LeaderboardFound(const SteamLeaderboardFindResult& result) const {
  if (!result.found) return;
  Bridge().currentLeaderboard = result.leaderboard;
  SteamUserStatsApi* stats = SteamUserStats();
  if (!stats) return;
  AppendEvent(PieceWithName("found=", stats->GetLeaderboardName(result.leaderboard),
                            Piece(":%d!", stats->GetLeaderboardEntryCount(result.leaderboard))));
}

void NotificationHandlers::ScoresDownloaded(const SteamLeaderboardScoresDownloaded& downloaded) const {
  AppendEvent(Piece("download=%d!", downloaded.entryCount));
  SteamUserStatsApi* stats = SteamUserStats();
  if (!stats) return;
  for (int index = 0; index < downloaded.entryCount; ++index) {
    SteamLeaderboardEntry entry;
    int32_t details[kDetailsMax] = {};
    if (!stats->GetDownloadedLeaderboardEntry(downloaded.entries, index, &entry, details, kDetailsMax)) continue;
    AppendEvent(EntryEvent(entry, details));
  }
}

void NotificationHandlers::ScoreUploaded(const SteamLeaderboardScoreUploaded& uploaded) const {
  if (!uploaded.success || !uploaded.scoreChanged) return;
  AppendEvent(Piece("upload=%d:%d:%d!", uploaded.score, uploaded.globalRankNew, uploaded.globalRankPrevious));
}

void NotificationHandlers::PlayerCount(const SteamNumberOfCurrentPlayers& count) const {
  AppendEvent(Piece("playercount=%d!", count.players));
}
