// The first joystick, sampled on demand: six axes normalised to about -1 .. 1, the hat as a
// fraction of a turn (-1 centred), button states and per-button hit counts.
#pragma once

#include <cstdint>
#include <memory>

inline constexpr int kJoyAxes = 6;          // X, Y, Z, R, U, V
inline constexpr int kJoyButtons = 32;
inline constexpr int kJoyHitButtons = 17;  // buttons whose presses are counted

struct TJoySample {
  float axes[kJoyAxes] = {0, 0, 0, 0, 0, 0};
  float hat = -1;
  uint32_t buttons = 0;
};

// Where samples come from: SDL's first joystick, or a stand-in in tests.
class TJoystickDevice {
 public:
  virtual ~TJoystickDevice() = default;
  virtual int Count() = 0;
  // False when no joystick can be read now.
  virtual bool Sample(TJoySample& out) = 0;
};

class TJoystickPort {
 public:
  explicit TJoystickPort(std::unique_ptr<TJoystickDevice> device) : device_(std::move(device)) {}
  // Samples the device, at most once a millisecond of the game clock.
  void Update();
  int Count() { return device_->Count(); }
  float Axis(int axis);
  float Hat();
  int Down(int button);
  // Presses since last asked; resets the count.
  int Hit(int button);
  void Flush();

 private:
  std::unique_ptr<TJoystickDevice> device_;
  TJoySample sample_;
  int hits_[kJoyHitButtons] = {};
  bool sampled_ = false;
  int sampleTime_ = 0;
};

// A raw axis reading in minimum .. maximum as (raw - minimum) x 2 / maximum - 1.
float NormaliseAxis(int raw, int minimum, int maximum);

int JoyCount();
float JoyX(int port = 0);
float JoyY(int port = 0);
float JoyZ(int port = 0);
float JoyR(int port = 0);
float JoyU(int port = 0);
float JoyV(int port = 0);
float JoyHat(int port = 0);
int JoyDown(int button, int port = 0);
int JoyHit(int button, int port = 0);
// Clears button states and hit counts of every port (the mask is kept for callers' sake).
void FlushJoy(int mask = -1);
// Replaces the device behind port 0 (tests); null goes back to SDL's joystick.
void SetJoystickDevice(std::unique_ptr<TJoystickDevice> device);
