// The one millisecond clock. Every reading of time in the game goes through MilliSecs(),
// so that a headless run can swap in a virtual clock that only moves when told to.
#pragma once

// Milliseconds since an arbitrary start; wraps after about 24 days, which the game ignores.
int MilliSecs();

// Switches to a virtual clock that starts at startMs and advances only by AdvanceVirtualClock.
void UseVirtualClock(int startMs = 0);
// Back to the system's steady clock.
void UseSystemClock();
bool VirtualClockActive();
// Moves the virtual clock forward; does nothing while the system clock is in use.
void AdvanceVirtualClock(int ms);
// Waits: sleeps on the system clock, advances the virtual one.
void Delay(int ms);
