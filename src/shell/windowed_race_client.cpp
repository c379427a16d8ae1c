// The race engine's passes in a window: stepping, the race keys, pausing, and the end once
// the player's results have been shown.
#include "platform/input.h"
#include "platform/joystick.h"
#include "race/car.h"
#include "shell/controls.h"
#include "shell/game_state.h"
#include "shell/game_time.h"
#include "shell/log.h"
#include "shell/race_session.h"
#include "shell/render_race.h"
#include "shell/windowed_race.h"
#include "track/track.h"

namespace {

constexpr int kRacing = 2;
constexpr int kPaused = 3;
constexpr int kPauseControl = 4;
constexpr int kShootControl = 6;
constexpr int kEscape = 27;
constexpr int kReturn = 13;
constexpr int kLeftControl = 162;
constexpr int kKeyC = 67, kKeyD = 68, kKeyM = 77;
constexpr int kExplosionToResultsMs = 2500;

bool PauseAsked() { return ControlHit(kPauseControl) || KeyHit(kEscape); }

void CheckDebugKeys() {
  if (!KeyDown(kLeftControl)) return;
  if (KeyHit(kKeyM)) DebugMode = DebugMode ? 0 : 1;
  if (!DebugMode) return;
  if (TCar* player = TCar::SelectPlayerCar(); player && KeyHit(kKeyD)) player->damage = player->damage <= 90 ? 100.0f : 0.0f;
  if (KeyHit(kKeyC)) Track->SetTrackColour(Track->i_Colour + 1);
}

}  // namespace

void PauseRace() {
  Log("Pause");
  if (Track->mode == kPaused) {
    Track->mode = kRacing;
    TCar::PauseSound(0);
    EndPauseTime();
  } else {
    Track->mode = kPaused;
    TCar::PauseSound(1);
    BeginPauseTime();
  }
  FlushKeys();
  FlushJoy();
}

void TWindowedRaceClient::Step() { StepRace(); }

int TWindowedRaceClient::ProcessEvents() {
  if (AppTerminate()) {
    closed_ = true;
    return 1;
  }
  const TCar* player = TCar::SelectPlayerCar();
  const bool over = player ? player->RaceIsOver() != 0 : AllShipsDone();
  if (!over || Track->mode != kRacing) return 0;
  if (overSince_ == 0) overSince_ = GameTime;
  // The results come 2.5 s after an explosion; then they stay a while, or until the player
  // has seen enough.
  const int shownAt = overSince_ + (player && player->dietime > 0 ? kExplosionToResultsMs : 0);
  if (GameTime > shownAt && (ControlHit(kShootControl) || KeyHit(kReturn))) return 1;
  return GameTime > shownAt + kResultsShownMs ? 1 : 0;
}

void TWindowedRaceClient::CheckInput() {
  if (Track->mode == kRacing) {
    const TCar* player = TCar::SelectPlayerCar();
    if (PauseAsked() && !(player && player->RaceIsOver())) PauseRace();
    CheckDebugKeys();
  } else if (Track->mode == kPaused) {
    if (PauseAsked()) PauseRace();
  }
  Track->tilesize = Track->mastertilesize * Track->scale;
}

void TWindowedRaceClient::Render(float tween) { RenderRace(tween); }
