// The checked loaders: each resolves a file against the program folder, says in the log
// what it loads and what is missing, and gives a null handle instead of stopping the game.
// Built-in ("incbin") files are not checked for presence.
#pragma once

#include <memory>
#include <string>

#include "platform/audio_channel.h"
#include "platform/image.h"
#include "platform/image_font.h"
#include "platform/pixmap.h"

ImagePtr LoadImageChecked(const std::string& path);
PixmapPtr LoadPixmapChecked(const std::string& path);
// flags: 0 plain, 1 looping.
std::unique_ptr<TSound> LoadSoundChecked(const std::string& path, int flags);
ImagePtr LoadAnimImageChecked(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount);
// The game passes style 4 (smoothed).
ImageFontPtr LoadFontChecked(const std::string& path, int size, int style);
