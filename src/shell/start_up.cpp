#include "shell/start_up.h"

#include <cstdlib>

#include "built_in_files.h"
#include "platform/clock.h"
#include "platform/debug_output.h"
#include "platform/error_box.h"
#include "platform/file_system.h"
#include "platform/open_stream.h"
#include "progress/game_db.h"
#include "shell/command_line.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "shell/random.h"
#include "shell/settings.h"
#include "shell/store_bridge.h"

namespace {

constexpr const char* kSupportAddress = "https://quorvex.example/forum";

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::string DefaultDataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg) return xdg;
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.local/share";
}

void ReadTimingAndScreen() {
  UpdatesPerSecond = static_cast<int>(LoadVariable(EnginePath(), "updatespersecond", 10, 120));
  GameSpeed = static_cast<int>(LoadVariable(EnginePath(), "gamespeed", 10, 100));
  UpdateUpdateInterval();
  StartTime = MilliSecs();
  ScreenW = static_cast<int>(LoadVariable(SettingsPath(), "screenw", 800, 12000));
  ScreenH = static_cast<int>(LoadVariable(SettingsPath(), "screenh", 600, 12000));
  FullScreen = static_cast<int>(LoadVariable(SettingsPath(), "fullscreen", 0, 1));
  UpdateScreenOffsets();
}

}  // namespace

std::string ChooseSaveFolder() {
  const std::string configured = Trim(LoadTextVariableKeepCase(EnginePath(), "saveloc"));
  if (configured.size() >= 4) return configured;
  return DefaultDataHome() + "/Quorvex/";
}

std::string SaveFolderErrorText() {
  return std::string("Error 1: Unable to create save folder. Please go to ") + kSupportAddress + " for assistance.";
}

int PrepareSaveFolder() {
  // The parents too: on a fresh account ~/.local/share may not exist yet.
  CreateDir(SaveFolder, true);
  CreateDir(SaveFolder + "Settings/");
  CreateDir(SaveFolder + "Database/");
  CreateDir(SaveFolder + "Tracks/");
  if (FileType(SaveFolder + "Tracks/Test_Track.trk") != 1) {
    CopyFile("incbin::Inc/Tracks/Test_Track.trk", SaveFolder + "Tracks/Test_Track.trk");
  }
  if (FileType(SettingsPath()) != 1) {
    DebugLog("Settings.ini doesn't exist. Writing new one. (1)");
    WriteDefaultSettings();
    if (FileType(SettingsPath()) != 1) return 0;
  }
  if (FileType(SaveFolder + "Database/QX.db") != 1) {
    CopyFile("incbin::Inc/QX.db", SaveFolder + "Database/QX.db");
  }
  OpenGameDb(SaveFolder + "Database/QX.db");
  return 1;
}

int LoadCredits() {
  Log("LoadCredits");
  StreamPtr file = ReadStream("incbin::Inc/Credits.txt");
  if (!file) return 0;
  CreditsLines.clear();
  while (!file->Eof()) CreditsLines.push_back(file->ReadLine());
  file->Close();
  Log("CreditsLoaded");
  return 1;
}

int StartUp(const CommandLineOptions& options) {
  SetDebugOutput(options.debugOutput);
  RegisterBuiltInFiles();
  AppTitle = "Quorvex";
  SaveFolder = ChooseSaveFolder();
  if (!PrepareSaveFolder()) {
    ShowErrorBox(AppTitle, SaveFolderErrorText(), true, !options.headless);
    return 0;
  }
  DebugMode = static_cast<int>(LoadVariable(SettingsPath(), "debug", 0, 1));
  DetailLevel = static_cast<int>(LoadVariable(SettingsPath(), "detail", 0, 1));
  if (!LoadCredits()) {
    ShowErrorBox(AppTitle, "Could not open file: Credits.txt", true, !options.headless);
    return 0;
  }
  ReadTimingAndScreen();
  SeedRnd(options.seed ? *options.seed : static_cast<uint64_t>(MilliSecs()));
  SetLogging(DebugMode);
  Log("Save folder: " + SaveFolder);
  OpenStoreBridge();
  return 1;
}
