// What every fired weapon shares: the class list, launching and moving, the wall, ship and
// mine tests, expiring, the distance volume and drawing.
#include "race/weapon.h"

#include <algorithm>

#include "platform/audio_driver.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "race/car.h"
#include "race/geometry.h"
#include "race/particle.h"
#include "race/race_hooks.h"
#include "shell/draw_helpers.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "track/track.h"

namespace {
constexpr int kLightBlend = 4;
// How close a shot must come to a mine or a bomb to set it off.
constexpr float kMineReach = 20;
// Drawn while within this margin of the screen, so pictures slide in and out at the edges.
constexpr float kDrawMargin = 32;
// Achievement event: the player's shot set off a bomb.
constexpr int kEventShotBomb = 16;

TWeaponTunables& TuneStore() {
  static TWeaponTunables tune;
  return tune;
}
}  // namespace

std::vector<std::unique_ptr<TWeapon>>& TWeapon::list() {
  static std::vector<std::unique_ptr<TWeapon>> weapons;
  return weapons;
}

void TWeapon::LoadTunables() { TuneStore() = ReadWeaponTunables(); }

TWeaponTunables& TWeapon::Tunables() {
  static const bool loaded = (LoadTunables(), true);
  (void)loaded;
  return TuneStore();
}

// Weapons made during the walk (a wreck's bomb) are appended and walked too; expired ones
// are skipped and swept out afterwards, which moves pointers but allocates nothing.
void TWeapon::UpdateAll() {
  auto& weapons = list();
  for (size_t i = 0; i < weapons.size(); ++i) {
    if (!weapons[i]->expired) weapons[i]->Update();
  }
  std::erase_if(weapons, [](const std::unique_ptr<TWeapon>& w) { return w->expired; });
}

void TWeapon::DrawAll(float tween) {
  SetDrawState(255, 255, 255, 1.0f, kLightBlend);
  const float scale = Track ? Track->scale : 1.0f;
  SetScale(scale, scale);
  for (const auto& weapon : list()) {
    if (!weapon->expired) weapon->Draw(tween);
  }
  SetDrawState(255, 255, 255, 1.0f, kLightBlend);
}

void TWeapon::ClearAll() {
  Log("TWeapon.ClearAll");
  for (const auto& weapon : list()) weapon->Expire(1);
  list().clear();
}

void TWeapon::Launch(const TCar& ship, TImage* picture, float launchSpeed, TSound* firingSound) {
  x = oldx = ship.x;
  y = oldy = ship.y;
  direction = ship.direction;
  speed = launchSpeed;
  firedby = ship.id;
  colour = ship.colour;
  img = picture;
  if (firingSound) PlaySound(firingSound, ship.chn_MyFX)->SetVolume(ship.GetVolume());
}

void TWeapon::MoveForward() {
  oldx = x;
  oldy = y;
  x += CosDeg(direction) * speed;
  y += SinDeg(direction) * speed;
}

bool TWeapon::CheckWalls() {
  if (!Track) return false;
  const TWayPoint* previous = nullptr;
  for (const TWayPoint& point : Track->l_wallpoints) {
    if (point.id > 0 && previous) {
      const auto cross = TInterceptPoint::Intersect(oldx, oldy, x, y, static_cast<float>(point.x),
                                                    static_cast<float>(point.y), static_cast<float>(previous->x),
                                                    static_cast<float>(previous->y));
      if (cross.intercept) {
        x = oldx;
        y = oldy;
        // Mirrored in the wall line: 2w - direction.
        const float w = AngleTo(static_cast<float>(point.x), static_cast<float>(point.y),
                                static_cast<float>(previous->x), static_cast<float>(previous->y));
        direction = w + AngleDiff(direction, w);
        return true;
      }
    }
    previous = &point;
  }
  return false;
}

TCar* TWeapon::CheckShips(float radius) const {
  for (TCar* ship : TCar::list()) {
    if (ship->damage < 100 && ship->id != firedby && Distance(x, y, ship->x, ship->y) < radius) return ship;
  }
  return nullptr;
}

// Within reach of a mine or bomb; the distance test comes first because the track fills up
// with mines over a long race and most are far away.
bool TWeapon::Near(const TWeapon& other) const {
  const float dx = other.x - x, dy = other.y - y;
  return dx * dx + dy * dy < kMineReach * kMineReach;
}

// Another ship's mine first, then any bomb; a bomb set off this way goes without its blast.
bool TWeapon::CheckMines() {
  TWeapon* found = nullptr;
  for (const auto& other : list()) {
    if (Near(*other) && other.get() != this && !other->expired && other->IsMine() && other->firedby != firedby) {
      found = other.get();
      break;
    }
  }
  if (!found) {
    for (const auto& other : list()) {
      if (Near(*other) && other.get() != this && !other->expired && other->IsBomb()) {
        found = other.get();
        break;
      }
    }
    if (!found) return false;
    const TCar* owner = TCar::SelectById(firedby);
    if (owner && owner->IsHuman()) CheckAchievement(kEventShotBomb);
  }
  found->Expire(1);
  PlaySound(SndExplosionMedium.get(), Channel2)->SetVolume(GetVolume());
  return true;
}

void TWeapon::Expire(int type) {
  if (expired) return;
  expired = true;
  const int ix = static_cast<int>(x), iy = static_cast<int>(y);
  if (type == 1 || type == 2 || type == 4) {
    TParticle::Explosion(ix, iy, colour, type, 1.0f);
  } else if (type == 3) {
    TParticle::Explosion(ix, iy, colour, 1, 1.0f);
    TParticle::Explosion(ix, iy, colour, 2, 1.0f);
  }
}

float TWeapon::GetVolume() const {
  const TCar* player = TCar::SelectHumanCar();
  if (!player) return 0;
  // Right on top of the player the volume would divide by zero; one pixel is close enough.
  const float distance = std::max(1.0f, Distance(x, y, player->x, player->y));
  return 100.0f / distance * FxVolume;
}

void TWeapon::CreditHit(int destroyed, const TCar& victim, int achievementEvent) const {
  if (!destroyed) return;
  TCar* firer = TCar::SelectById(firedby);
  if (!firer || firer == &victim) return;
  if (firer->IsHuman()) CheckAchievement(achievementEvent);
  firer->AddKill();
}

void TWeapon::Draw(float tween) {
  const float scale = Track ? Track->scale : 1.0f;
  const float viewx = Track ? CameraX * tween + Track->prevcamerax * (1 - tween) : CameraX;
  const float viewy = Track ? CameraY * tween + Track->prevcameray * (1 - tween) : CameraY;
  const float px = (x * tween + oldx * (1 - tween)) * scale + viewx;
  const float py = (y * tween + oldy * (1 - tween)) * scale + viewy;
  if (px <= -kDrawMargin || py <= -kDrawMargin || px >= static_cast<float>(ScreenW) + kDrawMargin ||
      py >= static_cast<float>(ScreenH) + kDrawMargin) {
    return;
  }
  SetRotation(direction);
  SetColourText(colour);
  DrawImage(img, px, py, 0);
}
