// Starting and stopping the client, and reading the events it delivered.
#include "bridge/bridge_state.h"
#include "bridge/notification_handlers.h"
#include "bridge/orvelink.h"

namespace {

// Made by the first successful OpenSteam and kept for the life of the process: the client may
// hold on to its registrations even after CloseSteam. A later OpenSteam registers the same
// handlers again rather than a second set, so that no event arrives twice.
NotificationHandlers& Handlers() {
  static NotificationHandlers handlers;
  return handlers;
}

}  // namespace

int OpenSteam(int appId) {
  if (!SteamAPI_Init()) return -1;
  SteamUserApi* user = SteamUser();
  const bool loggedOn = user && user->LoggedOn();
  Bridge().clientOpen = true;
  Handlers().Register(static_cast<uint32_t>(appId) & 0xFFFFFFu);
  if (SteamUserStatsApi* stats = SteamUserStats()) stats->RequestCurrentStats();
  return loggedOn ? 1 : 0;
}

void CloseSteam(void) {
  if (!Bridge().clientOpen) return;
  SteamAPI_Shutdown();
  Bridge().clientOpen = false;
}

const char* ReadSteam(void) {
  BridgeState& bridge = Bridge();
  if (bridge.clientOpen) SteamAPI_RunCallbacks();
  bridge.events.HandOut(bridge.readBuffer.data(), bridge.readBuffer.size());
  return bridge.readBuffer.data();
}
