#include "shell/music_player.h"

#include "frontend/locale.h"
#include "platform/audio_driver.h"
#include "platform/clock.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/render_driver.h"
#include "shell/asset_loaders.h"
#include "shell/controls.h"
#include "shell/draw_helpers.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/game_time.h"
#include "shell/log.h"
#include "shell/music_playlist.h"
#include "shell/random.h"

namespace {

constexpr int kEscape = 27;
constexpr int kShootControl = 6;
constexpr int kFadeStepMs = 16;
constexpr float kFadeStep = 0.02f;

struct TMusicState {
  std::unique_ptr<TChannel> channel;
  std::unique_ptr<TSound> sound;
  std::string caption;
  TMusicHistory history{};
  TFadeFrame frame;
};

TMusicState& State() {
  static TMusicState state;
  return state;
}

void DefaultFadeFrame(const std::string& prompt) {
  RefreshGameTime();
  Cls();
  SetDrawState(255, 255, 255, 1, kBlendAlpha);
  if (!prompt.empty() && GameTime % 1000 < 500) {
    DrawTextAligned(prompt, float(ScreenW / 2), float(ScreenH - 40), 1, 0, 1, 1);
  }
  Flip(1);
  // Without a window nothing paces the loop.
  if (!GraphicsOpen() || HeadlessGraphics()) Delay(1);
}

void DrawFadeFrame(const std::string& prompt) {
  if (State().frame) {
    State().frame(prompt);
  } else {
    DefaultFadeFrame(prompt);
  }
}

std::string ShootPrompt() {
  return TLocale::getText("Press Shoot to continue") + " (" + ControlName(kShootControl) + ")";
}

bool FadeEnds(int waitForShoot, float volume) {
  if (KeyHit(kEscape) || ControlDown(kShootControl) || AppTerminate()) return true;
  return !waitForShoot && volume <= 0;
}

}  // namespace

TChannel* MusicChannel() { return State().channel.get(); }
const std::string& MusicCaption() { return State().caption; }
const TMusicHistory& MusicHistory() { return State().history; }

std::string MusicTitle() {
  const std::string& caption = State().caption;
  return caption.substr(0, caption.find(" : "));
}

int ChooseRacePiece(const TMusicHistory& history) {
  for (;;) {
    const int piece = Rand(1, kRacePieceCount);
    bool heard = false;
    for (int recent : history) heard = heard || recent == piece;
    if (!heard) return piece;
  }
}

void PushMusicHistory(TMusicHistory& history, int piece) {
  for (size_t i = history.size() - 1; i > 0; --i) history[i] = history[i - 1];
  history[0] = piece;
}

void FadeMusic(int waitForShoot) {
  Log("FadeMusic");
  TMusicState& state = State();
  float volume = MusicVolume;
  FlushKeys();
  FlushMouse();
  int lastStep = MilliSecs();
  const std::string prompt = waitForShoot ? ShootPrompt() : std::string();
  for (;;) {
    if (MilliSecs() - lastStep > kFadeStepMs) {
      volume -= kFadeStep;
      lastStep = MilliSecs();
    }
    if (volume < 0) volume = 0;
    if (state.channel) state.channel->SetVolume(volume);
    DrawFadeFrame(waitForShoot && volume <= 0 ? prompt : std::string());
    if (FadeEnds(waitForShoot, volume)) break;
  }
  if (waitForShoot) PlaySound(SndClick.get(), Channel5);
  if (state.channel) state.channel->Stop();
}

void PlayMusic(int piece) {
  TMusicState& state = State();
  if (state.channel) FadeMusic(piece == kTitlePiece ? 0 : 1);
  state.channel = AllocChannel();
  if (piece == 0) piece = ChooseRacePiece(state.history);
  PushMusicHistory(state.history, piece);
  const MusicPiece* entry = FindMusicPiece(piece);
  if (!entry) {
    Log("No music piece " + std::to_string(piece));
    state.sound.reset();
    state.caption.clear();
    return;
  }
  // The old sound goes only now: its channel was stopped by the fade.
  state.sound = LoadSoundChecked(entry->location, 1);
  state.caption = entry->caption;
  Log(state.caption);
  if (!state.channel) return;
  state.channel->SetVolume(MusicVolume);
  CueSound(state.sound.get(), state.channel.get());
  if (piece == kTitlePiece) state.channel->SetPaused(0);
}

void SetFadeFrame(TFadeFrame frame) { State().frame = std::move(frame); }

void StopMusic() {
  TMusicState& state = State();
  if (state.channel) state.channel->Stop();
  state.channel.reset();
  state.sound.reset();
  state.caption.clear();
  state.history = {};
}
