// A read-only stream over bytes that live elsewhere (an embedded file).
#pragma once

#include "platform/stream.h"

class TRamStream : public TStream {
 public:
  TRamStream(const unsigned char* bytes, size_t size) : bytes_(bytes), size_(size) {}

  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  int64_t Pos() const override { return static_cast<int64_t>(pos_); }
  int64_t Size() const override { return static_cast<int64_t>(size_); }
  bool Seek(int64_t position) override;
  void Close() override { closed_ = true; }

 private:
  const unsigned char* bytes_;
  size_t size_;
  size_t pos_ = 0;
  bool closed_ = false;
};
