#include "bridge/bridge_state.h"

BridgeState& Bridge() {
  static BridgeState state;
  return state;
}

SteamUserStatsApi* OpenUserStats() { return Bridge().clientOpen ? SteamUserStats() : nullptr; }
