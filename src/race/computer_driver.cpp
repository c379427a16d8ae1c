// The computer driver: follows a racing line waypoint by waypoint, swerves round ships in
// front, slows for bends by difficulty, holds back when far ahead of the player, pits when
// damaged, fires when lined up, and now and then loses control for a moment.
#include <algorithm>
#include <cmath>
#include <string>

#include "race/car.h"
#include "race/geometry.h"
#include "race/race_tunables.h"
#include "platform/clock.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "shell/random.h"
#include "track/track.h"

namespace {

constexpr int kOffSpellMs = 2500;

float WaypointDistance(const TCar& ship, const TWayPoint& point) {
  return Distance(ship.x, ship.y, static_cast<float>(point.x), static_cast<float>(point.y));
}

int CheckpointCount() { return static_cast<int>(Track->l_waylines.size()); }

int Progress(const TCar& ship) { return ship.lapscomplete * CheckpointCount() + ship.lastwayline; }

bool WantsPit(const TCar& ship) {
  if (RaceType == 3 || RaceType == 4) return false;
  const int left = Track->totallaps - ship.lapscomplete;
  return (ship.damage > 30 && left > 4) || (ship.damage > 50 && left > 2) || (ship.damage > 75 && left > 1);
}

bool IsDroppedWeapon(int weapon) { return weapon == 5 || weapon == 7 || weapon == 9 || weapon == 10; }

}  // namespace

void TCar::DriveComputer(float t, int roadclear) {
  const float s = StepFactor();
  const TWayPointList& line = Track->l_waypoints[myracingline];
  const TWayPointList& pits = Track->l_pitwaypoints;
  gassing = 0;
  if (!nextwp) nextwp = TTrack::GetWayPoint(1, line);

  const int left = Track->totallaps - lapscomplete;
  const bool wantpit = WantsPit(*this);
  if (wantpit && !pitting && left > 1) {
    const TWayPoint* entry = TTrack::GetWayPoint(1, pits);
    if (entry && WaypointDistance(*this, *entry) < 120) {
      pitting = 1;
      nextwp = entry;
    }
  }

  if (pitting) {
    if (nextwp && WaypointDistance(*this, *nextwp) < 100) {
      nextwp = TTrack::GetWayPoint(nextwp->id + 1, pits);
      if (!nextwp || nextwp->id == pits.front().id) {
        const float ix = static_cast<float>(static_cast<int>(x)), iy = static_cast<float>(static_cast<int>(y));
        nextwp = TTrack::GetNearestWaypoint(ix, iy, line, 0);
        pitting = 0;
      }
    }
  } else if (nextwp && WaypointDistance(*this, *nextwp) < 150) {
    nextwp = TTrack::GetWayPoint(nextwp->id + 1, line);
  }

  if (nextwp) {
    if (MilliSecs() % id == 1 && Rand(1, 5000) == 1) {
      randomoffspell = GameTime;
      Log("Random spell:" + std::to_string(id));
    }
    const bool spell = GameTime < randomoffspell + kOffSpellMs;
    if (spell) t *= 0.35f;

    dir2wp = AngleDiff(direction, AngleTo(x, y, static_cast<float>(nextwp->x), static_cast<float>(nextwp->y)), 0);
    if (dir2wp < -2 * t || roadclear == 1) steer -= t * 1.6f * s;
    if (dir2wp > 2 * t || roadclear == 2) steer += t * 1.6f * s;

    if (weapon != 0 && std::fabs(dir2wp) < 1 && speed > RaceTune.topspeed_standard * 0.5f) {
      if (IsDroppedWeapon(weapon)) {
        FireWeapon();
      } else {
        TCar* target = position > 1 ? GetCarByPosition(position - 1) : GetCarByPosition(static_cast<int>(list().size()));
        if (target && target->damage < 100 && Distance(x, y, target->x, target->y) < 600) FireWeapon();
      }
    }

    gassing = 1;
    if (!pitting && speed > 1) {
      if (std::fabs(dir2wp) > 35) gassing = 0;
      const TWayPoint* after = TTrack::GetWayPoint(nextwp->id + 1, line);
      if (after) {
        const float b = AngleDiff(direction, AngleTo(x, y, static_cast<float>(after->x), static_cast<float>(after->y)), 1);
        if (b > 40 && speed > topspeed * 0.5) gassing = 0;
        if (b > 50 && speed > topspeed * 0.6) gassing = -1;
      }
    }

    if (wantpit && lastwayline > CheckpointCount() - 2) dir2wp *= 3;

    const double a = std::fabs(dir2wp);
    switch (Difficulty) {
      case 1:
        limitspeed = 0.994 - std::fabs(dir2wp / RaceTune.comspeed_easy);
        break;
      case 2:
        limitspeed = a < 5 ? 0.997 : 0.997 - std::fabs(dir2wp / RaceTune.comspeed_normal);
        break;
      default:
        limitspeed = a < 5 ? 1.0 : 1.0 - std::fabs(dir2wp / RaceTune.comspeed_hard);
        break;
    }

    // Only a player's ship is waited for: in a race of computer ships alone (the headless
    // runner) the fall-back ship 1 would hold the whole field back, and once destroyed would
    // hold it to a crawl for the rest of the race.
    const TCar* human = SelectPlayerCar();
    const int m = Progress(*this);
    const int h = human ? Progress(*human) : 0;
    if (h > 1 && h < m - 1) {
      limitspeed -= static_cast<double>(m - h) / 500.0;
      if (limitspeed < 0.975) limitspeed = 0.975;
    }

    if (spell) limitspeed = 1;
    limitspeed = std::clamp(limitspeed, 0.5, 1.0);
    if (RaceIsOver()) limitspeed = 0.985;
  }
  if (pitting && nextwp && nextwp->id < 3) limitspeed = std::min(limitspeed, 0.985);
}

int TCar::CheckRoadClear() {
  if (pitting) return 3;
  int left = 1, right = 1;
  coll_fleft.Place(x, y, speed, direction);
  coll_fright.Place(x, y, speed, direction);
  coll_left.Place(x, y, 1.0f, direction);
  coll_right.Place(x, y, 1.0f, direction);
  for (TCar* other : list()) {
    if (other == this || other->damage >= 100) continue;
    if (coll_fleft.Test(other->x, other->y)) left = 0;
    if (coll_fright.Test(other->x, other->y)) right = 0;
    if (coll_left.Test(other->x, other->y)) left = 0;
    if (coll_right.Test(other->x, other->y)) right = 0;
  }
  if (left && right) return 3;
  if (left) return 1;
  return 2;
}

void TCar::GetNewRacingLine() {
  if (!Track) return;
  bool usable = false;
  for (const auto& line : Track->l_waypoints) usable = usable || line.size() > 1;
  // A track without a line of two points: stay on line 0 and coast.
  if (!usable) {
    myracingline = 0;
    return;
  }
  do {
    myracingline = Rand(1, 10) - 1;
  } while (Track->l_waypoints[myracingline].size() <= 1);
}
