#include "platform/ram_stream.h"

#include <algorithm>
#include <cstring>

size_t TRamStream::Read(void* buffer, size_t count) {
  if (closed_ || pos_ >= size_) return 0;
  const size_t got = std::min(count, size_ - pos_);
  std::memcpy(buffer, bytes_ + pos_, got);
  pos_ += got;
  return got;
}

size_t TRamStream::Write(const void*, size_t count) {
  if (count > 0) MarkFailed();
  return 0;
}

bool TRamStream::Seek(int64_t position) {
  if (closed_ || position < 0 || static_cast<size_t>(position) > size_) return false;
  pos_ = static_cast<size_t>(position);
  return true;
}
