#include "bridge/event_queue.h"

#include <cstring>

void EventQueue::Append(std::string event) {
  if (!event.empty()) events_.push_back(std::move(event));
}

size_t EventQueue::HandOut(char* buffer, size_t capacity) {
  if (capacity == 0) return 0;
  const size_t room = capacity - 1;
  size_t used = 0;
  while (!events_.empty()) {
    std::string& event = events_.front();
    if (event.size() <= room - used) {
      std::memcpy(buffer + used, event.data(), event.size());
      used += event.size();
      events_.pop_front();
    } else {
      if (used == 0) {
        std::memcpy(buffer, event.data(), room);
        event.erase(0, room);
        used = room;
      }
      break;
    }
  }
  buffer[used] = '\0';
  return used;
}
