#include "race/race_hooks.h"

TRaceHooks RaceHooks;

void CheckAchievement(int event) {
  if (RaceHooks.checkAchievement) RaceHooks.checkAchievement(event);
}
