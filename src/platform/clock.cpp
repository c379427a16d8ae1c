#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace {

bool virtualActive = false;
long long virtualNow = 0;

long long SystemMilliSecs() {
  using namespace std::chrono;
  static const steady_clock::time_point origin = steady_clock::now();
  return duration_cast<milliseconds>(steady_clock::now() - origin).count();
}

}  // namespace

int MilliSecs() {
  // Truncation to 32 bits is the wrap the game accepts.
  return static_cast<int>(virtualActive ? virtualNow : SystemMilliSecs());
}

void UseVirtualClock(int startMs) {
  virtualActive = true;
  virtualNow = startMs;
}

void UseSystemClock() { virtualActive = false; }

bool VirtualClockActive() { return virtualActive; }

void AdvanceVirtualClock(int ms) {
  if (virtualActive && ms > 0) virtualNow += ms;
}

void Delay(int ms) {
  if (ms <= 0) return;
  if (virtualActive) {
    virtualNow += ms;
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
}
