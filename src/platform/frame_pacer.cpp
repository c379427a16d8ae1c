#include "platform/frame_pacer.h"

#include "platform/clock.h"

void TFramePacer::Wait(int hertz) {
  if (hertz <= 0) return;
  const int now = MilliSecs();
  if (!started_) {
    started_ = true;
    nextFrame_ = now;
    fraction_ = 0;
  }
  if (now < nextFrame_) {
    Delay(nextFrame_ - now);
  } else {
    nextFrame_ = now;
  }
  nextFrame_ += 1000 / hertz;
  fraction_ += 1000 % hertz;
  if (fraction_ >= hertz) {
    fraction_ -= hertz;
    nextFrame_ += 1;
  }
}
