#include "shell/asset_loaders.h"

#include "platform/audio_driver.h"
#include "platform/file_system.h"
#include "shell/game_state.h"
#include "shell/log.h"

namespace {

// kind as the log writes it in the middle of a line ("anim image") and at its start ("Anim Image").
struct AssetKind {
  const char* lower;
  const char* title;
};

template <typename Load>
auto LoadChecked(const AssetKind& kind, const std::string& rawPath, Load load) -> decltype(load(rawPath)) {
  std::string path = rawPath;
  if (path.find("incbin") == std::string::npos) {
    path = ResolveDataPath(path);
    if (FileType(path) != 1) {
      Log(std::string("WARNING! >>>>>>>>>>>> Cannot see ") + kind.lower + ": " + path);
      return nullptr;
    }
    Log(std::string("Loading ") + kind.lower + ": " + path);
  }
  auto loaded = load(path);
  if (loaded) {
    Log(std::string(kind.title) + " loaded");
  } else {
    Log(std::string("ERROR! >>>>>>>>>>>>>> ") + kind.title + " could not be loaded: " + path);
  }
  return loaded;
}

}  // namespace

ImagePtr LoadImageChecked(const std::string& path) {
  return LoadChecked({"image", "Image"}, path, [](const std::string& p) { return LoadImage(p); });
}

PixmapPtr LoadPixmapChecked(const std::string& path) {
  return LoadChecked({"pixmap", "Pixmap"}, path, [](const std::string& p) { return LoadPixmap(p); });
}

std::unique_ptr<TSound> LoadSoundChecked(const std::string& path, int flags) {
  return LoadChecked({"sound", "Sound"}, path, [flags](const std::string& p) { return LoadSound(p, flags); });
}

ImagePtr LoadAnimImageChecked(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount) {
  return LoadChecked({"anim image", "Anim Image"}, path, [&](const std::string& p) {
    return LoadAnimImage(p, cellWidth, cellHeight, firstCell, cellCount);
  });
}

ImageFontPtr LoadFontChecked(const std::string& path, int size, int style) {
  return LoadChecked({"font", "Font"}, path, [&](const std::string& p) { return LoadImageFont(p, size, style); });
}
