// Frame pacing of our own: hertz frames take exactly one second, the remainder of
// 1000 / hertz carried in a fraction counter; a late frame moves the schedule up to now.
#pragma once

class TFramePacer {
 public:
  // Sleeps (through the game clock) until the next frame is due, then schedules the one after.
  void Wait(int hertz);
  void Reset() { started_ = false; }

 private:
  bool started_ = false;
  int nextFrame_ = 0;
  int fraction_ = 0;
};
