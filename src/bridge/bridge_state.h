// What the bridge keeps between calls: one instance per process.
#pragma once

#include <array>
#include <cstdint>

#include "bridge/event_queue.h"
#include "bridge/steam_stand_in/steam_api.h"

inline constexpr size_t kReadBufferSize = 4096;

struct BridgeState {
  bool clientOpen = false;          // OpenSteam started the client and CloseSteam has not stopped it
  uint64_t currentLeaderboard = 0;  // the last leaderboard found, 0 for none
  EventQueue events;
  std::array<char, kReadBufferSize> readBuffer{};
};

BridgeState& Bridge();

// The client's user-stats interface, asked for anew on every call; null while the client is
// not open, so that calls before OpenSteam or after a failed one fail quietly.
SteamUserStatsApi* OpenUserStats();
