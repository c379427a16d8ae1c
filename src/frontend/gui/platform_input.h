// The toolkit's input read from the game's polled input layer.
#pragma once

#include "frontend/gui/gui_input.h"

class kui_TPlatformInput : public kui_TInput {
 public:
  int MouseX() override;
  int MouseY() override;
  int MouseZ() override;
  int MouseDown(int button) override;
  int KeyHit(int code) override;
  int GetChar() override;
  void FlushKeys() override;
  void ShowPointer(bool visible) override;

 private:
  int shown_ = -1;
};
