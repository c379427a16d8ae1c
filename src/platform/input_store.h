// The polled-input store: key and button states, presses since last asked, the typed
// characters, the pointer and wheel, and the window's close and focus state.
#pragma once

#include "platform/input_events.h"

class TInputStore {
 public:
  static constexpr int kKeys = 256;
  static constexpr int kButtons = 4;
  static constexpr int kQueue = 256;

  void OnEvent(const TInputEvent& event);

  int KeyHit(int code);
  int KeyDown(int code) const;
  int GetChar();
  void FlushKeys();
  int MouseX() const { return mouseX_; }
  int MouseY() const { return mouseY_; }
  int MouseZ() const { return mouseZ_; }
  int MouseHit(int button);
  int MouseDown(int button) const;
  void FlushMouse();
  int AppTerminate();
  int AppSuspended() const { return suspended_; }

 private:
  int keyDown_[kKeys] = {};
  int keyHits_[kKeys] = {};
  int queue_[kQueue] = {};
  unsigned put_ = 0, take_ = 0;
  int mouseDown_[kButtons] = {};
  int mouseHits_[kButtons] = {};
  int mouseX_ = 0, mouseY_ = 0, mouseZ_ = 0;
  int suspended_ = 0;
  int terminate_ = 0;
};
