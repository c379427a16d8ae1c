// Fired weapons: shells, laser bolts, plasma balls, homing missiles, mines and bombs. Each
// lives in one class-level list from its creation until it expires.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "race/weapon_tunables.h"

class TCar;
class TImage;
class TSound;

class TWeapon {
 public:
  virtual ~TWeapon() = default;

  virtual void Update() = 0;
  virtual void Draw(float tween);
  // Mirrors the weapon off the first wall it crossed this update; true on a crossing.
  bool CheckWalls();
  // The first living ship other than the firer within radius; null when none.
  TCar* CheckShips(float radius) const;
  // Sets off the first mine or bomb within reach; true when one went.
  bool CheckMines();
  // Leaves its explosion (by type) and is removed from the list after this update.
  void Expire(int type);
  float GetVolume() const;

  static std::vector<std::unique_ptr<TWeapon>>& list();
  static void UpdateAll();
  static void DrawAll(float tween);
  static void ClearAll();

  // The Engine.ini numbers: read on first use, and again whenever LoadTunables is called
  // (at race start), never during an update.
  static void LoadTunables();
  static TWeaponTunables& Tunables();

  // Kinds the mine test tells apart.
  virtual bool IsMine() const { return false; }
  bool Near(const TWeapon& other) const;
  virtual bool IsBomb() const { return false; }

  std::vector<int> l_ReplayFrames;
  int link_CurrentFrame = -1;
  TImage* img = nullptr;
  float x = 0, y = 0;
  float oldx = 0, oldy = 0;
  float direction = 0;
  float speed = 0;
  int firedby = 0;
  std::string colour;
  bool expired = false;

 protected:
  // Places the weapon on the ship, pointing its way, and plays the firing sound (when given)
  // on the ship's effects channel at the ship's volume.
  void Launch(const TCar& ship, TImage* picture, float launchSpeed, TSound* firingSound);
  void MoveForward();
  // The bookkeeping after a hit: achievement event and kill when victim was destroyed.
  void CreditHit(int destroyed, const TCar& victim, int achievementEvent) const;
  // Adds a new weapon to the list and hands it back.
  template <class W>
  static W* AddToList(std::unique_ptr<W> weapon) {
    W* raw = weapon.get();
    list().push_back(std::move(weapon));
    return raw;
  }
};

// A straight shell that bursts on walls: the cannon fires a dozen of them.
class TWeapon_Cannon : public TWeapon {
 public:
  static TWeapon_Cannon* Create(TCar& ship);
  void Update() override;
  int bouncecount = 0;
};

// A bolt that bounces off walls a few times before it fades.
class TWeapon_Laser : public TWeapon {
 public:
  static TWeapon_Laser* Create(TCar& ship);
  void Update() override;
  int bouncecount = 0;
};

// A slow, heavy ball that trails smoke.
class TWeapon_Plasma : public TWeapon {
 public:
  static TWeapon_Plasma* Create(TCar& ship);
  void Update() override;
  int bouncecount = 0;
};

// Turns towards the nearest opponent in front of it.
class TWeapon_Missile : public TWeapon {
 public:
  static TWeapon_Missile* Create(TCar& ship);
  void Update() override;
  int bouncecount = 0;

 private:
  void SeekTarget();
};

// Left behind; drifts round a small circle until a ship runs into it.
class TWeapon_Mine : public TWeapon {
 public:
  static TWeapon_Mine* Create(TCar& ship);
  void Update() override;
  bool IsMine() const override { return true; }
};

// Spins where it was dropped and blasts every ship near it when its fuse runs out.
class TWeapon_Bomb : public TWeapon {
 public:
  static TWeapon_Bomb* Create(TCar& ship);
  void Update() override;
  bool IsBomb() const override { return true; }
  int timer = 0;

 private:
  void Blast();
};
