// The music player: the title theme and the race pieces on a channel of their own, each
// with its caption, a fade-out between pieces, and a history that keeps a race piece from
// coming back too soon.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

class TChannel;
class TSound;

inline constexpr int kMusicHistoryLength = 4;
using TMusicHistory = std::array<int, kMusicHistoryLength>;

// The channel of the current piece (a new one for every piece); null before the first.
TChannel* MusicChannel();
// "title : composer" of the current piece; empty before the first.
const std::string& MusicCaption();
// The title part of the caption, for the start banner.
std::string MusicTitle();
// The last four pieces started, newest first; zeroes at start.
const TMusicHistory& MusicHistory();

// A race piece (1 to 8) that is none of the history's four.
int ChooseRacePiece(const TMusicHistory& history);
// The oldest entry drops out and piece goes in front.
void PushMusicHistory(TMusicHistory& history, int piece);

// Fades the current piece out and cues the next: -1 the title piece, which starts at once;
// 0 a race piece not heard lately, 1 to 8 that piece, both left paused until the race's start
// signal. A piece after the first is preceded by the fade, and a race piece also by the
// "Press Shoot to continue" prompt.
void PlayMusic(int piece);
// Lowers the music to silence in steps of 0.02 every 16 ms, drawing a frame each pass; with
// waitForShoot it then waits for the shoot control. Escape, the shoot control or closing the
// window ends it early. The old channel is stopped at the end.
void FadeMusic(int waitForShoot);

// Draws one frame while the music fades (prompt empty or the "Press Shoot" line) and shows
// it. The default clears the window, blinks the prompt near the bottom and flips.
using TFadeFrame = std::function<void(const std::string& prompt)>;
void SetFadeFrame(TFadeFrame frame);

// Stops the music and forgets the pieces (before the audio driver goes).
void StopMusic();
