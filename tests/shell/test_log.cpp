#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "shell/log.h"
#include "support/temp_folder.h"

class LogTest : public testing::Test {
 protected:
  void SetUp() override { SetLogFilePath(folder_ / "Quorvex.log"); }
  void TearDown() override {
    SetLogging(0);
    CloseLogFile();
  }
  TempFolder folder_;
};

TEST_F(LogTest, NothingIsWrittenWhileLoggingIsOff) {
  Log("before");
  EXPECT_EQ(FileType(folder_ / "Quorvex.log"), 0);
}

TEST_F(LogTest, FlagsShapeTheLines) {
  std::string hooked;
  SetLogging(1, [&](const std::string& text) { hooked += text; });
  Log("Load Skin");
  Log("Error text", kLogError);
  Log("no end", kLogNoNewline);
  Log("!");
  SetLogging(0);
  const std::string expected =
      "Logging started\r\nLoad Skin\r\nError: Error text\r\nno end!\r\nLogging stopped\r\n";
  EXPECT_EQ(hooked, expected);
  EXPECT_EQ(folder_.Read("Quorvex.log"), expected);
}

TEST_F(LogTest, EachRunTruncatesTheFile) {
  folder_.Write("Quorvex.log", "an old run\r\n");
  SetLogging(1);
  Log("new run");
  EXPECT_EQ(folder_.Read("Quorvex.log"), "Logging started\r\nnew run\r\n");
}

TEST_F(LogTest, UnwritableLogFileStillReachesTheHook) {
  SetLogFilePath(folder_ / "missing/folder/Quorvex.log");
  std::string hooked;
  SetLogging(1, [&](const std::string& text) { hooked += text; });
  Log("still here");
  SetLogging(0);
  EXPECT_NE(hooked.find("still here\r\n"), std::string::npos);
}

TEST_F(LogTest, DialogFlagReachesTheHandlerAsSeriousWithTheErrorFlag) {
  std::vector<std::pair<std::string, bool>> shown;
  SetLogDialogHandler([&](const std::string& text, bool serious) { shown.emplace_back(text, serious); });
  SetLogging(1);
  Log("look", kLogDialog);
  Log("bad", kLogDialog | kLogError);
  SetLogDialogHandler(nullptr);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], std::make_pair(std::string("look"), false));
  EXPECT_EQ(shown[1], std::make_pair(std::string("bad"), true));
}
