#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "shell/settings.h"
#include "support/temp_folder.h"

namespace {

// Settings files in a folder of their own, with the log captured.
class SettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    SaveFolder = folder_.path();
    SetLogFilePath(folder_ / "test.log");
    SetLogging(1, [this](const std::string& text) { log_ += text; });
  }
  void TearDown() override {
    SetLogging(0);
    CloseLogFile();
    SaveFolder.clear();
  }
  std::string Write(const std::string& bytes) {
    folder_.Write("Settings/Settings.ini", bytes);
    return SettingsPath();
  }
  TempFolder folder_;
  std::string log_;
};

struct NumberCase {
  const char* name;
  const char* file;
  const char* key;
  float min, max, expected;
};

class LoadVariableTable : public SettingsTest, public testing::WithParamInterface<NumberCase> {};

TEST_P(LoadVariableTable, ReadsMatchesAndClamps) {
  const NumberCase& c = GetParam();
  EXPECT_FLOAT_EQ(LoadVariable(Write(c.file), c.key, c.min, c.max), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LoadVariableTable,
    testing::Values(
        NumberCase{"PlainValue", "screenw=1024\r\n", "screenw", 800, 12000, 1024},
        NumberCase{"KeyIsCaseInsensitive", "screenw=1280\n", "screenW", 800, 12000, 1280},
        NumberCase{"LineIsCaseInsensitive", "ScreenW=1280\n", "screenw", 800, 12000, 1280},
        // A longer key matches by prefix; "dth=1024" is not a number, so the minimum.
        NumberCase{"PrefixMatchOfALongerKey", "screenwidth=1024\n", "screenw", 800, 12000, 800},
        NumberCase{"LastMatchingLineWins", "debug=0\ndebug=1\n", "debug", 0, 1, 1},
        NumberCase{"LastLineWithoutLineEnd", "detail=0\ndebug=1", "debug", 0, 1, 1},
        NumberCase{"AboveRangeClampsToMax", "hertz=5000\n", "hertz", 0, 1000, 1000},
        NumberCase{"BelowRangeClampsToMin", "bitdepth=8\n", "bitdepth", 16, 32, 16},
        NumberCase{"FractionsKept", "panalpha=0.85\n", "panalpha", 0, 1, 0.85f},
        NumberCase{"NegativeNumbers", "drift=-0.5\n", "drift", -1, 1, -0.5f},
        NumberCase{"GarbageIsZeroThenClamped", "updatespersecond=fast\n", "updatespersecond", 10, 120, 10},
        NumberCase{"NanIsNotANumber", "gamespeed=nan\n", "gamespeed", 10, 100, 10},
        NumberCase{"InfinityIsNotANumber", "gamespeed=inf\n", "gamespeed", 10, 100, 10},
        NumberCase{"TrailingTextIgnored", "numstars=40 stars\n", "numstars", 1, 100, 40},
        NumberCase{"KeyWithoutValue", "numstars\n", "numstars", 1, 100, 1},
        NumberCase{"MissingKeyGivesMinimum", "screenh=768\n", "screenw", 800, 12000, 800}),
    [](const testing::TestParamInfo<NumberCase>& c) { return c.param.name; });

TEST_F(SettingsTest, TextValuesComeBackLowerCased) {
  EXPECT_EQ(LoadTextVariable(Write("Language=DE\n"), "language"), "de");
  EXPECT_EQ(LoadTextVariable(Write("colpanel=$FF00AAFF\n"), "colpanel"), "$ff00aaff");
}

TEST_F(SettingsTest, TextValuesAreNotTrimmed) {
  EXPECT_EQ(LoadTextVariable(Write("saveloc= /tmp/x/ \n"), "saveloc"), " /tmp/x/ ");
}

TEST_F(SettingsTest, KeepCaseVariantKeepsPathsIntact) {
  EXPECT_EQ(LoadTextVariableKeepCase(Write("SaveLoc=/home/Me/Games/\n"), "saveloc"), "/home/Me/Games/");
}

TEST_F(SettingsTest, MissingFileGivesDefaultsAndSaysSo) {
  const std::string path = folder_ / "Settings/Absent.ini";
  EXPECT_FLOAT_EQ(LoadVariable(path, "maxparticles", 100, 10000), 100);
  EXPECT_EQ(LoadTextVariable(path, "language"), "");
  EXPECT_NE(log_.find("Load variable: maxparticles\r\n"), std::string::npos);
  EXPECT_NE(log_.find("Could not open file: " + path + ": maxparticles\r\n"), std::string::npos);
}

TEST_F(SettingsTest, MissingKeyIsLogged) {
  LoadVariable(Write("a=1\n"), "comspeed_easy", 500, 10000);
  EXPECT_NE(log_.find("Could not load variable: comspeed_easy\r\n"), std::string::npos);
}

TEST_F(SettingsTest, DefaultSettingsFileHasTheDefaultLines) {
  CreateDir(folder_ / "Settings");
  ASSERT_EQ(WriteDefaultSettings(), 1);
  EXPECT_EQ(folder_.Read("Settings/Settings.ini"),
            "screenw=800\r\nscreenh=600\r\nbitdepth=32\r\nhertz=60\r\nfullscreen=1\r\n"
            "language=en\r\ndetail=1\r\ndebug=0\r\n");
  EXPECT_EQ(FileType(folder_ / "Settings/Settings.ini.new"), 0);
}

TEST_F(SettingsTest, DefaultSettingsWithoutAFolderWriteNothing) {
  EXPECT_EQ(WriteDefaultSettings(), 0);
  EXPECT_EQ(FileType(SettingsPath()), 0);
}

TEST_F(SettingsTest, FailedRewriteKeepsThePreviousFile) {
  Write("screenw=1024\n");
  // A folder where the temporary file should go makes the write fail.
  CreateDir(SettingsPath() + ".new");
  EXPECT_EQ(WriteLinesSafely(SettingsPath(), {"screenw=640"}), 0);
  EXPECT_EQ(folder_.Read("Settings/Settings.ini"), "screenw=1024\n");
}

}  // namespace
