#include <gtest/gtest.h>

#include <cstdlib>

#include "built_in_files.h"
#include "platform/embedded_files.h"
#include "platform/file_system.h"
#include "shell/game_state.h"
#include "shell/settings.h"
#include "shell/start_up.h"
#include "support/temp_folder.h"

namespace {

// A data folder with its own Engine.ini, and XDG_DATA_HOME pointing into a fresh folder.
class StartUpTest : public testing::Test {
 protected:
  void SetUp() override {
    DataRoot = data_.path();
    oldXdg_ = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    setenv("XDG_DATA_HOME", (home_ / "share").c_str(), 1);
    RegisterBuiltInFiles();
  }
  void TearDown() override {
    DataRoot.clear();
    SaveFolder.clear();
    if (oldXdg_.empty()) unsetenv("XDG_DATA_HOME"); else setenv("XDG_DATA_HOME", oldXdg_.c_str(), 1);
  }
  void Engine(const std::string& text) { data_.Write("Settings/Engine.ini", text); }

  TempFolder data_, home_;
  std::string oldXdg_;
};

TEST_F(StartUpTest, ShortSaveLocationIsIgnored) {
  Engine("saveloc= ab \n");
  EXPECT_EQ(ChooseSaveFolder(), home_ / "share/Quorvex/");
}

TEST_F(StartUpTest, SaveLocationOfFourOrMoreCharactersIsUsedAsWritten) {
  Engine("saveloc=  /Srv/Games/Quorvex/  \n");
  EXPECT_EQ(ChooseSaveFolder(), "/Srv/Games/Quorvex/");
}

TEST_F(StartUpTest, FirstRunMakesTheFoldersAndTheDefaultSettings) {
  SaveFolder = ChooseSaveFolder();
  // ~/.local/share does not exist yet on a fresh account.
  ASSERT_EQ(FileType(home_ / "share"), 0);
  ASSERT_EQ(PrepareSaveFolder(), 1);
  for (const char* sub : {"Settings", "Database", "Tracks"}) EXPECT_EQ(FileType(SaveFolder + sub), 2) << sub;
  EXPECT_EQ(FileType(SettingsPath()), 1);
  EXPECT_FLOAT_EQ(LoadVariable(SettingsPath(), "fullscreen", 0, 1), 1);
  if (FindEmbeddedFile("Inc/QX.db")) {
    EXPECT_EQ(FileType(SaveFolder + "Database/QX.db"), 1);
  }
  if (FindEmbeddedFile("Inc/Tracks/Test_Track.trk")) {
    EXPECT_EQ(FileType(SaveFolder + "Tracks/Test_Track.trk"), 1);
  }
}

TEST_F(StartUpTest, ExistingSettingsAreKept) {
  SaveFolder = ChooseSaveFolder();
  home_.Write("share/Quorvex/Settings/Settings.ini", "screenw=1024\r\n");
  ASSERT_EQ(PrepareSaveFolder(), 1);
  EXPECT_EQ(home_.Read("share/Quorvex/Settings/Settings.ini"), "screenw=1024\r\n");
}

TEST_F(StartUpTest, UnwritableSaveFolderIsReported) {
  home_.Write("blocked", "a file where the folder should be");
  SaveFolder = home_ / "blocked/Quorvex/";
  EXPECT_EQ(PrepareSaveFolder(), 0);
  EXPECT_NE(SaveFolderErrorText().find("Error 1: Unable to create save folder. Please go to "), std::string::npos);
}

TEST_F(StartUpTest, CreditsAreReadLineByLine) {
  ASSERT_EQ(LoadCredits(), 1);
  ASSERT_FALSE(CreditsLines.empty());
  EXPECT_EQ(CreditsLines.front(), "QUORVEX");
}

}  // namespace
