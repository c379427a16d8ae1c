#include "shell/game_main.h"

#include "platform/clock.h"
#include "platform/graphics.h"
#include "progress/game_db.h"
#include "shell/command_line.h"
#include "shell/draw_test.h"
#include "shell/log.h"
#include "shell/race_session.h"
#include "shell/screenshot_after.h"
#include "shell/show_screen.h"
#include "shell/show_track.h"
#include "shell/start_up.h"
#include "shell/store_bridge.h"
#include "shell/track_info.h"
#include "shell/windowed_race.h"

int Main(const CommandLineOptions& options) {
  if (options.headless) UseVirtualClock(0);
  SetHeadlessGraphics(options.headless);
  SetFramePacing(!options.noVsync);
  if (!StartUp(options)) return 1;
  if (options.screenshotAfterMs) InstallScreenshotAfter(*options.screenshotAfterMs, options.screenshotFile);
  int status = options.drawTest ? RunDrawTest(options) : 0;
  if (!options.trackInfo.empty()) status = RunTrackInfo(options);
  if (!options.drawTest && !options.showTrack.empty()) status = RunShowTrack(options);
  if (!options.drawTest && options.showTrack.empty() && !options.showScreen.empty()) status = RunShowScreen(options);
  if (!options.race.track.empty() && options.headless) status = RunHeadlessRace(options);
  if (!options.race.track.empty() && !options.headless) status = RunWindowedRace(options);
  CloseGameDb();
  Log("End Program");
  CloseStoreBridge();
  CloseLogFile();
  return status;
}
