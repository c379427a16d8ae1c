#include "frontend/gui/event.h"

#include <deque>

#include "frontend/gui/gadget.h"

namespace {

struct TEventQueue {
  std::deque<kui_TEvent> waiting;
  kui_TEvent current;
};

TEventQueue& Queue() {
  static TEventQueue queue;
  return queue;
}

std::string EventName(int id) {
  switch (id) {
    case KUI_EVENT_SETSCREEN: return "SetScreen";
    case KUI_EVENT_GADGETACTION: return "GadgetAction";
    case KUI_EVENT_GADGETSELECT: return "GadgetSelect";
    case KUI_EVENT_GADGETOPEN: return "GadgetOpen";
    case KUI_EVENT_GADGETCLOSE: return "GadgetClose";
    case KUI_EVENT_HIDE: return "Hide";
    case KUI_EVENT_SHOW: return "Show";
    case KUI_EVENT_MOUSEOVER: return "MouseOver";
    default: return "Unknown Event: " + std::to_string(id);
  }
}

}  // namespace

std::string kui_TEvent::ToString() const {
  const std::string source = gSource ? gSource->gName : "External Source";
  return "Event: " + EventName(gID) + " Data: " + std::to_string(gData) + " X: " + std::to_string(gX) +
         " Y: " + std::to_string(gY) + " Source: " + source;
}

void kui_PostEvent(int id, kui_TGadget* source, int data, int x, int y, std::any extra) {
  kui_TEvent event;
  event.gID = id;
  event.gSource = source;
  event.gData = data;
  event.gX = x;
  event.gY = y;
  event.gExtra = std::move(extra);
  Queue().waiting.push_back(event);
  if (source && source->gParent) source->gParent->AddChildEvent(event);
}

int kui_PollEvent() {
  TEventQueue& q = Queue();
  if (q.waiting.empty()) {
    q.current = kui_TEvent();
    return 0;
  }
  q.current = std::move(q.waiting.front());
  q.waiting.pop_front();
  return q.current.gID;
}

int kui_EventID() { return Queue().current.gID; }
kui_TGadget* kui_EventSource() { return Queue().current.gSource; }
int kui_EventData() { return Queue().current.gData; }
int kui_EventX() { return Queue().current.gX; }
int kui_EventY() { return Queue().current.gY; }
const std::any& kui_EventExtra() { return Queue().current.gExtra; }

std::string kui_EventExtraText() {
  const std::string* text = std::any_cast<std::string>(&Queue().current.gExtra);
  return text ? *text : std::string();
}

int kui_CountEvents() { return static_cast<int>(Queue().waiting.size()); }

void kui_ClearEvents() {
  Queue().waiting.clear();
  Queue().current = kui_TEvent();
}
