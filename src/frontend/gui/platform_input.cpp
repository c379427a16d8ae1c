#include "frontend/gui/platform_input.h"

#include "platform/input.h"

int kui_TPlatformInput::MouseX() { return ::MouseX(); }
int kui_TPlatformInput::MouseY() { return ::MouseY(); }
int kui_TPlatformInput::MouseZ() { return ::MouseZ(); }
int kui_TPlatformInput::MouseDown(int button) { return ::MouseDown(button); }
int kui_TPlatformInput::KeyHit(int code) { return ::KeyHit(code); }
int kui_TPlatformInput::GetChar() { return ::GetChar(); }
void kui_TPlatformInput::FlushKeys() { ::FlushKeys(); }

void kui_TPlatformInput::ShowPointer(bool visible) {
  // Only changes reach the system: the pointer is asked about every frame.
  if (shown_ == int(visible)) return;
  shown_ = int(visible);
  if (visible) {
    ShowMouse();
  } else {
    HideMouse();
  }
}

kui_TInput& kui_DefaultInput() {
  static kui_TPlatformInput input;
  return input;
}
