#include "shell/show_track.h"

#include <cstdio>
#include <string>

#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/render_driver.h"
#include "shell/asset_loaders.h"
#include "shell/command_line.h"
#include "shell/controls.h"
#include "shell/draw_helpers.h"
#include "shell/game_state.h"
#include "shell/race_engine.h"
#include "shell/settings.h"
#include "track/tile_set.h"
#include "track/track.h"
#include "track/track_look.h"

namespace {

constexpr int kEscape = 27;
// The editor's scrolling mode: the cursor keys move the camera, the zoom stays at 1.
constexpr int kScrollMode = 1;

class TShowTrackClient : public RaceEngineClient {
 public:
  explicit TShowTrackClient(TTrack& track) : track_(track) {}

  void Step() override { track_.UpdateTrackScale(); }
  int ProcessEvents() override { return KeyHit(kEscape) || AppTerminate() ? 1 : 0; }
  void CheckInput() override { track_.tilesize = track_.mastertilesize * track_.scale; }
  void Render(float tween) override {
    Cls();
    SetDrawState(255, 255, 255, 1.0f, kBlendLight);
    track_.Draw(tween);
    track_.DrawMiniMap(0);
    SetDrawState(255, 255, 255, 1.0f, kBlendAlpha);
    SetScale(1, 1);
    DrawTextAligned(track_.name + "  (cursor keys scroll, Escape ends)", 10, float(ScreenH - 24), 0, 0, 1, 1);
    Flip(1);
  }

 private:
  TTrack& track_;
};

void FillTrackHooks(TTrack& track) {
  track.hooks.keyDown = [](int key) { return KeyDown(key) != 0; };
  track.hooks.controlDown = [](int control) { return ControlDown(control) != 0; };
  track.hooks.flushMouse = [] { FlushMouse(); };
  TrackLook.mousePosition = [](int& x, int& y) {
    x = MouseX();
    y = MouseY();
    return true;
  };
}

}  // namespace

int RunShowTrack(const CommandLineOptions& options) {
  if (HeadlessGraphics()) {
    std::fprintf(stderr, "quorvex: --show-track needs a window; leave out --headless\n");
    return 2;
  }
  ShowMap = 1;
  Track = TTrack::Create();
  // The track model stays free of the picture loaders; its tiles are added here.
  Track->tileset = TTileSet::Create();
  FillTrackHooks(*Track);
  Track->mode = kScrollMode;
  if (!Track->LoadTrack(options.showTrack, 0)) {
    std::fprintf(stderr, "quorvex: no track named '%s', built in or in %sTracks/\n", options.showTrack.c_str(),
                 SaveFolder.c_str());
    Track.reset();
    return 1;
  }
  SetGraphicsTitle(AppTitle + " - " + options.showTrack);
  int status = 1;
  if (Graphics(ScreenW, ScreenH, 0, 60)) {
    SetClsColor(0, 0, 0);
    ImagePtr glow = LoadImageChecked("incbin::Inc/glowing_dot.png");
    TrackLook.glow = glow.get();
    TrackLook.wallColour = LoadTextVariable(EnginePath(), "colwall");
    TShowTrackClient client(*Track);
    RaceEngine(client);
    TrackLook = TTrackLook{};
    status = 0;
  }
  Track.reset();
  EndGraphics();
  return status;
}
