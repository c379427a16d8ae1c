// Polled keyboard, mouse and window state. Every query first lets pending window messages
// arrive (PollSystem), so the state changes between two queries only when one polls.
#pragma once

#include "platform/input_events.h"
#include "platform/input_store.h"

// Delivers pending window messages as events (guarded against re-entry).
void PollSystem();
// Presses of the key (a Windows virtual-key code) since it was last asked; resets the count.
int KeyHit(int code);
// 1 while the key is held.
int KeyDown(int code);
// The oldest typed character (UTF-16 code unit), 0 when none is waiting.
int GetChar();
void FlushKeys();
int MouseX();
int MouseY();
// The wheel position: the sum of its steps, positive away from the user.
int MouseZ();
// Buttons 1 left, 2 right, 3 middle.
int MouseHit(int button);
int MouseDown(int button);
void FlushMouse();
void ShowMouse();
void HideMouse();
// 1 once after each close request.
int AppTerminate();
int AppSuspended();

// The store the queries read (tests feed it events directly).
TInputStore& InputStore();
