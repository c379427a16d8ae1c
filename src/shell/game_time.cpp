#include "shell/game_time.h"

#include "platform/clock.h"
#include "shell/game_state.h"

namespace {
int pauseStart = 0;
}

void RefreshGameTime() { GameTime = MilliSecs() - StartTime; }

void BeginPauseTime() {
  RefreshGameTime();
  pauseStart = GameTime;
}

void EndPauseTime() {
  RefreshGameTime();
  StartTime += GameTime - pauseStart;
  RefreshGameTime();
}
