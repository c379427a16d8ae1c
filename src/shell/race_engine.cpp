#include "shell/race_engine.h"

#include "platform/clock.h"
#include "shell/announcements.h"
#include "shell/game_state.h"
#include "shell/game_time.h"
#include "shell/log.h"

namespace {

void AdvanceTicks() {
  RefreshGameTime();
  const int now = MilliSecs();
  TickDelta = now - LastTick;
  LastTick = now;
  Accumulator += TickDelta;
  if (Accumulator > kMaxCatchUpMs) Accumulator = kMaxCatchUpMs;
}

// Runs the steps that the accumulated time pays for; returns 1 when the engine must end.
int RunDueSteps(RaceEngineClient& client) {
  while (Accumulator >= UpdateInterval) {
    client.Step();
    if (client.ProcessEvents() == 1) return 1;
    client.CheckInput();
    PlayQueuedSounds();
    Accumulator -= UpdateInterval;
  }
  return 0;
}

}  // namespace

void HeadlessRaceEngineClient::Render(float) { AdvanceVirtualClock(UpdateInterval); }

void RaceEngine(RaceEngineClient& client) {
  Log("RaceEngine");
  if (UpdateInterval <= 0) UpdateUpdateInterval();
  int done = 0;
  LastTick = MilliSecs();
  while (!done) {
    AdvanceTicks();
    done = RunDueSteps(client);
    const float tween = static_cast<float>(Accumulator) / static_cast<float>(UpdateInterval);
    if (!done) client.Render(tween);
  }
  Log("RaceEngine Finished");
}
