// A bridge opened on a running stand-in client with a logged-on user, its first events read.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "bridge/orvelink.h"
#include "bridge/steam_stand_in/steam_stand_in.h"

inline constexpr uint32_t kTestAppId = 0x2A5F31;
inline constexpr uint64_t kTestUserId = 0x0110000100000042ull;  // low 32 bits: 66

// Everything pending, until ReadSteam comes back empty.
inline std::string ReadAllSteam() {
  std::string all;
  for (const char* text = ReadSteam(); *text; text = ReadSteam()) all += text;
  return all;
}

// What the bridge wrote to its debugger output while running action.
inline std::string DebuggerOutputOf(const std::function<void()>& action) {
  setenv("ORVELINK_DEBUG", "1", 1);
  testing::internal::CaptureStderr();
  action();
  std::string output = testing::internal::GetCapturedStderr();
  unsetenv("ORVELINK_DEBUG");
  return output;
}

// The stand-in client as tests start from: running for our game, user logged on.
inline void StartStandInClient(bool loggedOn = true) {
  steam_stand_in::Reset();
  steam_stand_in::SetClientRunning(true);
  steam_stand_in::SetAppId(kTestAppId);
  steam_stand_in::SetUser(kTestUserId, loggedOn);
}

class OpenBridge : public testing::Test {
 protected:
  void SetUp() override {
    CloseSteam();
    ReadAllSteam();  // what an earlier test left behind
    StartStandInClient();
    ASSERT_EQ(OpenSteam(static_cast<int>(kTestAppId)), 1);
    FindLeaderboard("no such leaderboard");  // forget the one an earlier test found
    ASSERT_STREQ(ReadSteam(), "stats received!");
  }
  void TearDown() override { CloseSteam(); }
};
