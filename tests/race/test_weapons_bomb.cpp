// Bombs: the fuse, the blast and who it credits, the zoom and the wreck that goes off.
#include "test_weapons_fixture.h"

using BombTest = WeaponTest;

TEST_F(BombTest, BlastHitsEveryShipInReachOwnIncludedAndPushesThemAway) {
  TCar& owner = AddShip(1, 500, 500);
  TCar& above = AddShip(2, 500, 400);
  TCar& distant = AddShip(3, 900, 500);
  TWeapon_Bomb::Create(owner);
  owner.x = 650;
  Step(62);  // 992 ms: the fuse still burns
  EXPECT_EQ(Count<TWeapon_Bomb>(), 1);
  EXPECT_FLOAT_EQ(above.damage, 0);
  Step();
  EXPECT_EQ(Count<TWeapon_Bomb>(), 0);
  EXPECT_FLOAT_EQ(owner.damage, 50);
  EXPECT_FLOAT_EQ(above.damage, 50);
  EXPECT_FLOAT_EQ(distant.damage, 0);
  EXPECT_NEAR(owner.xvel, 10, 0.01f);
  EXPECT_NEAR(above.yvel, -10, 0.01f);
  EXPECT_EQ(Plays(SndExplosionMedium), 1);
  EXPECT_EQ(Plays(SndExplosionLarge), 0);
}

TEST_F(BombTest, DestroyedShipsBombGoesOffAtTheNextUpdateWithoutSoundOrZoom) {
  TCar& wreck = AddShip(1, 500, 500);
  wreck.controller = 1;
  wreck.damage = 100;
  TCar& nearby = AddShip(2, 540, 500);
  TWeapon_Bomb::Create(wreck);
  EXPECT_EQ(Plays(SndBomb), 0);
  EXPECT_EQ(BombZoomEnd, 0);
  Step();
  EXPECT_TRUE(TWeapon::list().empty());
  EXPECT_FLOAT_EQ(nearby.damage, 50);
  EXPECT_EQ(Plays(SndExplosionLarge), 1);  // its owner is gone
}

TEST_F(BombTest, PlayersBombPullsTheViewOutQuietlyAndOthersAreHeard) {
  TCar& player = AddShip(1, 500, 500);
  player.controller = 1;
  TCar& computer = AddShip(2, 900, 500);
  TWeapon_Bomb::Create(player);
  EXPECT_EQ(BombZoomEnd, GameTime + 1000 + 1500);
  EXPECT_EQ(Plays(SndBomb), 0);
  BombZoomEnd = 0;
  TWeapon_Bomb::Create(computer);
  EXPECT_EQ(BombZoomEnd, 0);
  EXPECT_EQ(Plays(SndBomb), 1);
}

TEST_F(BombTest, PlayerDestroyedByItsOwnBombIsNoKillButTakingOthersAlongCounts) {
  TCar& player = AddShip(1, 500, 500);
  player.controller = 1;
  player.damage = 60;
  TCar& other = AddShip(2, 550, 500);
  other.damage = 60;
  TWeapon_Bomb::Create(player);
  Step(63);
  EXPECT_FLOAT_EQ(player.damage, 100);
  EXPECT_FLOAT_EQ(other.damage, 100);
  EXPECT_EQ(player.kills, 1);
  EXPECT_EQ(events_, (std::vector<int>{13, 18}));
  // The two wrecks left their own bombs behind.
  EXPECT_EQ(Count<TWeapon_Bomb>(), 2);
}

TEST_F(BombTest, ChainOfWrecksEndsWhenNobodyIsLeftInReach) {
  TCar& a = AddShip(1, 500, 500);
  a.damage = 90;
  TCar& b = AddShip(2, 600, 500);
  b.damage = 90;
  TWeapon_Bomb::Create(a);
  Step(63);
  EXPECT_EQ(Count<TWeapon_Bomb>(), 2);
  Step(2);
  EXPECT_TRUE(TWeapon::list().empty());
}
