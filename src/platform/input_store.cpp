#include "platform/input_store.h"

namespace {

bool ValidKey(int code) { return code > 0 && code < TInputStore::kKeys; }
bool ValidButton(int button) { return button > 0 && button < TInputStore::kButtons; }

}  // namespace

void TInputStore::OnEvent(const TInputEvent& event) {
  switch (event.id) {
    case kEventAppSuspend:
    case kEventAppResume:
      FlushKeys();
      FlushMouse();
      suspended_ = event.id == kEventAppSuspend ? 1 : 0;
      break;
    case kEventAppTerminate: terminate_ = 1; break;
    case kEventKeyDown:
      if (ValidKey(event.data) && !keyDown_[event.data]) {
        keyDown_[event.data] = 1;
        ++keyHits_[event.data];
      }
      break;
    case kEventKeyUp:
      if (ValidKey(event.data)) keyDown_[event.data] = 0;
      break;
    case kEventKeyChar:
      if (put_ - take_ < unsigned(kQueue)) queue_[put_++ % kQueue] = event.data;
      break;
    case kEventMouseDown:
      if (ValidButton(event.data) && !mouseDown_[event.data]) {
        mouseDown_[event.data] = 1;
        ++mouseHits_[event.data];
      }
      break;
    case kEventMouseUp:
      if (ValidButton(event.data)) mouseDown_[event.data] = 0;
      break;
    case kEventMouseMove:
      mouseX_ = event.x;
      mouseY_ = event.y;
      break;
    case kEventMouseWheel: mouseZ_ += event.data; break;
    default: break;
  }
}

int TInputStore::KeyHit(int code) {
  if (!ValidKey(code)) return 0;
  const int hits = keyHits_[code];
  keyHits_[code] = 0;
  return hits;
}

int TInputStore::KeyDown(int code) const { return ValidKey(code) ? keyDown_[code] : 0; }

int TInputStore::GetChar() {
  if (take_ == put_) return 0;
  return queue_[take_++ % kQueue];
}

void TInputStore::FlushKeys() {
  for (int i = 0; i < kKeys; ++i) keyDown_[i] = keyHits_[i] = 0;
  put_ = take_ = 0;
}

int TInputStore::MouseHit(int button) {
  if (!ValidButton(button)) return 0;
  const int hits = mouseHits_[button];
  mouseHits_[button] = 0;
  return hits;
}

int TInputStore::MouseDown(int button) const { return ValidButton(button) ? mouseDown_[button] : 0; }

void TInputStore::FlushMouse() {
  for (int i = 0; i < kButtons; ++i) mouseDown_[i] = mouseHits_[i] = 0;
  mouseZ_ = 0;
}

int TInputStore::AppTerminate() {
  const int requested = terminate_;
  terminate_ = 0;
  return requested;
}
