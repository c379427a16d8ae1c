#include "frontend/gui/skin_images.h"

#include "frontend/gui/gui_state.h"
#include "platform/draw.h"
#include "platform/image.h"

TImage* kui_LoadSkinImage(const std::string& name, kui_Cut cut) {
  const std::string location = kui_GUI::SkinPath() + name;
  ImagePtr image;
  switch (cut) {
    case kui_Cut::Whole: image = LoadImage(location); break;
    case kui_Cut::NineSlice: image = LoadAnimImage(location, 5, 5, 0, 9); break;
    case kui_Cut::TwoFrames: image = LoadAnimImage(location, 15, 15, 0, 2); break;
  }
  ImagePtr& slot = kui_State().skinImages[name];
  slot = std::move(image);
  return slot.get();
}

TImage* kui_SkinImage(const std::string& name) {
  const auto& images = kui_State().skinImages;
  const auto found = images.find(name);
  return found == images.end() ? nullptr : found->second.get();
}

void kui_DrawNineSlice(TImage* slices, float x, float y, float w, float h, bool border) {
  if (!slices) return;
  const float ix = float(int(x)), iy = float(int(y)), iw = float(int(w)), ih = float(int(h));
  if (!border) {
    DrawImageRect(slices, ix, iy, iw, ih, 4);
    return;
  }
  DrawImage(slices, ix, iy, 0);
  DrawImage(slices, ix + iw - 5, iy, 2);
  DrawImage(slices, ix, iy + ih - 5, 6);
  DrawImage(slices, ix + iw - 5, iy + ih - 5, 8);
  DrawImageRect(slices, ix + 5, iy, iw - 10, 5, 1);
  DrawImageRect(slices, ix + 5, iy + ih - 5, iw - 10, 5, 7);
  DrawImageRect(slices, ix, iy + 5, 5, ih - 10, 3);
  DrawImageRect(slices, ix + iw - 5, iy + 5, 5, ih - 10, 5);
  DrawImageRect(slices, ix + 5, iy + 5, iw - 10, ih - 10, 4);
}

void kui_LoadSkinThumb(const std::string& name, bool vertical) {
  const PixmapPtr pixmap = LoadPixmap(kui_GUI::SkinPath() + name);
  auto& images = kui_State().skinImages;
  for (int part = 0; part < 3; ++part) {
    ImagePtr& slot = images[name + ":" + std::to_string(part)];
    slot.reset();
    if (!pixmap) continue;
    const int from = part == 0 ? 0 : part == 1 ? 3 : 4;
    const int size = part == 1 ? 1 : 3;
    const TPixmap piece = vertical ? pixmap->Window(0, from, pixmap->width, size)
                                   : pixmap->Window(from, 0, size, pixmap->height);
    slot = LoadImage(piece);
  }
}

void kui_DrawThumb(const std::string& name, bool vertical, float x, float y, float length) {
  TImage* first = kui_SkinImage(name + ":0");
  TImage* middle = kui_SkinImage(name + ":1");
  TImage* last = kui_SkinImage(name + ":2");
  if (!first || !middle || !last) return;
  const float ix = float(int(x)), iy = float(int(y)), len = float(int(length));
  if (vertical) {
    const float w = float(ImageWidth(middle));
    DrawImage(first, ix, iy);
    DrawImageRect(middle, ix, iy + 3, w, len - 6);
    DrawImage(last, ix, iy + len - 3);
  } else {
    const float h = float(ImageHeight(middle));
    DrawImage(first, ix, iy);
    DrawImageRect(middle, ix + 3, iy, len - 6, h);
    DrawImage(last, ix + len - 3, iy);
  }
}
