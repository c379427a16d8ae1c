// The built game loads the store bridge at start, from beside itself.
#include <gtest/gtest.h>

#include <string>

#include "support/run_game.h"

namespace {

std::string Output(const std::string& command) { return RunCommand(command).output; }

const std::string kGame = QX_GAME_DIR "/Quorvex";

TEST(GameLink, TheBridgeAndItsClientLoadFromTheGameFolder) {
  const std::string libraries = Output("ldd '" + kGame + "'");
  EXPECT_NE(libraries.find("liborvelink.so => " QX_GAME_DIR "/"), std::string::npos) << libraries;
  EXPECT_NE(libraries.find("libsteam_api.so => " QX_GAME_DIR "/"), std::string::npos) << libraries;
  EXPECT_EQ(libraries.find("not found"), std::string::npos) << libraries;
}

TEST(GameLink, TheGameImportsTheBridgeCallsItUses) {
  const std::string imports = Output("nm -D --undefined-only '" + kGame + "'");
  for (const char* name : {"OpenSteam", "GetSteamAchievement", "SetSteamAchievement", "StoreSteamStats"}) {
    EXPECT_NE(imports.find(std::string(" U ") + name + "\n"), std::string::npos) << name;
  }
}

}  // namespace
