// The game's side of the store bridge (liborvelink.so). The game links the bridge at load time
// but calls it only while the build switch StoreEnabled is on; off, achievements stay in the
// game database.
#pragma once

#include <string>

#ifndef QX_STORE_ENABLED
#error "QX_STORE_ENABLED (0 or 1) comes from the qx_shell target; link it to include this header"
#endif

// The store switch: set by the QX_STORE_ENABLED build option, off in the shipped game.
inline constexpr bool StoreEnabled = QX_STORE_ENABLED != 0;
// The number the store gave this game.
inline constexpr int StoreAppId = 1157430;

// At the end of start-up and at exit; both do nothing while the switch is off.
void OpenStoreBridge();
void CloseStoreBridge();
// The store's view of an achievement, by its name in the game ("Speed King"): 1 unlocked,
// 0 not, or while the switch is off.
int StoreGetAchievement(const std::string& name);
// Unlocks the achievement in the store and stores it; does nothing while the switch is off.
void StoreSetAchievement(const std::string& name);

// The store's name for an achievement: every space replaced by "_".
std::string StoreAchievementName(const std::string& name);

// The bridge calls behind the switch, whatever it says (for tests of the store path).
// Opens the bridge, logs how the store answered, and returns its answer (-1, 0 or 1).
int ConnectStore();
void DisconnectStore();
int ReadStoreAchievement(const std::string& name);
void AwardStoreAchievement(const std::string& name);
