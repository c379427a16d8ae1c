#include "shell/screenshot_after.h"

#include <cstdio>
#include <cstdlib>

#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/pixmap_codecs.h"
#include "shell/game_state.h"
#include "shell/game_time.h"
#include "shell/log.h"

int SaveScreenshot(const std::string& file) {
  return SavePixmapPNG(GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight()), file, 5);
}

void InstallScreenshotAfter(int afterMs, const std::string& file) {
  SetFlipHook([afterMs, file] {
    RefreshGameTime();
    if (GameTime < afterMs) return;
    const int saved = SaveScreenshot(file);
    if (!saved) std::fprintf(stderr, "quorvex: could not write the screenshot %s\n", file.c_str());
    Log(saved ? "Screenshot saved: " + file : "Screenshot could not be saved: " + file);
    CloseLogFile();
    std::exit(saved ? 0 : 1);
  });
}
