#include "shell/game_state.h"

std::string DataRoot;
std::string SaveFolder;
std::string AppTitle = "Quorvex";
std::string VersionText = "v1.11";

int ScreenW = 800, ScreenH = 600, FullScreen = 0, DetailLevel = 1, DebugMode = 0, OffsetX = 0, OffsetY = 0;

int UpdatesPerSecond = 10, GameSpeed = 10, UpdateInterval = 100;
int StartTime = 0, GameTime = 0, LastTick = 0, Accumulator = 0, TickDelta = 0;
int Fps = 0, FrameCount = 0, FpsSecondStart = 0;

int NumStars = 1;
float StarScroll = 0;
float CameraX = 0, CameraY = 0;
int RaceType = 0, Difficulty = 1, LapCount = 3, ViewSize = 3, ShowMap = 1, BombZoom = 1;

int Controls[kControlCount] = {37, 39, 38, 40, 27, 32, 160};
std::string KeyNames[kKeyNameCount];

float MusicVolume = 1, FxVolume = 1;
std::deque<TSound*> SoundQueue;
TChannel *Channel1 = nullptr, *Channel2 = nullptr, *Channel3 = nullptr, *Channel4 = nullptr, *Channel5 = nullptr;

int SettingsOk = 0, JoyCountCache = 0;
std::vector<std::string> CreditsLines;

void UpdateScreenOffsets() {
  OffsetX = (ScreenW - 800) / 2;
  OffsetY = (ScreenH - 600) / 2;
}

std::string ResolveDataPath(const std::string& path) {
  if (path.find(DataRoot) != std::string::npos) return path;
  if (!SaveFolder.empty() && path.find(SaveFolder) != std::string::npos) return path;
  return DataRoot + path;
}

float StepFactor() {
  return static_cast<float>(GameSpeed) / static_cast<float>(UpdatesPerSecond > 0 ? UpdatesPerSecond : 10);
}

void UpdateUpdateInterval() { UpdateInterval = 1000 / (UpdatesPerSecond > 0 ? UpdatesPerSecond : 10); }
