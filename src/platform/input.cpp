#include "platform/input.h"

#include <SDL.h>

#include <map>
#include <vector>

#include "platform/graphics.h"
#include "platform/sdl_events.h"

namespace {

struct TInputState {
  TInputStore store;
  std::map<int, InputListener> listeners;
  int nextListener = 1;
  bool polling = false;
  bool eventsReady = false;
  int buttonsHeld = 0;
};

TInputState& State() {
  static TInputState* state = new TInputState;
  return *state;
}

// The pointer stays with the window while a button is held, as a drag expects.
void CaptureWhileHeld(const TInputEvent& event) {
  TInputState& s = State();
  if (event.id == kEventMouseDown && s.buttonsHeld++ == 0) SDL_CaptureMouse(SDL_TRUE);
  if (event.id == kEventMouseUp && s.buttonsHeld > 0 && --s.buttonsHeld == 0) SDL_CaptureMouse(SDL_FALSE);
}

}  // namespace

int AddInputListener(InputListener listener) {
  TInputState& s = State();
  s.listeners[s.nextListener] = std::move(listener);
  return s.nextListener++;
}

void RemoveInputListener(int id) { State().listeners.erase(id); }

void EmitInputEvent(const TInputEvent& event) {
  TInputState& s = State();
  s.store.OnEvent(event);
  // A copy: a listener may add or remove listeners.
  const std::map<int, InputListener> listeners = s.listeners;
  for (const auto& entry : listeners) entry.second(event);
}

void PollSystem() {
  TInputState& s = State();
  if (s.polling) return;
  s.polling = true;
  if (!s.eventsReady) s.eventsReady = SDL_InitSubSystem(SDL_INIT_EVENTS) == 0;
  SDL_Event event;
  std::vector<TInputEvent> events;
  while (s.eventsReady && SDL_PollEvent(&event)) {
    events.clear();
    TranslateSdlEvent(event, GraphicsWindowId(), events);
    for (const TInputEvent& input : events) {
      CaptureWhileHeld(input);
      EmitInputEvent(input);
    }
  }
  s.polling = false;
}

TInputStore& InputStore() { return State().store; }

int KeyHit(int code) {
  PollSystem();
  return State().store.KeyHit(code);
}

int KeyDown(int code) {
  PollSystem();
  return State().store.KeyDown(code);
}

int GetChar() {
  PollSystem();
  return State().store.GetChar();
}

void FlushKeys() {
  PollSystem();
  State().store.FlushKeys();
}

int MouseX() {
  PollSystem();
  return State().store.MouseX();
}

int MouseY() {
  PollSystem();
  return State().store.MouseY();
}

int MouseZ() {
  PollSystem();
  return State().store.MouseZ();
}

int MouseHit(int button) {
  PollSystem();
  return State().store.MouseHit(button);
}

int MouseDown(int button) {
  PollSystem();
  return State().store.MouseDown(button);
}

void FlushMouse() {
  PollSystem();
  State().store.FlushMouse();
}

void ShowMouse() { SDL_ShowCursor(SDL_ENABLE); }
void HideMouse() { SDL_ShowCursor(SDL_DISABLE); }

int AppTerminate() {
  PollSystem();
  return State().store.AppTerminate();
}

int AppSuspended() {
  PollSystem();
  return State().store.AppSuspended();
}
