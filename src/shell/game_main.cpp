#include "shell/game_main.h"

#include "platform/clock.h"
#include "progress/game_db.h"
#include "shell/command_line.h"
#include "shell/log.h"
#include "shell/start_up.h"
#include "shell/store_bridge.h"

int Main(const CommandLineOptions& options) {
  if (options.headless) UseVirtualClock(0);
  if (!StartUp(options)) return 1;
  CloseGameDb();
  Log("End Program");
  CloseStoreBridge();
  CloseLogFile();
  return 0;
}
