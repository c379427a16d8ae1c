// The four mouse cursors: normal, over, down and the text caret.
#include "frontend/gui/gui.h"
#include "frontend/gui/gui_state.h"
#include "frontend/gui/skin_images.h"
#include "platform/draw.h"
#include "platform/draw_state.h"

namespace {

constexpr const char* kCursorFiles[4] = {"/graphics/cursors/normal.png", "/graphics/cursors/mouseover.png",
                                         "/graphics/cursors/mousedown.png", "/graphics/cursors/caret.png"};
// Where each picture's hot spot sits: the over and down hands point five pixels in,
// the caret's middle is nine down.
constexpr int kOffsetX[4] = {0, -5, -5, -4};
constexpr int kOffsetY[4] = {0, 0, 0, -9};

}  // namespace

void kui_GUI::SetCursor(int index) {
  if (index >= 0 && index < 4) kui_State().cursorIndex = index;
}

int kui_GUI::CursorIndex() { return kui_State().cursorIndex; }

int kui_GUI::SystemCursor(int flag) {
  kui_State().systemCursor = flag;
  return 0;
}

void kui_GUI::LoadCursors() {
  for (int i = 0; i < 4; ++i) kui_State().cursors[size_t(i)] = kui_LoadSkinImage(kCursorFiles[i], kui_Cut::Whole);
}

void kui_GUI::DrawCursor() {
  kui_TGUIState& state = kui_State();
  const int index = state.cursorIndex;
  if (state.systemCursor && index == 0) {
    Input().ShowPointer(true);
    return;
  }
  Input().ShowPointer(false);
  SetColor(255, 255, 255);
  ::SetAlpha(1);
  TImage* image = state.cursors[size_t(index)];
  if (image) DrawImage(image, float(Input().MouseX() + kOffsetX[index]), float(Input().MouseY() + kOffsetY[index]));
}
