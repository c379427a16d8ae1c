// The ship record, its stats and the bookkeeping over the list of all twelve ships.
#include "race/car.h"

#include "progress/game_db.h"
#include "race/merge_sort.h"
#include "race/race_tunables.h"
#include "shell/asset_loaders.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "shell/random.h"
#include "track/track.h"

int TCar::CompareMode = 0;
int TCar::CreateX = 10;
int TCar::CreateY = 660;
int TCar::FinishHandover = 0;
int TCar::SortStamp = 0;

namespace {
// Enough that clearing between races keeps the buffers and a race never reallocates.
constexpr size_t kReservedLaps = 128;
constexpr size_t kReservedBlur = 64;
}  // namespace

std::vector<std::unique_ptr<TCar>>& CarStore() {
  static std::vector<std::unique_ptr<TCar>> store;
  return store;
}

std::vector<TCar*>& TCar::list() {
  static std::vector<TCar*> ships;
  return ships;
}

TCar::TCar() : orderposy(static_cast<float>(ScreenH)) {
  l_laptimes.reserve(kReservedLaps);
  l_blur.reserve(kReservedBlur);
}

int TCar::Create(int controller, int team) {
  Log("TCar.Create Team:" + std::to_string(team));
  auto ship = std::make_unique<TCar>();
  const std::string picture = "Media/Cars/Car_" + std::to_string(team) + ".png";
  ship->img = LoadImageChecked(picture);
  MidHandleImage(ship->img.get());
  ship->img2 = LoadImageChecked(picture);
  SetImageHandle(ship->img2.get(), 0, 1);
  ship->randno = Rand(1, 1000);
  ship->id = team;
  ship->name = DbGetString("name", "team", team);
  Log(ship->name);
  ship->controller = controller;
  ship->LoadStats();
  ship->colour = DbGetString("colour", "team", team);
  ship->position = static_cast<int>(list().size()) + 1;
  ship->x = static_cast<float>(CreateX);
  ship->y = static_cast<float>(CreateY);
  CreateX += 40;
  CreateY = CreateY == 660 ? 600 : 660;
  const TRaceTunables& t = RaceTune;
  ship->coll_fleft = TCollCircle::Create(t.collisioncheckdist_front, -t.collisionangle_front, t.collisionsize_front);
  ship->coll_fright = TCollCircle::Create(t.collisioncheckdist_front, t.collisionangle_front, t.collisionsize_front);
  ship->coll_left = TCollCircle::Create(t.collisioncheckdist_side, -t.collisionangle_side, t.collisionsize_side);
  ship->coll_right = TCollCircle::Create(t.collisioncheckdist_side, t.collisionangle_side, t.collisionsize_side);
  list().push_back(ship.get());
  CarStore().push_back(std::move(ship));
  return 0;
}

void TCar::LoadStats() {
  const TRaceTunables& t = RaceTune;
  shield = t.shield_standard + DbGetFloat("shield", "team", id) * 0.5;
  handling = t.handling_standard + DbGetFloat("handling", "team", id) * 0.1;
  accel = t.accel_standard + DbGetFloat("acceleration", "team", id) * 0.002;
  topspeed = t.topspeed_standard + DbGetFloat("topspeed", "team", id) * 0.175;
  if (controller == 0) {
    handling *= Rnd(0.99f, 1.02f);
    accel *= Rnd(0.99f, 1.02f);
    topspeed *= Rnd(0.99f, 1.02f);
  }
  if (Difficulty == 1) topspeed *= 0.75;
  if (Difficulty == 2) topspeed *= 0.9;
  if (RaceType == 4) {
    shield /= 3.5;
  } else if (Difficulty == 1) {
    shield /= 2.5;
  } else if (Difficulty == 2) {
    shield /= 3;
  } else if (Difficulty == 3) {
    shield /= 3.5;
  }
}

void TCar::ClearAll() {
  if (CarStore().empty() && list().empty()) return;
  Log("TCar.Clear");
  for (TCar* ship : list()) {
    ship->img.reset();
    ship->l_blur.clear();
    ship->link_CurrentFrame = ship->link_CurrentGhostFrame = -1;
    ship->l_ReplayFrames.clear();
    ship->l_GhostLap.clear();
    ship->l_laptimes.clear();
    if (ship->chn_MyTerrain) ship->chn_MyTerrain->Stop();
    ship->chn_MyTerrain.reset();
    ship->chn_MyFX = nullptr;
  }
  list().clear();
  CarStore().clear();
}

void TCar::SetHumanRacer(int team, int others) {
  for (TCar* ship : list()) ship->controller = others;
  if (TCar* chosen = SelectById(team)) chosen->controller = 1;
}

void TCar::ResetCarsAll(int full) {
  Log("ResetCarsAll");
  for (TCar* s : list()) {
    if (s->chn_MyTerrain) s->chn_MyTerrain->Stop();
    s->chn_MyTerrain.reset();
    s->chn_MyFX = nullptr;
    s->position = s->kills = s->shotsfired = s->damagetaken = 0;
    s->damage = 0;
    s->dietime = 0;
    s->kers = 0;
    s->gassing = s->pitting = s->lastwallcollision = 0;
    s->xvel = s->yvel = s->speed = s->drift = s->steer = s->direction = 0;
    s->terrain = s->oldterrain = 0;
    s->l_blur.clear();
    s->lastblur = 0;
    s->l_ReplayFrames.clear();
    s->link_CurrentFrame = -1;
    s->l_GhostLap.clear();
    s->link_CurrentGhostFrame = -1;
    s->lapscomplete = -1;
    s->lastqualifyinglap = -99;
    s->lastwayline = 0;
    s->nextwp = nullptr;
    s->dir2wp = 0;
    s->limitspeed = 1;
    s->l_laptimes.clear();
    s->lapstarttime = s->lastlaptime = s->bestlaptime = 0;
    if (full) {
      s->racefinishtime = 0;
      s->randno = Rand(1, 1000);
    }
    s->randomoffspell = s->myracingline = s->weapon = s->weaponcount = s->lastweaponshot = 0;
    s->shieldalpha = s->weaponshieldalpha = 0;
    s->LoadStats();
  }
}

void TCar::ResetChannelsAll() {
  for (TCar* s : list()) {
    if (s->chn_MyTerrain) s->chn_MyTerrain->Stop();
    s->chn_MyTerrain.reset();
    s->chn_MyFX = nullptr;
  }
}

void TCar::ResetPointsAll() {
  for (TCar* s : list()) s->pts = 0;
}

void TCar::UpdateAll() {
  for (TCar* s : list()) {
    s->oldx = s->x;
    s->oldy = s->y;
  }
  // A lap completed inside the walk re-sorts the list, so walk this update's order.
  static std::vector<TCar*> order;
  order.assign(list().begin(), list().end());
  for (TCar* s : order) {
    s->Update();
    s->CheckCollisions();
    s->CheckPickUps();
    s->CheckWayLines();
    s->UpdateShieldAlpha();
    s->UpdateBlur();
  }
  UpdatePositionsAll();
  if (Track) Track->UpdateCamera();
}

void TCar::SortList() {
  ++SortStamp;
  static std::vector<TCar*> scratch;
  scratch.reserve(list().size());
  MergeSortList(list(), scratch, [](const TCar* left, const TCar* right) { return left->Compare(*right); });
}

TCar* TCar::SelectHumanCar() {
  for (TCar* s : list()) {
    if (s->controller == 1) return s;
  }
  for (TCar* s : list()) {
    if (s->id == 1) return s;
  }
  return list().empty() ? nullptr : list().front();
}

TCar* TCar::SelectPlayerCar() {
  TCar* ship = SelectHumanCar();
  return ship && ship->IsHuman() ? ship : nullptr;
}

TCar* TCar::SelectById(int wanted) {
  for (TCar* s : list()) {
    if (s->id == wanted) return s;
  }
  return nullptr;
}

TCar* TCar::GetCarByPosition(int wanted) {
  for (TCar* s : list()) {
    if (s->position == wanted) return s;
  }
  return nullptr;
}

int TCar::RaceIsOver() const {
  const int laps = Track ? Track->totallaps : 0;
  return (lapscomplete >= laps || damage >= 100) ? 1 : 0;
}

const TWayPoint* TCar::NearestOnLine(int line) const {
  if (line < 0 || line >= 10 || !Track) return nullptr;
  if (nearestStamp_[line] != SortStamp) {
    nearestStamp_[line] = SortStamp;
    nearestCache_[line] = TTrack::GetNearestWaypoint(static_cast<float>(static_cast<int>(x)),
                                                     static_cast<float>(static_cast<int>(y)),
                                                     Track->l_waypoints[line], 0);
  }
  return nearestCache_[line];
}
