#include "platform/joystick.h"

#include <SDL.h>

#include "platform/clock.h"

namespace {

// SDL's first joystick, opened when first read and again after it was unplugged.
class TSdlJoystick : public TJoystickDevice {
 public:
  ~TSdlJoystick() override {
    if (joystick_) SDL_JoystickClose(joystick_);
    if (ready_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }

  int Count() override { return Ready() ? SDL_NumJoysticks() : 0; }

  bool Sample(TJoySample& out) override {
    if (!Ready()) return false;
    SDL_JoystickUpdate();
    if (joystick_ && !SDL_JoystickGetAttached(joystick_)) {
      SDL_JoystickClose(joystick_);
      joystick_ = nullptr;
    }
    if (!joystick_ && SDL_NumJoysticks() > 0) joystick_ = SDL_JoystickOpen(0);
    if (!joystick_) return false;
    out = TJoySample();
    const int axes = SDL_JoystickNumAxes(joystick_);
    for (int i = 0; i < kJoyAxes && i < axes; ++i) {
      out.axes[i] = NormaliseAxis(SDL_JoystickGetAxis(joystick_, i) + 32768, 0, 65535);
    }
    if (SDL_JoystickNumHats(joystick_) > 0) out.hat = HatFraction(SDL_JoystickGetHat(joystick_, 0));
    const int buttons = SDL_JoystickNumButtons(joystick_);
    for (int i = 0; i < kJoyButtons && i < buttons; ++i) {
      if (SDL_JoystickGetButton(joystick_, i)) out.buttons |= 1u << i;
    }
    return true;
  }

 private:
  bool Ready() {
    if (!tried_) {
      tried_ = true;
      ready_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    }
    return ready_;
  }

  static float HatFraction(Uint8 hat) {
    switch (hat) {
      case SDL_HAT_UP: return 0.0f;
      case SDL_HAT_RIGHTUP: return 0.125f;
      case SDL_HAT_RIGHT: return 0.25f;
      case SDL_HAT_RIGHTDOWN: return 0.375f;
      case SDL_HAT_DOWN: return 0.5f;
      case SDL_HAT_LEFTDOWN: return 0.625f;
      case SDL_HAT_LEFT: return 0.75f;
      case SDL_HAT_LEFTUP: return 0.875f;
      default: return -1.0f;
    }
  }

  SDL_Joystick* joystick_ = nullptr;
  bool tried_ = false;
  bool ready_ = false;
};

TJoystickPort& Port() {
  static TJoystickPort* port = new TJoystickPort(std::make_unique<TSdlJoystick>());
  return *port;
}

}  // namespace

float NormaliseAxis(int raw, int minimum, int maximum) {
  if (maximum == 0) return 0;
  return float(raw - minimum) * 2.0f / float(maximum) - 1.0f;
}

void TJoystickPort::Update() {
  const int now = MilliSecs();
  if (sampled_ && now - sampleTime_ < 1) return;
  const uint32_t before = sample_.buttons;
  TJoySample fresh;
  if (!device_->Sample(fresh)) fresh = TJoySample();
  sample_ = fresh;
  sampled_ = true;
  sampleTime_ = now;
  for (int i = 0; i < kJoyHitButtons; ++i) {
    const uint32_t bit = 1u << i;
    if ((sample_.buttons & bit) && !(before & bit)) ++hits_[i];
  }
}

float TJoystickPort::Axis(int axis) {
  Update();
  return axis >= 0 && axis < kJoyAxes ? sample_.axes[axis] : 0.0f;
}

float TJoystickPort::Hat() {
  Update();
  return sample_.hat;
}

int TJoystickPort::Down(int button) {
  Update();
  return button >= 0 && button < kJoyButtons ? int((sample_.buttons >> button) & 1u) : 0;
}

int TJoystickPort::Hit(int button) {
  Update();
  if (button < 0 || button >= kJoyHitButtons) return 0;
  const int hits = hits_[button];
  hits_[button] = 0;
  return hits;
}

void TJoystickPort::Flush() {
  Update();
  for (int& hit : hits_) hit = 0;
  // Held buttons count as already seen, so they give no fresh hit until released.
}

int JoyCount() { return Port().Count(); }
float JoyX(int port) { return port == 0 ? Port().Axis(0) : 0.0f; }
float JoyY(int port) { return port == 0 ? Port().Axis(1) : 0.0f; }
float JoyZ(int port) { return port == 0 ? Port().Axis(2) : 0.0f; }
float JoyR(int port) { return port == 0 ? Port().Axis(3) : 0.0f; }
float JoyU(int port) { return port == 0 ? Port().Axis(4) : 0.0f; }
float JoyV(int port) { return port == 0 ? Port().Axis(5) : 0.0f; }
float JoyHat(int port) { return port == 0 ? Port().Hat() : -1.0f; }
int JoyDown(int button, int port) { return port == 0 ? Port().Down(button) : 0; }
int JoyHit(int button, int port) { return port == 0 ? Port().Hit(button) : 0; }
void FlushJoy(int) { Port().Flush(); }

void SetJoystickDevice(std::unique_ptr<TJoystickDevice> device) {
  Port() = TJoystickPort(device ? std::move(device) : std::make_unique<TSdlJoystick>());
}
