#include "shell/store_bridge.h"

#include <algorithm>

#include "bridge/orvelink.h"
#include "shell/log.h"

namespace {

// The bridge must lie beside the game even in a build that never calls it: the game imports
// these at load time, and this table keeps the linker from dropping them.
struct BridgeImports {
  int (*openSteam)(int);
  void (*closeSteam)();
  int (*getAchievement)(const char*);
  int (*setAchievement)(const char*);
  int (*storeStats)();
};
[[gnu::used]] const BridgeImports kBridgeImports{&OpenSteam, &CloseSteam, &GetSteamAchievement,
                                                 &SetSteamAchievement, &StoreSteamStats};

}  // namespace

std::string StoreAchievementName(const std::string& name) {
  std::string storeName = name;
  std::replace(storeName.begin(), storeName.end(), ' ', '_');
  return storeName;
}

int ConnectStore() {
  const int state = OpenSteam(StoreAppId);
  if (state == -1) Log("OpenSteam() failed.");
  else if (state == 1) Log("Steam is online");
  else Log("Steam is offline");
  Log("steamstate=" + std::to_string(state));
  return state;
}

void DisconnectStore() { CloseSteam(); }

int ReadStoreAchievement(const std::string& name) { return GetSteamAchievement(StoreAchievementName(name).c_str()); }

void AwardStoreAchievement(const std::string& name) {
  SetSteamAchievement(StoreAchievementName(name).c_str());
  StoreSteamStats();
}

void OpenStoreBridge() {
  if (StoreEnabled) ConnectStore();
}

void CloseStoreBridge() {
  if (StoreEnabled) DisconnectStore();
}

int StoreGetAchievement(const std::string& name) { return StoreEnabled ? ReadStoreAchievement(name) : 0; }

void StoreSetAchievement(const std::string& name) {
  if (StoreEnabled) AwardStoreAchievement(name);
}
