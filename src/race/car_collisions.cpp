// Ships against the track's bounds, its walls and each other; weapon hits and damage.
#include <algorithm>
#include <cmath>

#include "platform/audio_driver.h"
#include "race/car.h"
#include "race/geometry.h"
#include "race/particle.h"
#include "race/race_hooks.h"
#include "race/race_tunables.h"
#include "race/weapon.h"
#include "shell/announcements.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "track/track.h"

namespace {

constexpr float kShipContactDistance = 27;
constexpr int kWallRecoveryMs = 3000;

void PlayAt(TSound* sound, TChannel* channel, float volume) {
  if (!sound) return;
  if (TChannel* used = PlaySound(sound, channel)) used->SetVolume(volume);
}

}  // namespace

void TCar::CheckCollisions() {
  const float worldW = static_cast<float>(Track->trackw) * Track->mastertilesize;
  const float worldH = static_cast<float>(Track->trackh) * Track->mastertilesize;
  if (x < -32) x = oldx;
  if (y < -32) y = oldy;
  if (x > worldW) x = oldx;
  if (y > worldH) y = oldy;
  if (!RaceIsOver()) CheckWalls();
  if (!pitting && damage < 100) CheckShips();
}

void TCar::CheckWalls() {
  const TWayPoint* previous = nullptr;
  for (const TWayPoint& wall : Track->l_wallpoints) {
    if (previous && wall.id > 0 &&
        SegmentBoxesMeet(oldx, oldy, x, y, static_cast<float>(wall.x), static_cast<float>(wall.y),
                         static_cast<float>(previous->x), static_cast<float>(previous->y))) {
      const TInterceptPoint hit =
          TInterceptPoint::Intersect(oldx, oldy, x, y, static_cast<float>(wall.x), static_cast<float>(wall.y),
                                     static_cast<float>(previous->x), static_cast<float>(previous->y));
      if (hit.intercept) {
        const float travel = AngleTo(oldx, oldy, x, y);
        x = oldx;
        y = oldy;
        const float w = AngleTo(static_cast<float>(wall.x), static_cast<float>(wall.y),
                                static_cast<float>(previous->x), static_cast<float>(previous->y));
        const float bounce = w + AngleDiff(travel, w, 0);
        xvel = CosDeg(bounce) * 6;
        yvel = SinDeg(bounce) * 6;
        AddDamage(1 + std::fabs(speed * RaceTune.damage_wall), 0);
        TParticle::Collision(static_cast<int>(hit.x), static_cast<int>(hit.y), direction + 180, speed, colour);
        PlayAt(SndCrashWall.get(), chn_MyFX, GetVolume());
        if (controller == 0 && GameTime < lastwallcollision + kWallRecoveryMs && nextwp) {
          if (!pitting) {
            const TWayPointList& line = Track->l_waypoints[myracingline];
            int n = nextwp->id - 3;
            if (n < 1) n += static_cast<int>(line.size());
            nextwp = TTrack::GetWayPoint(n, line);
          } else {
            nextwp = TTrack::GetWayPoint(std::max(1, nextwp->id - 3), Track->l_pitwaypoints);
          }
        }
        lastwallcollision = GameTime;
        speed = 0;
        drift = 0;
        kers = 0;
        return;
      }
    }
    previous = &wall;
  }
}

void TCar::CheckShips() {
  const float backX = CosDeg(direction + 180) * 10, backY = SinDeg(direction + 180) * 10;
  for (TCar* other : list()) {
    if (other == this || other->pitting || other->damage >= 100) continue;
    const float ax = x + backX, ay = y + backY;
    const float bx = other->x + backX, by = other->y + backY;
    if (Distance(ax, ay, bx, by) >= kShipContactDistance) continue;
    const float a = AngleTo(ax, ay, bx, by);
    if (!(weaponshieldalpha > 0 && other->weaponshieldalpha == 0)) {
      xvel += CosDeg(a + 180) * other->speed * 0.25f;
      yvel += SinDeg(a + 180) * other->speed * 0.25f;
    }
    if (!(other->weaponshieldalpha > 0 && weaponshieldalpha == 0)) {
      other->xvel += CosDeg(a) * speed * 0.25f;
      other->yvel += SinDeg(a) * speed * 0.25f;
    }
    if (!RaceIsOver() && !other->RaceIsOver()) {
      const float amount = (std::fabs(speed) + std::fabs(other->speed)) * 0.1f * RaceTune.damage_cars;
      AddDamage(amount, 0);
      other->AddDamage(amount, 0);
    }
    PlayAt(SndCrashShip.get(), chn_MyFX, GetVolume());
    TParticle::Collision(static_cast<int>(ax), static_cast<int>(ay), direction, speed, colour);
    TParticle::Collision(static_cast<int>(bx), static_cast<int>(by), other->direction, other->speed, other->colour);
  }
}

int TCar::Hit(int weaponNumber, float pushx, float pushy) {
  const TRaceTunables& t = RaceTune;
  float d = 0;
  switch (weaponNumber) {
    case 1:
      d = t.weapondamage_plasma;
      break;
    case 2:
      d = IsHuman() ? t.weapondamage_plasma : t.weapondamage_plasma * 10;
      break;
    case 3:
    case 4:
      d = t.weapondamage_laser;
      break;
    case 5:
      d = t.weapondamage_mine;
      break;
    case 6:
      d = t.weapondamage_missile;
      break;
    case 8:
      d = t.weapondamage_cannon;
      break;
    case 10:
      d = t.weapondamage_bomb;
      break;
    default:
      d = 0;
  }
  if (damage >= 100) damage = 100;
  if (weaponNumber != 10) PlayAt(d < 20 ? SndExplosionSmall.get() : SndExplosionMedium.get(), Channel2, GetVolume());
  TParticle::Collision(static_cast<int>(x), static_cast<int>(y), direction, speed, colour);
  if (weaponshieldalpha > 0) {
    if (weaponNumber == 6 && IsHuman()) CheckAchievement(14);
    return 0;
  }
  switch (weaponNumber) {
    case 1:
    case 2:
    case 3:
    case 4:
      speed *= 0.7f;
      break;
    case 5:
      speed *= 0.2f;
      break;
    case 6:
      speed *= 0.6f;
      break;
    case 8:
      speed *= 0.9f;
      break;
    case 10:
      speed *= 0.4f;
      break;
    default:
      break;
  }
  xvel += pushx;
  yvel += pushy;
  AddDamage(d, 0);
  randomoffspell = GameTime;
  return damage >= 100 ? 1 : 0;
}

void TCar::AddDamage(float amount, int direct) {
  if (amount > 0) damagetaken = 1;
  const float old = damage;
  if (direct == 0) {
    // A ship table with a zero shield stat must not make the damage infinite.
    amount = shield > 0 ? static_cast<float>(amount / shield) : amount;
    if (weaponshieldalpha > 0 || RaceType == 3) return;
  }
  shieldalpha = 1;
  if (!RaceIsOver()) damage += amount;
  damage = std::min(damage, 100.0f);
  if (old < 100 && damage == 100) {
    dietime = GameTime;
    TParticle::Explosion(static_cast<int>(x), static_cast<int>(y), colour, 2, 1.5f);
    TWeapon_Bomb::Create(*this);
    speed = xvel = yvel = 0;
    QueueAnnouncement(VoiceEliminated.get());
    return;
  }
  if (IsHuman() && old < 80 && damage >= 80) QueueAnnouncement(VoiceDamageCritical.get());
}

void TCar::AddKill() {
  kills += 1;
  if (kills > 1 && IsHuman()) CheckAchievement(15);
}
