#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/input.h"
#include "platform/joystick.h"
#include "shell/controls.h"
#include "shell/game_state.h"

namespace {

class StandInJoystick : public TJoystickDevice {
 public:
  explicit StandInJoystick(TJoySample* sample) : sample_(sample) {}
  int Count() override { return 1; }
  bool Sample(TJoySample& out) override {
    out = *sample_;
    return true;
  }

 private:
  TJoySample* sample_;
};

class ControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    UseVirtualClock(0);
    SetJoystickDevice(std::make_unique<StandInJoystick>(&joy_));
    std::copy(std::begin(Controls), std::end(Controls), saved_);
    InputStore().FlushKeys();
    BuildKeyNames();
  }
  void TearDown() override {
    std::copy(std::begin(saved_), std::end(saved_), Controls);
    SetJoystickDevice(nullptr);
    SetControlTextLookup(nullptr);
    UseSystemClock();
  }
  void SetJoy(int axis, float value) {
    joy_.axes[axis] = value;
    AdvanceVirtualClock(1);
  }
  static void Key(int id, int code) { InputStore().OnEvent({id, code, 0, 0}); }

  TJoySample joy_;
  int saved_[kControlCount] = {};
};

}  // namespace

TEST_F(ControlsTest, UnboundControlNeverFires) {
  Controls[2] = 0;
  Key(kEventKeyDown, 0);
  EXPECT_EQ(ControlDown(2), 0);
  EXPECT_EQ(ControlHit(2), 0);
  EXPECT_EQ(ControlName(2), "");
}

TEST_F(ControlsTest, KeyBindingFollowsTheKey) {
  Controls[6] = 161;
  Key(kEventKeyDown, 161);
  EXPECT_EQ(ControlDown(6), 1);
  EXPECT_EQ(ControlHit(6), 1);
  EXPECT_EQ(ControlHit(6), 0);
  EXPECT_EQ(ControlName(6), "key_ShiftRight");
  Key(kEventKeyUp, 161);
  EXPECT_EQ(ControlDown(6), 0);
}

TEST_F(ControlsTest, AxisBindingsFireBeyondFourTenths) {
  struct Case {
    int code, axis;
    float value;
    int down;
  };
  const Case cases[] = {{-100, 0, -0.5f, 1}, {-100, 0, -0.3f, 0}, {-101, 0, 0.5f, 1}, {-101, 0, -0.5f, 0},
                        {-102, 1, -0.41f, 1}, {-103, 1, 0.9f, 1},  {-104, 2, -0.5f, 1}, {-105, 2, 0.5f, 1},
                        {-104, 2, -1.1f, 0},  {-104, 2, -2.0f, 0}, {-106, 3, 1.0f, 0}};
  for (const Case& c : cases) {
    Controls[0] = c.code;
    joy_ = TJoySample();
    SetJoy(c.axis, c.value);
    EXPECT_EQ(ControlDown(0), c.down) << c.code << " at " << c.value;
  }
}

TEST_F(ControlsTest, AxisHitIsTheMoveIntoItsDirection) {
  Controls[4] = -101;
  SetJoy(0, 0.9f);
  EXPECT_EQ(ControlHit(4), 1);
  EXPECT_EQ(ControlHit(4), 0) << "held: no second hit";
  SetJoy(0, 0.0f);
  EXPECT_EQ(ControlHit(4), 0);
  SetJoy(0, 0.9f);
  EXPECT_EQ(ControlHit(4), 1);
}

TEST_F(ControlsTest, JoystickButtonBindings) {
  Controls[3] = -1;  // button 0
  joy_.buttons = 1;
  AdvanceVirtualClock(1);
  EXPECT_EQ(ControlDown(3), 1);
  EXPECT_EQ(ControlHit(3), 1);
  EXPECT_EQ(ControlHit(3), 0);
  EXPECT_EQ(ControlName(3), "tla_JoyButton 1");
}

TEST_F(ControlsTest, NamesOfAxesHatsAndKeys) {
  SetControlTextLookup([](const std::string& key) { return key == "tla_JoyAxis" ? "Axis" : "<" + key + ">"; });
  const std::pair<int, std::string> names[] = {{-100, "Axis X"},           {-103, "Axis Y"},
                                               {-105, "Axis Z"},           {-106, "Axis R"},
                                               {-109, "Axis U"},           {-111, "<tla_JoyHat> <Right>"},
                                               {-114, ""},                 {-7, "<tla_JoyButton> 7"},
                                               {37, "key_CursorLeft"},     {3, ""},
                                               {65, "key_A"},              {123, "key_F12"},
                                               {105, "key_Numpad9"},       {226, "key_Backslash"}};
  for (const auto& [code, name] : names) {
    Controls[1] = code;
    EXPECT_EQ(ControlName(1), name) << code;
  }
}

TEST(KeyNames, AreBuiltFromTheNameKeysThroughTheLookup) {
  BuildKeyNames([](const std::string& key) { return "T:" + key; });
  EXPECT_EQ(KeyNames[161], "T:key_ShiftRight");
  EXPECT_EQ(KeyNames[48], "T:key_0");
  EXPECT_EQ(KeyNames[3], "");
  EXPECT_EQ(KeyNames[299], "");
  BuildKeyNames();
  EXPECT_EQ(KeyNames[32], "key_Space");
}
