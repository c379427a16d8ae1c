// The polled store fed by synthetic SDL events, and the joystick port over a stand-in device.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/clock.h"
#include "platform/input.h"
#include "platform/joystick.h"
#include "platform/key_codes.h"
#include "platform/sdl_events.h"

namespace {

SDL_Event KeyEvent(Uint32 type, SDL_Scancode scancode, bool repeat = false) {
  SDL_Event event{};
  event.type = type;
  event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
  return event;
}

class SdlInput : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
    PollSystem();
    FlushKeys();
    FlushMouse();
    AppTerminate();
  }
  void TearDown() override { SDL_QuitSubSystem(SDL_INIT_EVENTS); }
  static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }
};

}  // namespace

TEST_F(SdlInput, HoldingAKeyGivesOneHitHoweverLongItRepeats) {
  Push(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_LEFT));
  for (int i = 0; i < 20; ++i) Push(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_LEFT, true));
  EXPECT_EQ(KeyDown(37), 1);
  EXPECT_EQ(KeyHit(37), 1);
  EXPECT_EQ(KeyHit(37), 0) << "reading resets the count";
  Push(KeyEvent(SDL_KEYUP, SDL_SCANCODE_LEFT));
  EXPECT_EQ(KeyDown(37), 0);
  Push(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_LEFT));
  Push(KeyEvent(SDL_KEYUP, SDL_SCANCODE_LEFT));
  Push(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_LEFT));
  EXPECT_EQ(KeyHit(37), 2);
}

TEST_F(SdlInput, ShiftControlAndAltReportTheirSide) {
  const std::pair<SDL_Scancode, int> sides[] = {{SDL_SCANCODE_LSHIFT, 160}, {SDL_SCANCODE_RSHIFT, 161},
                                                {SDL_SCANCODE_LCTRL, 162},  {SDL_SCANCODE_RCTRL, 163},
                                                {SDL_SCANCODE_LALT, 164},   {SDL_SCANCODE_RALT, 165}};
  for (const auto& [scancode, code] : sides) {
    Push(KeyEvent(SDL_KEYDOWN, scancode));
    EXPECT_EQ(KeyDown(code), 1) << code;
    EXPECT_EQ(KeyDown(16) + KeyDown(17) + KeyDown(18), 0) << "never the generic code";
    Push(KeyEvent(SDL_KEYUP, scancode));
  }
}

TEST(KeyCodes, SdlKeysMapToWindowsVirtualKeys) {
  const std::pair<SDL_Scancode, int> keys[] = {
      {SDL_SCANCODE_UP, 38},    {SDL_SCANCODE_A, 65},       {SDL_SCANCODE_0, 48},       {SDL_SCANCODE_9, 57},
      {SDL_SCANCODE_F5, 116},   {SDL_SCANCODE_RETURN, 13},  {SDL_SCANCODE_ESCAPE, 27},  {SDL_SCANCODE_SPACE, 32},
      {SDL_SCANCODE_KP_0, 96},  {SDL_SCANCODE_KP_9, 105},   {SDL_SCANCODE_MINUS, 189},  {SDL_SCANCODE_GRAVE, 192},
      {SDL_SCANCODE_NONUSBACKSLASH, 226}, {SDL_SCANCODE_LGUI, 91}, {SDL_SCANCODE_UNKNOWN, 0}};
  for (const auto& [scancode, code] : keys) {
    EXPECT_EQ(VirtualKeyCode(scancode, SDLK_UNKNOWN), code) << SDL_GetScancodeName(scancode);
  }
}

TEST_F(SdlInput, TypedTextQueuesUtf16UnitsAndEditingKeysTheirControlCodes) {
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "a\xC3\xA9\xF0\x9F\x98\x80", sizeof text.text.text);
  Push(text);
  Push(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE));
  EXPECT_EQ(GetChar(), 'a');
  EXPECT_EQ(GetChar(), 0xE9);
  EXPECT_EQ(GetChar(), 0xD83D);
  EXPECT_EQ(GetChar(), 0xDE00);
  EXPECT_EQ(GetChar(), 8);
  EXPECT_EQ(GetChar(), 0);
}

TEST(InputStore, CharacterQueueHoldsTwoHundredAndFiftySixAndDropsTheRest) {
  TInputStore store;
  for (int i = 0; i < 300; ++i) store.OnEvent({kEventKeyChar, 1000 + i, 0, 0});
  for (int i = 0; i < 256; ++i) ASSERT_EQ(store.GetChar(), 1000 + i);
  EXPECT_EQ(store.GetChar(), 0);
}

TEST(InputStore, OnlyKeyCodesOneTo255AreKept) {
  TInputStore store;
  for (int code : {0, 256, -3}) {
    store.OnEvent({kEventKeyDown, code, 0, 0});
    EXPECT_EQ(store.KeyDown(code), 0);
    EXPECT_EQ(store.KeyHit(code), 0);
  }
}

TEST_F(SdlInput, MouseButtonsPositionAndWheel) {
  SDL_Event down{};
  down.type = SDL_MOUSEBUTTONDOWN;
  down.button.button = SDL_BUTTON_RIGHT;
  down.button.x = 12;
  down.button.y = 34;
  Push(down);
  SDL_Event move{};
  move.type = SDL_MOUSEMOTION;
  move.motion.x = 56;
  move.motion.y = 78;
  Push(move);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = 2;
  Push(wheel);
  wheel.wheel.y = -3;
  Push(wheel);
  EXPECT_EQ(MouseDown(2), 1);
  EXPECT_EQ(MouseHit(2), 1);
  EXPECT_EQ(MouseDown(1), 0);
  EXPECT_EQ(MouseX(), 56);
  EXPECT_EQ(MouseY(), 78);
  EXPECT_EQ(MouseZ(), -1);
  FlushMouse();
  EXPECT_EQ(MouseZ(), 0);
  EXPECT_EQ(MouseDown(2), 0);
}

TEST_F(SdlInput, FocusLossFlushesAndCloseRequestReadsOnce) {
  Push(KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_A));
  SDL_Event focus{};
  focus.type = SDL_WINDOWEVENT;
  focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  Push(focus);
  EXPECT_EQ(AppSuspended(), 1);
  EXPECT_EQ(KeyDown(65), 0);
  EXPECT_EQ(KeyHit(65), 0);
  focus.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  Push(focus);
  EXPECT_EQ(AppSuspended(), 0);
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  Push(close);
  EXPECT_EQ(AppTerminate(), 1);
  EXPECT_EQ(AppTerminate(), 0);
}

TEST(SdlEvents, EventsOfOtherWindowsAreDropped) {
  SDL_Event key = KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_A);
  key.key.windowID = 7;
  std::vector<TInputEvent> out;
  TranslateSdlEvent(key, 3, out);
  EXPECT_TRUE(out.empty());
  TranslateSdlEvent(key, 7, out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].id, kEventKeyDown);
  EXPECT_EQ(out[0].data, 65);
}

TEST(InputListeners, HearEveryEventUntilRemoved) {
  int heard = 0;
  const int id = AddInputListener([&](const TInputEvent& e) { heard += e.id == kEventMouseMove ? 1 : 0; });
  EmitInputEvent({kEventMouseMove, 0, 1, 2});
  RemoveInputListener(id);
  EmitInputEvent({kEventMouseMove, 0, 1, 2});
  EXPECT_EQ(heard, 1);
}

namespace {

// A joystick whose readings the test sets; counts how often it was sampled.
class FakeJoystick : public TJoystickDevice {
 public:
  explicit FakeJoystick(TJoySample* sample, int* samples) : sample_(sample), samples_(samples) {}
  int Count() override { return 1; }
  bool Sample(TJoySample& out) override {
    ++*samples_;
    out = *sample_;
    return true;
  }

 private:
  TJoySample* sample_;
  int* samples_;
};

class Joystick : public testing::Test {
 protected:
  void SetUp() override {
    UseVirtualClock(0);
    SetJoystickDevice(std::make_unique<FakeJoystick>(&sample_, &samples_));
  }
  void TearDown() override {
    SetJoystickDevice(nullptr);
    UseSystemClock();
  }
  void Press(int button, bool down) {
    sample_.buttons = down ? (sample_.buttons | 1u << button) : (sample_.buttons & ~(1u << button));
    AdvanceVirtualClock(1);
  }
  TJoySample sample_;
  int samples_ = 0;
};

}  // namespace

TEST_F(Joystick, HitsCountPressesPerButtonUntilRead) {
  for (int i = 0; i < 3; ++i) {
    Press(4, true);
    EXPECT_EQ(JoyDown(4), 1);
    Press(4, false);
    EXPECT_EQ(JoyDown(4), 0);
  }
  EXPECT_EQ(JoyHit(4), 3);
  EXPECT_EQ(JoyHit(4), 0);
  Press(16, true);
  EXPECT_EQ(JoyDown(16), 1);
  EXPECT_EQ(JoyHit(16), 1) << "the first seventeen buttons count presses";
  Press(20, true);
  EXPECT_EQ(JoyHit(20), 0);
}

TEST_F(Joystick, FlushClearsHitsAndAHeldButtonGivesNoFreshHit) {
  Press(2, true);
  EXPECT_EQ(JoyDown(2), 1);
  FlushJoy(-1);
  AdvanceVirtualClock(5);
  EXPECT_EQ(JoyHit(2), 0);
  EXPECT_EQ(JoyDown(2), 1);
}

TEST_F(Joystick, SamplesAtMostOnceAMillisecond) {
  JoyX();
  const int before = samples_;
  for (int i = 0; i < 10; ++i) JoyX(), JoyY(), JoyDown(0);
  EXPECT_EQ(samples_, before);
  AdvanceVirtualClock(1);
  JoyX();
  EXPECT_EQ(samples_, before + 1);
}

TEST_F(Joystick, AxesHatAndOtherPorts) {
  sample_.axes[0] = -0.5f;
  sample_.axes[2] = 0.75f;
  sample_.hat = 0.25f;
  AdvanceVirtualClock(1);
  EXPECT_FLOAT_EQ(JoyX(), -0.5f);
  EXPECT_FLOAT_EQ(JoyZ(), 0.75f);
  EXPECT_FLOAT_EQ(JoyHat(), 0.25f);
  EXPECT_EQ(JoyX(1), 0) << "only port 0 is read";
  EXPECT_EQ(JoyCount(), 1);
}

TEST(JoystickAxis, NormalisesTheDeviceRangeToAboutMinusOneToOne) {
  EXPECT_FLOAT_EQ(NormaliseAxis(0, 0, 65535), -1.0f);
  EXPECT_FLOAT_EQ(NormaliseAxis(65535, 0, 65535), 1.0f);
  EXPECT_NEAR(NormaliseAxis(32768, 0, 65535), 0.0f, 1e-4);
  EXPECT_EQ(NormaliseAxis(5, 0, 0), 0.0f);
}

TEST(JoystickAbsent, ReadsAsReleasedAndZero) {
  // With no joystick device SDL reports none; every query is released and 0.
  if (JoyCount() > 0) GTEST_SKIP() << "a real joystick is plugged in";
  EXPECT_EQ(JoyX(), 0);
  EXPECT_EQ(JoyDown(0), 0);
  EXPECT_EQ(JoyHit(0), 0);
  EXPECT_EQ(JoyHat(), -1);
}
