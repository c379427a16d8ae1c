// The terrain sound that follows each ship (thrust on tarmac, grid hum off the road, the
// recharge in the pit lane), its sparks, and the rule that fades other ships with distance.
#include <cmath>

#include "platform/audio_driver.h"
#include "race/car.h"
#include "race/geometry.h"
#include "race/particle.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/random.h"
#include "track/track.h"

namespace {

constexpr int kOffTrack = 0;
constexpr int kTarmac = 1;
constexpr int kPitLane = 2;
// No surface has this number: the next update starts the terrain sound afresh.
constexpr int kNoTerrain = 1000;
constexpr int kEliminator = 3;
constexpr int kSurvival = 4;

TSound* TerrainSound(int terrain) {
  switch (terrain) {
    case kTarmac: return SndThrust.get();
    case kOffTrack: return SndGrid.get();
    case kPitLane: return SndRecharge.get();
    default: return nullptr;
  }
}

void Sparks(int x, int y, const std::string& colour) {
  if (Rand(1, 2) == 1) {
    TParticle::Energize(x, y, 2, 40, colour, Rnd(1.5f, 3));
  } else {
    TParticle::Energize(x, y, 1, 30, colour, Rnd(1.5f, 3));
  }
}

}  // namespace

void TCar::DoEngineSound() {
  if (Track->racestatus == 0 && !IsHuman()) return;
  terrain = GetTerrain(1, x, y);
  if (terrain != oldterrain) {
    if (chn_MyTerrain) chn_MyTerrain->Stop();
    chn_MyTerrain.reset();
    if (terrain == kTarmac || terrain == kOffTrack || terrain == kPitLane) {
      chn_MyTerrain = AllocChannel();
      if (chn_MyTerrain) {
        chn_MyTerrain->SetVolume(GetVolume());
        PlaySound(TerrainSound(terrain), chn_MyTerrain.get());
      }
    }
  }
  if (terrain == kOffTrack) Sparks(int(x), int(y), Track->s_Colour);
  if (terrain == kPitLane && RaceType != kEliminator && RaceType != kSurvival) Sparks(int(x), int(y), "$FF00FF00");
  if (chn_MyTerrain) {
    float rate = 1.0f;
    if (terrain == kTarmac && topspeed != 0) rate = 1 + std::fabs(speed / float(topspeed));
    chn_MyTerrain->SetRate(rate);
    if (damage >= 100) chn_MyTerrain->SetVolume(0);
  }
  oldterrain = terrain;
}

float TCar::GetDistanceFromHumanCar() const {
  if (IsHuman()) return 1;
  const TCar* human = SelectHumanCar();
  if (!human || human == this) return 1;
  const float distance = Distance(x, y, human->x, human->y);
  return distance < 1 ? 1 : distance;
}

float TCar::GetVolume() const {
  if (IsHuman()) return FxVolume;
  return FxVolume * 100 / GetDistanceFromHumanCar();
}

void TCar::PauseSound(int paused) {
  for (TCar* ship : list()) {
    if (paused) {
      if (ship->chn_MyTerrain) ship->chn_MyTerrain->SetVolume(0);
    } else {
      ship->oldterrain = kNoTerrain;
    }
  }
}
