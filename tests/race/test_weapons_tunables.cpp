// The weapon numbers come from Engine.ini once, clamped into their ranges.
#include <gtest/gtest.h>

#include <string>

#include "race/weapon_tunables.h"
#include "shell/game_state.h"
#include "support/temp_folder.h"

namespace {
class DataRootGuard {
 public:
  explicit DataRootGuard(const std::string& root) : saved_(DataRoot) { DataRoot = root; }
  ~DataRootGuard() { DataRoot = saved_; }
  DataRootGuard(const DataRootGuard&) = delete;
  DataRootGuard& operator=(const DataRootGuard&) = delete;

 private:
  std::string saved_;
};
}  // namespace

TEST(WeaponTunablesTest, OutOfRangeAndMissingKeysAreClamped) {
  TempFolder data;
  data.Write("Settings/Engine.ini", "weaponlife_bomb=5000\nweaponspeed_laser=-3\npadlife_weapon=4500\n");
  DataRootGuard root(data.path());
  const TWeaponTunables t = ReadWeaponTunables();
  EXPECT_EQ(t.weaponlife_bomb, 1000);
  EXPECT_FLOAT_EQ(t.weaponspeed_laser, 0);
  EXPECT_EQ(t.padlife_weapon, 4500);
  EXPECT_FLOAT_EQ(t.weaponradius_bomb, 0);
}

// A misspelt key would silently read as 0: shells that never move, a bomb without reach.
TEST(WeaponTunablesTest, ShippedFileGivesEveryWeaponKeyAValue) {
  DataRootGuard root(QX_DATA_DIR "/");
  const TWeaponTunables t = ReadWeaponTunables();
  for (const float value : {t.weaponspeed_cannon, t.weaponspeed_laser, t.weaponspeed_plasma, t.weaponspeed_missile,
                            t.weaponspeed_mine, t.weaponturn_missile, t.weaponradius_bomb}) {
    EXPECT_GT(value, 0);
  }
  EXPECT_GT(t.weaponlife_bomb, 0);
  EXPECT_GT(t.padlife_boost, 0);
  EXPECT_GT(t.padlife_weapon, 0);
}
