// The game state that every part of the game reads: the few globals of the shell.
// The loops and start-up that fill them live elsewhere in shell/; this header is the
// bottom of the game's layers, so it includes nothing of the game.
#pragma once

#include <deque>
#include <string>
#include <vector>

class TSound;
class TChannel;

// Folders: DataRoot prefixes files beside the program (empty: the working folder);
// SaveFolder holds what the game writes and always ends in "/".
extern std::string DataRoot;
extern std::string SaveFolder;
extern std::string AppTitle;
extern std::string VersionText;

// Display.
extern int ScreenW, ScreenH, FullScreen, DetailLevel, DebugMode, OffsetX, OffsetY;

// Simulation rate and timing (milliseconds).
extern int UpdatesPerSecond, GameSpeed, UpdateInterval;
extern int StartTime, GameTime, LastTick, Accumulator, TickDelta;
extern int Fps, FrameCount, FpsSecondStart;

// View and race choices.
extern int NumStars;
extern float StarScroll;
extern float CameraX, CameraY;
extern int RaceType, Difficulty, LapCount, ViewSize, ShowMap, BombZoom;

// Control bindings: 0 left, 1 right, 2 accelerate, 3 brake, 4 pause, 5 information, 6 shoot.
inline constexpr int kControlCount = 7;
inline constexpr int kDefaultControls[kControlCount] = {37, 39, 38, 40, 27, 32, 160};
extern int Controls[kControlCount];
inline constexpr int kKeyNameCount = 300;
extern std::string KeyNames[kKeyNameCount];

// Sound.
extern float MusicVolume, FxVolume;
extern std::deque<TSound*> SoundQueue;
extern TChannel *Channel1, *Channel2, *Channel3, *Channel4, *Channel5;

// Start-up.
extern int SettingsOk, JoyCountCache;
extern std::vector<std::string> CreditsLines;

// OffsetX and OffsetY from ScreenW and ScreenH: where the 800 x 600 pictures go.
void UpdateScreenOffsets();
// A file beside the program: DataRoot is put in front unless the path names the data or
// the save folder already.
std::string ResolveDataPath(const std::string& path);
// GameSpeed / UpdatesPerSecond: what the simulation multiplies its per-step movement by.
float StepFactor();
// UpdateInterval from UpdatesPerSecond (integer division; 120 per second gives 8 ms).
void UpdateUpdateInterval();
