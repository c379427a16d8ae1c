// GameTime: the clock minus StartTime, with paused time taken out.
#pragma once

// GameTime = clock - StartTime.
void RefreshGameTime();
// Notes where a pause began (in GameTime).
void BeginPauseTime();
// Moves StartTime forward by the length of the pause, so that it does not count.
void EndPauseTime();
