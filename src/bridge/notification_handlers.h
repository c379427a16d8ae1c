// The seven notifications the bridge listens to, turned into events and debugger output.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "bridge/steam_stand_in/steam_api.h"

class NotificationHandlers {
 public:
  NotificationHandlers();
  NotificationHandlers(const NotificationHandlers&) = delete;
  NotificationHandlers& operator=(const NotificationHandlers&) = delete;

  // Registers all seven with the client for this game id, replacing earlier registrations.
  void Register(uint64_t gameId);

  void StatsReceived(const SteamUserStatsReceived& received) const;
  void StatsStored(const SteamUserStatsStored& stored) const;
  void AchievementStored(const SteamAchievementStored& stored) const;
  void LeaderboardFound(const SteamLeaderboardFindResult& result) const;
  void ScoresDownloaded(const SteamLeaderboardScoresDownloaded& downloaded) const;
  void ScoreUploaded(const SteamLeaderboardScoreUploaded& uploaded) const;
  void PlayerCount(const SteamNumberOfCurrentPlayers& count) const;

 private:
  // One registration with the client: a notification number and what to do with its payload.
  class Registration final : public SteamCallback {
   public:
    Registration(int number, std::function<void(const void*)> handler);
    void Register();
    void Run(const void* payload) override { handler_(payload); }

   private:
    int number_ = 0;
    std::function<void(const void*)> handler_;
    bool registered_ = false;
  };

  template <typename Payload>
  Registration For(void (NotificationHandlers::*handler)(const Payload&) const);

  uint64_t gameId_ = 0;
  std::array<Registration, 7> registrations_;
};
