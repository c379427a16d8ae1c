// One racing ship, driven by the player or by the computer. Twelve exist for the whole run,
// one per row of the team table, and every race uses all twelve; TCar::list keeps them in
// the current grid or race order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/audio_channel.h"
#include "platform/image.h"
#include "race/blur.h"
#include "race/coll_circle.h"
#include "track/way_point.h"

class TCar {
 public:
  TCar();

  // --- class-level state and operations over TCar::list ---
  static std::vector<TCar*>& list();
  // What Compare orders by: 1 grid and finishing order, 2 running order, 3 points.
  static int CompareMode;
  // Where the next created ship stands until a grid is set up.
  static int CreateX, CreateY;
  // Set for good the first time a player's ship is handed to the computer driver.
  static int FinishHandover;

  // Builds the ship of team row `team` and appends it to the list.
  static int Create(int controller, int team);
  // Drops every ship.
  static void ClearAll();
  // Every ship gets controller `others`, then the ship with id `team` becomes the player's.
  static void SetHumanRacer(int team, int others);
  // Race state back to the start; full also forgets the finish time and draws a new randno.
  static void ResetCarsAll(int full);
  static void ResetChannelsAll();
  static void ResetPointsAll();
  // One simulation update of every ship.
  static void UpdateAll();
  static void UpdatePositionsAll();
  static TCar* SelectHumanCar();
  // The ship the player drives (controller 1), or null when the computer drives them all;
  // unlike SelectHumanCar it never falls back to another ship.
  static TCar* SelectPlayerCar();
  static TCar* SelectById(int id);
  static TCar* GetCarByPosition(int position);
  static void ResetStartingPositions();
  static void DrawAll(float tween);
  static void DrawAllMini();
  static void PauseSound(int paused);
  // Sorts the list by the current CompareMode (merge sort keeping the left on ties).
  static void SortList();

  // --- per ship ---
  // -1 when this ship sorts before other, 1 after, 0 when CompareMode has no rule.
  int Compare(const TCar& other) const;
  void LoadStats();
  void Update();
  void UpdateShieldAlpha();
  void DoEngineSound();
  float GetDistanceFromHumanCar() const;
  void UpdateBlur();
  void CheckCollisions();
  int CheckRoadClear();
  static int GetTerrain(int level, float x, float y);
  static std::string GetTerrainString(int terrain);
  void CheckWayLines();
  void Draw(float tween);
  void DrawRaceInfo();
  void DrawBlur(float tween);
  void DrawMini();
  int RaceIsOver() const;
  void CheckPickUps();
  void FireWeapon();
  int Hit(int weaponNumber, float pushx, float pushy);
  void AddDamage(float amount, int direct);
  void GetNewRacingLine();
  float GetVolume() const;
  void AddKill();
  // The racing line's point nearest this ship, remembered for the length of one sort (the
  // ships stand still while the list is sorted, and the running order asks many times).
  const TWayPoint* NearestOnLine(int line) const;
  // The computer driver's decisions for one update, with turn rate t.
  void DriveComputer(float t, int roadclear);
  bool IsHuman() const { return controller == 1; }

  ImagePtr img;
  ImagePtr img2;
  int randno = 0;
  int id = 0;
  std::string name;
  int controller = 0;
  int damagetaken = 0;
  int kills = 0;
  int shotsfired = 0;
  float damage = 0;
  int dietime = 0;
  float kers = 0;
  int gassing = 0;
  int pitting = 0;
  int position = 0;
  int lastwallcollision = 0;
  float x = 100, y = 100;
  float oldx = 100, oldy = 100;
  float xvel = 0, yvel = 0;
  float speed = 0;
  float drift = 0;
  float steer = 0;
  float direction = 0;
  int terrain = 0;
  int oldterrain = 0;
  std::vector<TBlur> l_blur;
  int lastblur = 0;
  // Replay and ghost-lap state: kept and reset with the ship, not recorded yet.
  std::vector<int> l_ReplayFrames;
  int link_CurrentFrame = -1;
  float gsteer = 0;
  double gx = 100, gy = 100;
  double oldgx = 100, oldgy = 100;
  float gdirection = 0;
  std::vector<int> l_GhostLap;
  int link_CurrentGhostFrame = -1;
  int lapscomplete = -1;
  int lastqualifyinglap = -99;
  int lastwayline = 0;
  // Points into the track's lists; cleared whenever a track is loaded.
  const TWayPoint* nextwp = nullptr;
  double dir2wp = 0;
  double limitspeed = 1.0;
  std::vector<std::string> l_laptimes;
  double shield = 0;
  double topspeed = 0;
  double handling = 0;
  double accel = 0;
  int lapstarttime = 0;
  int lastlaptime = 0;
  int bestlaptime = 0;
  int racefinishtime = 0;
  std::string colour;
  float orderposy = 0;
  std::unique_ptr<TChannel> chn_MyTerrain;
  // Never assigned: crash, boost and shield sounds each get a fresh channel.
  TChannel* chn_MyFX = nullptr;
  int randomoffspell = 0;
  int myracingline = 0;
  int lastpickup = 0;
  int weapon = 0;
  int weaponcount = 0;
  int lastweaponshot = 0;
  float shieldalpha = 0;
  float weaponshieldalpha = 0;
  TCollCircle coll_fleft, coll_fright, coll_left, coll_right;
  int pts = 0;

 private:
  static int SortStamp;
  mutable const TWayPoint* nearestCache_[10] = {};
  mutable int nearestStamp_[10] = {};

  void DriveHuman(float t);
  void FollowRacingLine();
  void ApplySurface(float& friction);
  void ApplyThrottle(float friction);
  void Move();
  void EmitSmoke();
  bool InOffSpell() const;
  void CheckWalls();
  void CheckShips();
  void FinishLap();
};

// Owns the twelve ships; TCar::list points into it.
std::vector<std::unique_ptr<TCar>>& CarStore();
