// Interface events: what the gadgets post and the game drains once a frame.
#pragma once

#include <any>
#include <string>

class kui_TGadget;

inline constexpr int KUI_EVENT_SETSCREEN = 1;
inline constexpr int KUI_EVENT_GADGETACTION = 11;
inline constexpr int KUI_EVENT_GADGETSELECT = 12;
inline constexpr int KUI_EVENT_GADGETOPEN = 13;
inline constexpr int KUI_EVENT_GADGETCLOSE = 14;
inline constexpr int KUI_EVENT_HIDE = 15;
inline constexpr int KUI_EVENT_SHOW = 16;
inline constexpr int KUI_EVENT_MOUSEOVER = 21;

class kui_TEvent {
 public:
  int gID = 0;
  kui_TGadget* gSource = nullptr;
  int gData = 0;
  int gX = 0;
  int gY = 0;
  // A screen (kui_TScreen*), a gadget (kui_TGadget*), a text (std::string) or a row's object.
  std::any gExtra;

  std::string ToString() const;
};

// Appends to the queue, and hands the event to the source's parent as a child event.
void kui_PostEvent(int id, kui_TGadget* source, int data = 0, int x = 0, int y = 0, std::any extra = {});
// Takes the oldest event as the current one; its id, or 0 when the queue is empty.
int kui_PollEvent();
int kui_EventID();
kui_TGadget* kui_EventSource();
int kui_EventData();
int kui_EventX();
int kui_EventY();
const std::any& kui_EventExtra();
// The current event's extra as a text; empty when it holds none.
std::string kui_EventExtraText();
// The number of events waiting.
int kui_CountEvents();
// Drops every waiting event and the current one.
void kui_ClearEvents();
