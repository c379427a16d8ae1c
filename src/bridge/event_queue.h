// The events the notification handlers gathered and the host has not read yet.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

class EventQueue {
 public:
  void Append(std::string event);
  bool Empty() const { return events_.empty(); }
  // Moves the oldest events into buffer, whole events only while they fit, and ends the text
  // with a NUL; capacity counts that NUL. An event longer than the whole buffer is handed
  // out in parts. Returns the number of bytes written before the NUL.
  size_t HandOut(char* buffer, size_t capacity);
  void Clear() { events_.clear(); }

 private:
  std::deque<std::string> events_;
};
