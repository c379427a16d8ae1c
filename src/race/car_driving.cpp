// The driving step of one ship: controls or the computer driver become steering, speed,
// drift and movement, with the surface under the ship setting friction and damage.
#include <algorithm>
#include <cmath>

#include "race/car.h"
#include "race/geometry.h"
#include "race/particle.h"
#include "race/race_tunables.h"
#include "shell/controls.h"
#include "shell/game_state.h"
#include "shell/random.h"
#include "track/tile_set.h"
#include "track/track.h"

namespace {

constexpr int kOffSpellMs = 2500;

// Per-update decay factors are given for 60 updates a second.
float DecayPower() { return 60.0f / static_cast<float>(UpdatesPerSecond); }

// f^p, with the common case of 60 updates a second kept exact and cheap.
float Decay(float f, float p) { return p == 1.0f ? f : std::pow(f, p); }

bool EliminatorOrSurvival() { return RaceType == 3 || RaceType == 4; }

}  // namespace

bool TCar::InOffSpell() const { return GameTime < randomoffspell + kOffSpellMs; }

void TCar::Update() {
  DoEngineSound();
  if (!Track || Track->racestatus == 0) return;

  int c = controller;
  if (RaceIsOver() && (c == 1 || c == 2)) {
    c = 0;
    if (FinishHandover == 0) {
      nextwp = TTrack::GetWayPoint(1, Track->l_waypoints[myracingline]);
      FinishHandover = 1;
    }
  }
  const int roadclear = CheckRoadClear();
  float t = static_cast<float>(handling - speed * 0.11);
  if (InOffSpell()) t *= 0.35f;

  if (c == 1) {
    DriveHuman(t);
  } else if (c == 0) {
    DriveComputer(t, roadclear);
  }
  steer *= 0.5f;

  float friction = 0;
  ApplySurface(friction);
  ApplyThrottle(friction);
  Move();
  EmitSmoke();
}

void TCar::DriveHuman(float t) {
  const float s = StepFactor();
  gassing = 0;
  if (!pitting) {
    if (ControlDown(0)) steer -= t * s;
    if (ControlDown(1)) steer += t * s;
    if (ControlDown(2)) gassing = 1;
    if (ControlDown(3)) gassing = -1;
    if (ControlDown(6)) FireWeapon();
  }
  FollowRacingLine();
}

// The player's ship keeps a waypoint too, so that the running order and the finish
// handover know where it is heading.
void TCar::FollowRacingLine() {
  const TWayPointList& line = Track->l_waypoints[myracingline];
  if (line.empty()) return;
  if (!nextwp) nextwp = TTrack::GetWayPoint(1, Track->l_waypoints[0]);
  const float ix = static_cast<float>(static_cast<int>(x)), iy = static_cast<float>(static_cast<int>(y));
  const TWayPoint* nearest = TTrack::GetNearestWaypoint(ix, iy, line, 0);
  if (nearest && Distance(x, y, static_cast<float>(nearest->x), static_cast<float>(nearest->y)) < 150) {
    nextwp = nearest;
  }
  if (nextwp && Distance(x, y, static_cast<float>(nextwp->x), static_cast<float>(nextwp->y)) < 150) {
    nextwp = TTrack::GetWayPoint(nextwp->id + 1, line);
  }
}

void TCar::ApplySurface(float& friction) {
  const TRaceTunables& tune = RaceTune;
  switch (terrain) {
    case 1:
      friction = tune.fric_tarmac;
      break;
    case 2:
      friction = tune.fric_pitlane;
      if (damage < 100 && !EliminatorOrSurvival()) {
        damage = std::max(0.0f, static_cast<float>(damage - shield));
      }
      break;
    case 0:
      friction = tune.fric_gravel;
      AddDamage(tune.damage_track * StepFactor(), 0);
      break;
    default:
      friction = 0;
  }
}

void TCar::ApplyThrottle(float friction) {
  const float s = StepFactor();
  const float p = DecayPower();
  float a = static_cast<float>(accel);
  if (InOffSpell()) a *= 0.75f;
  float b = 0;
  if (kers > 0) {
    b = 1 + kers / 500;
    a = a * (b * s);
    kers = std::max(0.0f, kers - 0.75f * s);
  }
  if (gassing == 1) {
    speed += (a - 0.01f) * s;
    speed *= Decay(friction, p);
  } else if (gassing == 0) {
    speed *= Decay(friction + 0.005f, p);
  } else if (gassing == -1) {
    speed -= (a + 0.01f) * 0.5f * s;
    speed *= Decay(friction, p);
  }
  speed *= Decay(static_cast<float>(limitspeed), p);

  float cap = damage >= 100 ? 0.0f : static_cast<float>(topspeed);
  if (b > 1) cap *= b;
  if (kers > 0) cap *= 1.05f;
  if (gassing == -1 && speed < 0) cap *= 0.4f;
  speed = std::clamp(speed, -cap, cap);
}

void TCar::Move() {
  const float s = StepFactor();
  const float p = DecayPower();
  direction += steer;
  if (direction < 0) direction += 360;
  if (direction > 359) direction -= 360;
  const float c = CosDeg(direction), sn = SinDeg(direction);
  x += c * speed * s;
  y += sn * speed * s;

  drift += steer * speed * -0.01f;
  drift *= Decay(RaceTune.drift + 0.0066667f, p);
  // Sideways is a quarter turn on: cos(d + 90) = -sin d, sin(d + 90) = cos d.
  x += -sn * drift * s;
  y += c * drift * s;

  const float knock = Decay(0.95f, p);
  xvel *= knock;
  yvel *= knock;
  x += xvel * s;
  y += yvel * s;
}

void TCar::EmitSmoke() {
  const int r = Rand(-15, 15);
  const int puffs = (damage >= 100 ? 1 : 0) + (InOffSpell() ? 1 : 0);
  if (puffs == 0) return;
  const float angle = direction - 180 + static_cast<float>(r);
  const int px = static_cast<int>(x + CosDeg(angle) * 16);
  const int py = static_cast<int>(y + SinDeg(angle) * 16);
  for (int i = 0; i < puffs; ++i) {
    TParticle::Smoke(px, py, colour, static_cast<float>(Rand(1, 360)), Rnd(2, 3), 1.0f);
  }
}

void TCar::UpdateShieldAlpha() {
  const float s = StepFactor();
  if (shieldalpha > 0 && GameTime > randomoffspell + kOffSpellMs) shieldalpha -= 0.025f * s;
  if (weaponshieldalpha > 0) {
    weaponshieldalpha -= 0.06f * s;
    const int r = Rand(-25, 25);
    const float angle = direction - 180 + static_cast<float>(r);
    TParticle::Smoke(static_cast<int>(x + CosDeg(angle) * 32), static_cast<int>(y + SinDeg(angle) * 32), "",
                     direction, speed, 1.0f);
  }
}

int TCar::GetTerrain(int level, float x, float y) {
  if (!Track || !Track->tileset || level < 0 || level >= kTrackLevels) return 0;
  const TTrack& track = *Track;
  const float size = track.mastertilesize;
  int tx = std::clamp(static_cast<int>(x / size), 0, track.trackw - 1);
  int ty = std::clamp(static_cast<int>(y / size), 0, track.trackh - 1);
  const TTileData* cell = &track.tile_level[level][tx][ty];
  if (cell->parentx > -1) {
    tx = std::clamp(cell->parentx, 0, track.trackw - 1);
    ty = std::clamp(cell->parenty, 0, track.trackh - 1);
    cell = &track.tile_level[level][tx][ty];
  }
  const auto& tiles = track.tileset->tracktile_array;
  if (cell->id < 0 || cell->id >= static_cast<int>(tiles.size())) return 0;
  const TPixmap* pattern = tiles[cell->id]->imgpat.get();
  if (!pattern || pattern->width <= 0 || pattern->height <= 0) return 0;

  float lx = x - static_cast<float>(static_cast<int>(tx * size));
  float ly = y - static_cast<float>(static_cast<int>(ty * size));
  const int w = pattern->width;
  const int turns = (cell->rotation > 0) + (cell->rotation > 90) + (cell->rotation > 180);
  for (int i = 0; i < turns; ++i) {
    const float nx = ly;
    ly = static_cast<float>(w - static_cast<int>(lx));
    lx = nx;
  }
  const int px = std::clamp(static_cast<int>(lx), 0, w - 1);
  const int py = std::clamp(static_cast<int>(ly), 0, pattern->height - 1);
  const uint8_t* c = pattern->Row(py) + static_cast<size_t>(px) * pattern->BytesPerPixel();
  if (c[0] == 0 && c[1] == 0 && c[2] == 0) return 0;
  if (c[0] == 128 && c[1] == 128 && c[2] == 128) return 1;
  if (c[0] == 255 && c[1] == 0 && c[2] == 0) return 1;
  if (c[0] == 0 && c[1] == 255 && c[2] == 0) return EliminatorOrSurvival() ? 1 : 2;
  return 0;
}

std::string TCar::GetTerrainString(int terrain) {
  switch (terrain) {
    case 0:
      return "Blank";
    case 1:
      return "Tarmac";
    case 2:
      return "PitLane";
    default:
      return "";
  }
}
