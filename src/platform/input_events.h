// Input events: what the window-event layer makes of the system's messages.
#pragma once

#include <functional>

inline constexpr int kEventAppSuspend = 257;
inline constexpr int kEventAppResume = 258;
inline constexpr int kEventAppTerminate = 259;
inline constexpr int kEventKeyDown = 513;
inline constexpr int kEventKeyUp = 514;
inline constexpr int kEventKeyChar = 515;
inline constexpr int kEventKeyRepeat = 516;
inline constexpr int kEventMouseDown = 1025;
inline constexpr int kEventMouseUp = 1026;
inline constexpr int kEventMouseMove = 1027;
inline constexpr int kEventMouseWheel = 1028;

// data: the key code, character, button, wheel steps or (mouse move) the held button.
struct TInputEvent {
  int id = 0;
  int data = 0;
  int x = 0;
  int y = 0;
};

using InputListener = std::function<void(const TInputEvent&)>;

// Listeners (the interface toolkit) hear every event after the polled store; returns an id.
int AddInputListener(InputListener listener);
void RemoveInputListener(int id);
// Hands an event to the store and the listeners, as PollSystem does for each message.
void EmitInputEvent(const TInputEvent& event);
